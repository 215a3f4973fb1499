// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/pitch_frame_analysis.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "core/sinc_interpolation.h"
#include "dsp/fft.h"
#include "dsp/lanes.h"
#include "dsp/vector_clones.h"
#include "dsp/windows.h"

namespace sonarel::core {
namespace {

// Room past the cross-correlation's stretch for the surplus lanes of its last pass.
constexpr std::int64_t kSurplusLags = 3;

bool methodConstants(PitchMethod method, MethodConstants& c) {
  switch (method) {
    case PitchMethod::HanningAutocorrelation:
      c = {true, false, 0.5, kSincDepth70, 1e-7};
      return true;
    case PitchMethod::GaussianAutocorrelation:
      c = {true, true, 0.25, kSincDepth700, 1e-11};
      return true;
    case PitchMethod::NormalCrossCorrelation:
      c = {false, false, 1.0, kSincDepth70, 1e-7};
      return true;
    case PitchMethod::AccurateCrossCorrelation:
      c = {false, false, 1.0, kSincDepth700, 1e-11};
      return true;
  }
  return false;
}

void makeWindow(AnalysisGeometry& g) {
  const auto n = static_cast<std::size_t>(g.windowSamples);
  const double size = static_cast<double>(n);
  g.window.resize(n);
  const double edge = std::exp(-12.0);
  for (std::size_t j = 0; j < n; ++j) {
    if (g.method.gaussianWindow) {
      const double i = static_cast<double>(j + 1);  // 1 .. windowSamples
      const double u = (i - 0.5 * (size + 1)) / (size + 1);
      g.window[j] = (std::exp(-48.0 * u * u) - edge) / (1.0 - edge);
    } else {
      g.window[j] = dsp::hannWithOpenEnds(j, n);
    }
  }
  // The window's own autocorrelation, by which every frame's is divided.
  dsp::FftAutocorrelation ac(g.fftSize);
  std::copy(g.window.begin(), g.window.end(), ac.input().begin());
  const std::span<const double> buffer = ac.compute();
  g.windowAutocorrelation.resize(static_cast<std::size_t>(g.brentLimit) + 1);
  for (std::size_t i = 0; i < g.windowAutocorrelation.size(); ++i) {
    g.windowAutocorrelation[i] = buffer[i] / buffer[0];
  }
  g.inverseWindowAutocorrelation.resize(g.windowAutocorrelation.size());
  for (std::size_t i = 0; i < g.windowAutocorrelation.size(); ++i) {
    const double rw = g.windowAutocorrelation[i];
    g.inverseWindowAutocorrelation[i] =
        rw != 0 ? 1.0 / rw : 0.0;  // a lag the window never reaches gives 0
  }
}

}  // namespace

// The largest distance of a sample from the mean of all. One pass over the 16-bit values
// gives the same numbers as one over the scaled doubles: their sum is exact either way (below
// 2^53, and scaling by a power of two is exact), and |x - mean| rounded grows with the
// distance from the mean, so its largest value lies at the smallest or the largest sample.
double globalPeak(ScaledSamples x) {
  std::int64_t sum = 0;
  std::int16_t lowest = INT16_MAX, highest = INT16_MIN;
  for (const std::int16_t v : x.raw) {
    sum += v;
    lowest = std::min(lowest, v);
    highest = std::max(highest, v);
  }
  const double scale = 1.0 / 32768;
  const double mean = static_cast<double>(sum) * scale / static_cast<double>(x.size());
  return std::max(std::fabs(lowest * scale - mean), std::fabs(highest * scale - mean));
}

std::int64_t samplesNeeded(const AnalysisGeometry& g, std::int32_t frame) {
  const double t = g.firstTime + frame * g.parameters.timeStep;
  const auto left = static_cast<std::int64_t>(std::floor(t / g.dx - 0.5));
  // Past both what fillFrame reads (left + max(period, half window)) and what crossCorrelate
  // reads (from at most left + 1, a window and the largest lag).
  const std::int64_t end =
      left + 2 + std::max(g.periodSamples, g.halfWindow) + g.windowSamples + g.maximumLag;
  return std::clamp<std::int64_t>(end, 0, g.sampleCount);
}

bool planAnalysis(ScaledSamples x, double sampleRate, const PitchParameters& p,
                  AnalysisGeometry& g) {
  if (!methodConstants(p.method, g.method)) return false;
  if (!(p.timeStep > 0) || !(p.minPitch > 0) || p.maxCandidates < 2 || !(sampleRate > 0)) {
    return false;
  }
  g.parameters = p;
  if (g.method.gaussianWindow) g.parameters.periodsPerWindow *= 2;
  const double periodsPerWindow = g.parameters.periodsPerWindow;
  if (!(periodsPerWindow > 0)) return false;
  g.dx = 1.0 / sampleRate;
  g.sampleCount = static_cast<std::int64_t>(x.size());
  const double duration = static_cast<double>(x.size()) * g.dx;
  if (!(g.parameters.ceiling < 0.5 / g.dx)) g.parameters.ceiling = 0.5 / g.dx;

  // Durations first: the sample counts below are only formed once they fit in the file.
  g.windowDuration = periodsPerWindow / p.minPitch;
  const double span =
      g.method.autocorrelation ? g.windowDuration : 1.0 / p.minPitch + g.windowDuration;
  if (!(duration > span)) return false;
  const double frames = std::floor((duration - span) / p.timeStep) + 1;
  if (!(frames >= 1) || frames > 1e8) return false;
  g.frameCount = static_cast<std::int32_t>(frames);

  g.periodSamples = static_cast<std::int64_t>(std::floor(1.0 / g.dx / p.minPitch));
  g.halfPeriodSamples = g.periodSamples / 2 + 1;
  g.halfWindow = static_cast<std::int64_t>(std::floor(g.windowDuration / g.dx)) / 2 - 1;
  if (g.halfWindow < 2 || g.periodSamples < 1) return false;
  g.windowSamples = 2 * g.halfWindow;
  g.maximumLag = std::min<std::int64_t>(
      g.windowSamples,
      static_cast<std::int64_t>(std::floor(g.windowSamples / periodsPerWindow)) + 2);
  g.brentLimit =
      g.method.autocorrelation
          ? static_cast<std::int64_t>(std::floor(g.windowSamples * g.method.interpolationDepth))
          : g.windowSamples;
  if (g.brentLimit < 1) return false;
  // Frames are centred in the file (x1 = dx/2 is the time of the first sample).
  g.firstTime = duration / 2 - (g.frameCount - 1) * p.timeStep / 2;

  if (g.method.autocorrelation) {
    const double needed = std::ceil(g.windowSamples * (1 + g.method.interpolationDepth));
    g.fftSize = dsp::fastFftSize(static_cast<std::size_t>(needed));
    makeWindow(g);
  }
  return true;
}

FrameAnalyser::FrameAnalyser(const AnalysisGeometry& geometry, ScaledSamples samples)
    : g_(geometry),
      x_(samples),
      shifted_(geometry.fftSize ? 0
                                : static_cast<std::size_t>(geometry.windowSamples +
                                                           geometry.maximumLag + kSurplusLags)),
      energies_(geometry.fftSize ? 0 : static_cast<std::size_t>(geometry.maximumLag + 1)),
      r_(static_cast<std::size_t>(2 * geometry.brentLimit + 1)),
      lags_(static_cast<std::size_t>(geometry.parameters.maxCandidates)) {
  if (geometry.fftSize) fftAc_.emplace(geometry.fftSize);
}

bool FrameAnalyser::analyse(std::int32_t frame, PitchTrack& track) {
  const double t = g_.firstTime + frame * g_.parameters.timeStep;
  double localPeak = 0;
  if (!fillFrame(t, localPeak)) return false;
  track.intensity[frame] = localPeak;  // divided by the global peak once every frame is done

  const auto maxCandidates = static_cast<std::size_t>(g_.parameters.maxCandidates);
  std::span<PitchCandidate> slots(track.candidates.data() + frame * maxCandidates, maxCandidates);
  int count = 1;
  slots[0] = {0.0, 0.0};
  // (A silent frame of a file whose global peak is 0 needs no test of its own: all its
  // samples are equal, so every frame's local peak is 0.)
  if (localPeak > 0) {
    if (g_.method.autocorrelation) {
      autocorrelate();
    } else {
      crossCorrelate(t);
    }
    count = findCandidates(slots);
    refine(slots, count);
  }
  track.candidateCount[frame] = count;
  return true;
}

// The frame's samples around time t, less the mean of the two periods around t, go
// windowed into the transform's input (autocorrelation methods); the local peak is the
// largest distance from that mean within half a period of the middle, before windowing.
bool FrameAnalyser::fillFrame(double t, double& localPeak) {
  const auto left = static_cast<std::int64_t>(std::floor(t / g_.dx - 0.5));
  const std::int64_t meanFirst = left + 1 - g_.periodSamples, meanLast = left + g_.periodSamples;
  const std::int64_t first = left + 1 - g_.halfWindow, last = left + g_.halfWindow;
  if (std::min(meanFirst, first) < 0 || std::max(meanLast, last) >= g_.sampleCount) return false;
  // The samples are summed as integers and scaled once: every partial sum of the scaled
  // values is a multiple of 2^-15 well below 2^38, exact in a double, so this is the sum
  // the scaled values would give in order, without its chain of dependent additions.
  std::int64_t sum = 0;
  const std::int16_t* raw = x_.raw.data();
  for (std::int64_t i = meanFirst; i <= meanLast; ++i) sum += raw[i];
  const double mean =
      static_cast<double>(sum) * (1.0 / 32768) / static_cast<double>(2 * g_.periodSamples);
  localMean_ = mean;

  // |x - mean| rounded grows with the distance of x from the mean, so the largest lies at
  // the smallest or the largest sample (as in globalPeak).
  const std::int64_t from = std::max<std::int64_t>(0, g_.halfWindow - g_.halfPeriodSamples);
  const std::int64_t to =
      std::min<std::int64_t>(g_.windowSamples - 1, g_.halfWindow + g_.halfPeriodSamples - 1);
  std::int16_t lowest = INT16_MAX, highest = INT16_MIN;
  for (std::int64_t j = from; j <= to; ++j) {
    lowest = std::min(lowest, raw[first + j]);
    highest = std::max(highest, raw[first + j]);
  }
  localPeak = from > to ? 0.0
                        : std::max(std::fabs(lowest * (1.0 / 32768) - mean),
                                   std::fabs(highest * (1.0 / 32768) - mean));

  if (fftAc_) {  // the padding past the frame stays 0 from construction on
    double* in = fftAc_->input().data();
    const double* window = g_.window.data();
    for (std::int64_t j = 0; j < g_.windowSamples; ++j) in[j] = (x_[first + j] - mean) * window[j];
  }
  return true;
}

// r(lag) = the frame's autocorrelation over the window's, both normalised at lag 0.
void FrameAnalyser::autocorrelate() {
  const std::span<const double> ac = fftAc_->compute();  // of the input fillFrame wrote
  const double a0 = ac[0];
  const std::int64_t limit = g_.brentLimit;
  double* r = r_.data() + limit;
  if (a0 != 0) {
    // Multiplications by reciprocals made once, instead of two divisions per lag.
    const double inverseA0 = 1.0 / a0;
    const double* inverseRw = g_.inverseWindowAutocorrelation.data();
    r[0] = 1.0;
    for (std::int64_t i = 1; i <= limit; ++i) r[i] = ac[i] * inverseA0 * inverseRw[i];
  } else {
    for (std::int64_t i = 0; i <= limit; ++i) r[i] = ac[i];
  }
  for (std::int64_t i = 1; i <= limit; ++i) r[-i] = r[i];
}

}  // namespace sonarel::core

