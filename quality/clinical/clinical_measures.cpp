// SPDX-License-Identifier: GPL-3.0-or-later
#include "quality/clinical/clinical_measures.h"

#include <algorithm>
#include <bit>
#include <cmath>

#include "core/sinc_interpolation.h"
#include "dsp/fft.h"
#include "dsp/peaks.h"
#include "dsp/vector_clones.h"
#include "quality/analysis/period_marking.h"
#include "quality/clinical/clinical_constants.h"

namespace sonarel::quality::clinical {
namespace {

using dsp::AlignedVector;
using dsp::Complex;

// Frames of `length` samples every `step`, as many as fit, the run centred in the sound.
struct FramePlacement {
  std::size_t count = 0;
  std::size_t first = 0;
};

FramePlacement placeFrames(std::size_t total, std::size_t length, std::size_t step) {
  if (total < length || step == 0) return {};
  const std::size_t count = (total - length) / step + 1;
  return {count, (total - length - (count - 1) * step) / 2};
}

// How far from a cycle's highest sample, in samples, other local maxima are refined.
constexpr std::size_t kPeakNeighbourhood = 4;

// The value at the vertex of the parabola through (-1, left), (0, middle), (1, right), at
// the offset dsp::parabolicPeakOffset gives.
double parabolicPeakValue(double left, double middle, double right) {
  const double d = dsp::parabolicPeakOffset(left, middle, right);
  return middle + 0.5 * d * (right - left) + 0.5 * d * d * (left - 2 * middle + right);
}

// The height of a cycle's peak: its largest sample, refined on the waveform interpolated by
// a windowed sinc. A parabola through three samples overshoots where the waveform falls
// steeply on one side of the peak (a sawtooth's edge) by an amount that depends on where the
// samples fall within the edge, which turns a steady pulse train into a shimmering one.
double cyclePeak(std::span<const float> x, const Cycle& c) {
  const auto first = static_cast<std::size_t>(std::max(0.0, std::ceil(c.start)));
  const auto end = std::min(x.size(), static_cast<std::size_t>(c.start + c.period) + 1);
  if (first >= end) return 0.0;
  const auto top =
      static_cast<std::size_t>(std::max_element(x.begin() + static_cast<std::ptrdiff_t>(first),
                                                x.begin() + static_cast<std::ptrdiff_t>(end)) -
                               x.begin());
  // The kernel's reach on either side of the top and of its neighbours, and one sample more
  // for the search.
  constexpr std::size_t reach = core::kSincDepth70 + kPeakNeighbourhood + 1;
  const std::size_t from = top >= reach ? top - reach : 0;
  const std::size_t to = std::min(x.size(), top + reach + 1);
  const std::vector<double> around(x.begin() + static_cast<std::ptrdiff_t>(from),
                                   x.begin() + static_cast<std::ptrdiff_t>(to));
  // Near an edge the ripples are about two samples apart and the highest sample need not lie
  // on the highest ripple: every local maximum near the top is refined.
  const std::size_t centre = top - from;
  double best = around[centre];
  for (std::size_t i = centre - std::min(centre, kPeakNeighbourhood);
       i <= std::min(around.size() - 1, centre + kPeakNeighbourhood); ++i) {
    if (i > 0 && i + 1 < around.size() && (around[i] < around[i - 1] || around[i] < around[i + 1]))
      continue;
    best = std::max(best, core::improvePeak(around, static_cast<int>(i), core::kSincDepth70).value);
  }
  return best;
}

// The height of the correlation's maximum near `lag`, on the curve interpolated by a
// windowed sinc over the lags around it. Between lags a parabola underestimates a sharp peak
// (a clean sawtooth's r of 0.9994 reads 0.9985, or 32 dB for over 45), and that ceiling,
// not the noise, would then set the ratio of clean voices.
template <typename Correlation>
double sincPeak(const Correlation& correlation, std::size_t lag, std::size_t maxLag) {
  const std::size_t reach = core::kSincDepth70 + 1;
  const std::size_t from = lag > reach ? lag - reach : 0;
  const std::size_t to = std::min(maxLag, lag + reach);
  std::vector<double> around(to - from + 1);
  for (std::size_t k = from; k <= to; ++k) around[k - from] = correlation(k);
  const double value =
      core::improvePeak(around, static_cast<int>(lag - from), core::kSincDepth70).value;
  return value > 1 ? 1 / value : value;
}

}  // namespace

SONAREL_VECTOR_CLONES
std::vector<CorrelationFrame> correlationFrames(std::span<const float> x, double sampleRate) {
  const auto window =
      static_cast<std::size_t>(kHnrPeriodsPerWindow * sampleRate / kHnrPitchFloorHz);
  const auto maxLag = static_cast<std::size_t>(sampleRate / kHnrPitchFloorHz);
  const std::size_t span = window + maxLag;
  const auto step = static_cast<std::size_t>(std::lround(kHnrTimeStepS * sampleRate));
  const FramePlacement frames = placeFrames(x.size(), span, step);
  std::vector<CorrelationFrame> out;
  if (frames.count == 0 || window < 4) return out;

  double globalMean = 0;
  for (float v : x) globalMean += v;
  globalMean /= static_cast<double>(x.size());
  double globalPeak = 0;
  for (float v : x) globalPeak = std::max(globalPeak, std::abs(v - globalMean));
  if (globalPeak == 0) return out;

  // The correlation is circular, but a frame's window and its lags end within the span, so a
  // transform as long as the span leaves every lag asked for unwrapped.
  const std::size_t size = dsp::fastFftSize(span);
  const dsp::RealFft& fft = dsp::RealFft::ofSize(size);
  AlignedVector<double> a(size, 0.0), b(size, 0.0), product(size);
  AlignedVector<Complex> aBins(fft.binCount()), bBins(fft.binCount());
  std::vector<double> energy(span + 1), rSquared(maxLag + 1);
  out.reserve(frames.count);
  for (std::size_t f = 0; f < frames.count; ++f) {
    const std::size_t start = frames.first + f * step;
    double mean = 0;
    for (std::size_t n = 0; n < span; ++n) mean += x[start + n];
    mean /= static_cast<double>(span);
    double localPeak = 0, centrePeak = 0;
    const std::size_t centreFrom = (span - window) / 2, centreTo = centreFrom + window;
    for (std::size_t n = 0; n < span; ++n) {
      b[n] = x[start + n] - mean;
      localPeak = std::max(localPeak, std::abs(b[n]));
      if (n >= centreFrom && n < centreTo) centrePeak = std::max(centrePeak, std::abs(b[n]));
      energy[n + 1] = energy[n] + b[n] * b[n];
    }
    for (std::size_t n = 0; n < window; ++n) a[n] = b[n];
    fft.forward(a, aBins);
    fft.forward(b, bBins);
    // conj(a) b, written out: the library's complex product checks for infinities bin by bin.
    for (std::size_t k = 0; k < aBins.size(); ++k) {
      const double ar = aBins[k].real(), ai = aBins[k].imag();
      const double br = bBins[k].real(), bi = bBins[k].imag();
      aBins[k] = Complex(ar * br + ai * bi, ar * bi - ai * br);
    }
    fft.inverse(aBins, product);
    const double own = energy[window];
    auto correlation = [&](std::size_t lag) {
      const double other = energy[lag + window] - energy[lag];
      return own > 0 && other > 0
                 ? product[lag] / static_cast<double>(size) / std::sqrt(own * other)
                 : 0.0;
    };
    // The local maxima are found on r |r|, which orders the lags as r does without a square
    // root per lag; r itself is taken at the three lags of each maximum. The quotients are
    // made in a loop of their own, which the compiler vectorises; lags without energy, whose
    // quotient is not a number, read as 0.
    auto energies = [&](std::size_t lag) { return own * (energy[lag + window] - energy[lag]); };
    for (std::size_t lag = 0; lag <= maxLag; ++lag)
      rSquared[lag] = product[lag] * std::abs(product[lag]) / energies(lag);
    auto ordered = [&](std::size_t lag) { return energies(lag) > 0 ? rSquared[lag] : 0.0; };
    double best = 0;
    std::size_t bestLag = 0;
    for (std::size_t lag = 2; lag < maxLag; ++lag) {
      const double here = ordered(lag);
      if (here > 0 && here > ordered(lag - 1) && here >= ordered(lag + 1)) {
        double value =
            parabolicPeakValue(correlation(lag - 1), correlation(lag), correlation(lag + 1));
        if (value > 1) value = 1 / value;
        if (value > best) best = value, bestLag = lag;
      }
    }
    if (bestLag > 0) best = std::max(best, sincPeak(correlation, bestLag, maxLag));
    CorrelationFrame frame;
    frame.centre = static_cast<double>(start) + 0.5 * static_cast<double>(span);
    frame.r = best;
    frame.peakRatio = localPeak / globalPeak;
    frame.centrePeakRatio = centrePeak / globalPeak;
    const double unvoiced = std::max(0.0, 2 - frame.centrePeakRatio / kHnrSilenceThreshold);
    frame.voiced = best > 0 && best > unvoiced;
    out.push_back(frame);
  }
  return out;
}

std::optional<Harmonicity> harmonicityCc(std::span<const float> x, double sampleRate) {
  const std::vector<CorrelationFrame> frames = correlationFrames(x, sampleRate);
  double sum = 0;
  int voiced = 0, sounding = 0, periodic = 0;
  for (const CorrelationFrame& frame : frames) {
    if (frame.peakRatio >= kHnrSilenceThreshold) {
      ++sounding;
      if (frame.r >= kVoicingCorrelation) ++periodic;
    }
    if (!frame.voiced) continue;
    const double r = std::clamp(frame.r, 1e-15, 1 - 1e-15);
    sum += 10 * std::log10(r / (1 - r));
    ++voiced;
  }
  if (voiced == 0) return std::nullopt;
  return Harmonicity{sum / voiced, sounding > 0 ? double(periodic) / sounding : 0.0};
}

std::optional<AmplitudeShimmer> localShimmer(std::span<const float> x, double sampleRate) {
  std::vector<float> centred(x.begin(), x.end());
  centreWithPeaksUp(centred);
  const std::vector<Cycle> cycles = markCycles(centred, sampleRate);
  std::vector<double> peaks(cycles.size(), 0.0);
  for (std::size_t i = 0; i < cycles.size(); ++i)
    if (cycles[i].valid) peaks[i] = cyclePeak(centred, cycles[i]);
  double difference = 0, ratioDb = 0, amplitude = 0;
  int pairs = 0;
  for (std::size_t i = 1; i < cycles.size(); ++i) {
    const Cycle& before = cycles[i - 1];
    const Cycle& after = cycles[i];
    if (!after.continuesRun || !before.valid || peaks[i - 1] <= 0 || peaks[i] <= 0) continue;
    const double periodRatio =
        std::max(before.period, after.period) / std::min(before.period, after.period);
    const double peakRatio = std::max(peaks[i - 1], peaks[i]) / std::min(peaks[i - 1], peaks[i]);
    if (periodRatio > kShimmerMaxPeriodFactor || peakRatio > kShimmerMaxAmplitudeFactor) continue;
    difference += std::abs(peaks[i] - peaks[i - 1]);
    ratioDb += std::abs(20 * std::log10(peaks[i] / peaks[i - 1]));
    amplitude += 0.5 * (peaks[i] + peaks[i - 1]);
    ++pairs;
  }
  if (pairs == 0 || amplitude <= 0) return std::nullopt;
  return AmplitudeShimmer{100 * difference / amplitude, ratioDb / pairs};
}

std::optional<SpectralSlopes> longTermSlopes(std::span<const float> x, double sampleRate) {
  if (x.size() < 2 || sampleRate / 2 < kLtasHighBandTopHz) return std::nullopt;
  const std::size_t size = std::bit_ceil(x.size());
  const dsp::RealFft& fft = dsp::RealFft::ofSize(size);
  AlignedVector<double> samples(size, 0.0);
  std::copy(x.begin(), x.end(), samples.begin());
  AlignedVector<Complex> spectrum(fft.binCount());
  fft.forward(samples, spectrum);
  // Mean power in each 1-Hz band up to the top of the high band.
  const auto bandCount = static_cast<std::size_t>(kLtasHighBandTopHz / kLtasBandHz);
  std::vector<double> band(bandCount, 0.0);
  std::vector<int> members(bandCount, 0);
  const double binHz = sampleRate / static_cast<double>(size);
  for (std::size_t k = 0; k < spectrum.size(); ++k) {
    const auto j = static_cast<std::size_t>(k * binHz / kLtasBandHz);
    if (j >= bandCount) break;
    band[j] += std::norm(spectrum[k]);
    ++members[j];
  }
  const auto lowTop = static_cast<std::size_t>(kLtasLowBandHz / kLtasBandHz);
  // 10 log10 of (mean of the high bands) / (mean of the low bands), over the bands given by
  // value(j), empty bands skipped.
  auto energyRatioDb = [&](auto value) {
    double low = 0, high = 0;
    int lows = 0, highs = 0;
    for (std::size_t j = 0; j < bandCount; ++j) {
      if (members[j] == 0) continue;
      (j < lowTop ? low : high) += value(j);
      ++(j < lowTop ? lows : highs);
    }
    if (lows == 0 || highs == 0 || low <= 0 || high <= 0) return std::optional<double>();
    return std::optional<double>(10 * std::log10((high / highs) / (low / lows)));
  };
  for (std::size_t j = 0; j < bandCount; ++j)
    if (members[j] > 0) band[j] /= members[j];
  const auto slope = energyRatioDb([&](std::size_t j) { return band[j]; });
  // Least-squares line through the bands' dB values from kLtasTrendFromHz on.
  double n = 0, sf = 0, sd = 0, sff = 0, sfd = 0;
  for (std::size_t j = 0; j < bandCount; ++j) {
    const double centre = (j + 0.5) * kLtasBandHz;
    if (members[j] == 0 || centre < kLtasTrendFromHz || band[j] <= 0) continue;
    const double d = 10 * std::log10(band[j]);
    n += 1;
    sf += centre;
    sd += d;
    sff += centre * centre;
    sfd += centre * d;
  }
  const double denominator = n * sff - sf * sf;
  if (!slope || n < 2 || denominator <= 0) return std::nullopt;
  const double lineSlope = (n * sfd - sf * sd) / denominator;
  const double lineIntercept = (sd - lineSlope * sf) / n;
  const auto tilt = energyRatioDb([&](std::size_t j) {
    return std::pow(10.0, (lineIntercept + lineSlope * (j + 0.5) * kLtasBandHz) / 10);
  });
  if (!tilt) return std::nullopt;
  return SpectralSlopes{*slope, *tilt};
}

}  // namespace sonarel::quality::clinical