namespace sonarel::core {

namespace {

using dsp::Lanes;

// out[k] = sum of y[j] y[j + i + k] over j < w, for k < 2P, in one pass over y.
template <int P>
void correlatePass(const double* y, std::int64_t w, std::int64_t i, double* out) {
  Lanes s[P] = {};
  const double* z = y + i;
  for (std::int64_t j = 0; j < w; ++j) {
    const Lanes v = {y[j], y[j]};
    for (int p = 0; p < P; ++p) {
      s[p] += v * dsp::loadLanes(z + j + 2 * p);
    }
  }
  for (int p = 0; p < P; ++p) {
    out[2 * p] = s[p][0];
    out[2 * p + 1] = s[p][1];
  }
}

// The same with four lanes per register, on processors with AVX2: out[k] for k < 4Q. The
// lanes multiply and add separately, as the two-lane passes do (no fused multiply-add), so
// both give the same sums to the last bit.
template <int Q>
SONAREL_AVX2 void correlateWidePass(const double* y, std::int64_t w, std::int64_t i, double* out) {
  using Quad = double __attribute__((vector_size(32)));
  Quad s[Q] = {};
  const double* z = y + i;
  for (std::int64_t j = 0; j < w; ++j) {
    const Quad v = {y[j], y[j], y[j], y[j]};
    for (int p = 0; p < Q; ++p) {
      Quad next;
      std::memcpy(&next, z + j + 4 * p, sizeof next);
      s[p] += v * next;
    }
  }
  for (int p = 0; p < Q; ++p) std::memcpy(out + 4 * p, &s[p], sizeof s[p]);
}

// r[k] /= sqrt(e0 energy[k]) for k < count where energy[k] > 0. Two lags at a time where
// the processor has SSE2 (the compiler does not vectorise the root, which may set errno): a
// lane whose energy is not above 0 is divided by 1, which leaves it as it was.
void normaliseLags(double* r, const double* energy, std::int64_t count, double e0) {
  std::int64_t k = 0;
#ifdef __SSE2__
  const __m128d zero = _mm_setzero_pd(), one = _mm_set1_pd(1.0), e0s = _mm_set1_pd(e0);
  for (; k + 2 <= count; k += 2) {
    const __m128d e = _mm_loadu_pd(energy + k);
    const __m128d positive = _mm_cmpgt_pd(e, zero);
    const __m128d root = _mm_sqrt_pd(_mm_mul_pd(e0s, e));
    const __m128d divisor = _mm_or_pd(_mm_and_pd(positive, root), _mm_andnot_pd(positive, one));
    _mm_storeu_pd(r + k, _mm_div_pd(_mm_loadu_pd(r + k), divisor));
  }
#endif
  for (; k < count; ++k) {
    if (energy[k] > 0) r[k] /= std::sqrt(e0 * energy[k]);
  }
}

}  // namespace

// r(lag) = sum of y[j] y[j + lag] over the window's length, over the root of the two
// stretches' energies; y is the signal less the frame's local mean, from one period before
// the frame time on.
void FrameAnalyser::crossCorrelate(double t) {
  const std::int64_t w = g_.windowSamples;
  const double startTime = t - (1.0 / g_.parameters.minPitch + g_.windowDuration) / 2;
  const std::int64_t start = std::max<std::int64_t>(0, std::llround(startTime / g_.dx - 0.5));
  const std::int64_t lags = std::min(g_.maximumLag, g_.sampleCount - start - w);
  std::fill(r_.begin(), r_.end(), 0.0);
  double* r = r_.data() + g_.brentLimit;
  r[0] = 1.0;
  if (lags < 1) return;

  double* y = shifted_.data();
  for (std::int64_t j = 0; j < w + lags; ++j) y[j] = x_[start + j] - localMean_;
  std::fill_n(y + w + lags, kSurplusLags, 0.0);
  double e0 = 0;
  for (std::int64_t j = 0; j < w; ++j) e0 += y[j] * y[j];

  // Several lags at a time over one pass of the first stretch, their sums side by side in
  // vector registers; each sum still adds its terms in order, so the values equal those of
  // one lag at a time.
  std::int64_t i = 1;
  if (dsp::processorHasAvx2()) {
    for (; i + 31 <= lags; i += 32) correlateWidePass<8>(y, w, i, r + i);
    for (; i + 15 <= lags; i += 16) correlateWidePass<4>(y, w, i, r + i);
  }
  for (; i + 15 <= lags; i += 16) correlatePass<8>(y, w, i, r + i);
  for (; i + 3 <= lags; i += 4) correlatePass<2>(y, w, i, r + i);
  if (i <= lags) {
    // The last one to three lags in a pass of four, whose surplus lanes read the zeros past
    // the stretch and are dropped.
    double last[4];
    correlatePass<2>(y, w, i, last);
    std::copy_n(last, lags - i + 1, r + i);
  }

  // The running energy of the lagged stretch first, so that the roots and divisions that
  // normalise the lags do not wait on it.
  double* energy = energies_.data();
  double ei = e0;
  for (i = 1; i <= lags; ++i) {
    ei += y[i - 1 + w] * y[i - 1 + w] - y[i - 1] * y[i - 1];
    energy[i] = ei;
  }
  if (e0 > 0) normaliseLags(r + 1, energy + 1, lags, e0);
  for (i = 1; i <= lags; ++i) r[-i] = r[i];
}

}  // namespace sonarel::core
