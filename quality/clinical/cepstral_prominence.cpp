// SPDX-License-Identifier: GPL-3.0-or-later
// The smoothed cepstral peak prominence: a power cepstrogram at 10 kHz, smoothed over time
// and quefrency, and in each smoothed frame the height of the cepstral peak above the
// frame's trend line. The steps and their settings are listed in clinical_measures.h.

#include <algorithm>
#include <cmath>
#include <numbers>

#include "dsp/fast_log.h"
#include "dsp/fft.h"
#include "dsp/fft_resample.h"
#include "dsp/median_near_last.h"
#include "dsp/peaks.h"
#include "dsp/vector_clones.h"
#include "dsp/windows.h"
#include "quality/clinical/clinical_constants.h"
#include "quality/clinical/clinical_measures.h"

namespace sonarel::quality::clinical {
namespace {

using dsp::AlignedVector;
using dsp::Complex;

constexpr double kAnalysisRate = 2 * kCepstrumMaxFrequencyHz;

// The weights that average a sequence, joined by straight lines between its samples, over a
// window `width` samples wide centred on a sample: weight j is the area the window cuts
// from the triangle of sample j, over the width. One weight of 1 for a width of 1 or less.
std::vector<double> interpolatedAverageWeights(double width) {
  if (!(width > 1)) return {1.0};
  const double half = width / 2;
  const auto reach = static_cast<int>(std::ceil(half));
  // The area of the unit triangle centred on 0 left of u.
  auto below = [](double u) {
    if (u <= -1) return 0.0;
    if (u <= 0) return 0.5 * (u + 1) * (u + 1);
    if (u <= 1) return 1 - 0.5 * (1 - u) * (1 - u);
    return 1.0;
  };
  std::vector<double> weights;
  for (int j = -reach; j <= reach; ++j)
    weights.push_back((below(half - j) - below(-half - j)) / width);
  return weights;
}

// The power cepstra of the frames, one row of kBins values a frame, computed on demand and
// kept in a ring of the last few rows.
class Cepstrogram {
 public:
  static constexpr std::size_t kWindow = static_cast<std::size_t>(
      kCepstrumWindowPeriods / kCepstrumPitchFloorHz * kAnalysisRate + 0.5);
  static constexpr std::size_t kSize = 1024;  // the power of two at or above kWindow
  static constexpr std::size_t kBins = kSize / 2 + 1;
  // Rows are stored kStride apart, an even count, so that loops over whole rows run in pairs.
  static constexpr std::size_t kStride = kBins + 1;
  static_assert(kSize >= kWindow && kSize / 2 < kWindow);
  static_assert(kWindow % 4 == 0, "the mean is summed four at a time");

  Cepstrogram(std::vector<double> samples, std::size_t ringRows)
      : samples_(std::move(samples)),
        fft_(dsp::RealFft::ofSize(kSize)),
        frame_(kSize, 0.0),
        cepstrum_(kSize),
        spectrum_(fft_.binCount()),
        weights_(kWindow),
        ring_(ringRows * kStride, 0.0),
        ringFrame_(ringRows, kNone) {
    for (std::size_t n = 0; n < kWindow; ++n) weights_[n] = dsp::gaussianWeight(n, kWindow);
    const auto step = kCepstrumTimeStepS * kAnalysisRate;
    step_ = static_cast<std::size_t>(std::lround(step));
    // The frames need the window and one sample more; the run of them is centred.
    const std::size_t span = kWindow + 1;
    if (samples_.size() >= span) {
      count_ = (samples_.size() - span) / step_ + 1;
      // Twice the centre of the first frame, in samples from the sound's start.
      firstCentreTwice_ = samples_.size() - (count_ - 1) * step_;
    }
  }

  std::size_t count() const { return count_; }

  // Frame f's cepstrum, valid until `ringRows` other frames have been asked for.
  const double* row(std::size_t f) {
    const std::size_t slot = f % ringFrame_.size();
    double* out = ring_.data() + slot * kStride;
    if (ringFrame_[slot] != f) {
      compute(f, out);
      ringFrame_[slot] = f;
    }
    return out;
  }

 private:
  static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

  void compute(std::size_t f, double* out) {
    // The window's kWindow samples start half a window and half a sample before the frame's
    // centre, rounded down to a whole sample.
    const auto centreTwice = static_cast<std::ptrdiff_t>(firstCentreTwice_ + 2 * f * step_);
    const std::ptrdiff_t start = static_cast<std::ptrdiff_t>(std::floor((centreTwice - 1) / 2.0)) -
                                 static_cast<std::ptrdiff_t>(kWindow / 2);
    const auto total = static_cast<std::ptrdiff_t>(samples_.size());
    double* frame = frame_.data();
    if (start >= 0 && start + static_cast<std::ptrdiff_t>(kWindow) <= total) {
      std::copy_n(samples_.data() + start, kWindow, frame);
    } else {
      for (std::size_t n = 0; n < kWindow; ++n) {
        const std::ptrdiff_t i = start + static_cast<std::ptrdiff_t>(n);
        frame[n] = i >= 0 && i < total ? samples_[static_cast<std::size_t>(i)] : 0.0;
      }
    }
    // The mean in four running sums, which the compiler keeps in vector lanes.
    double sums[4] = {0, 0, 0, 0};
    for (std::size_t n = 0; n < kWindow; n += 4)
      for (std::size_t lane = 0; lane < 4; ++lane) sums[lane] += frame[n + lane];
    const double mean = ((sums[0] + sums[1]) + (sums[2] + sums[3])) / static_cast<double>(kWindow);
    const double* weights = weights_.data();
    for (std::size_t n = 0; n < kWindow; ++n) frame[n] = (frame[n] - mean) * weights[n];
    std::fill(frame_.begin() + kWindow, frame_.end(), 0.0);
    fft_.forward(frame_, spectrum_);
    for (Complex& bin : spectrum_) bin = Complex(dsp::fastLog(std::norm(bin) + 1e-300), 0.0);
    fft_.inverse(spectrum_, cepstrum_);
    for (std::size_t q = 0; q < kBins; ++q) out[q] = cepstrum_[q] * cepstrum_[q];
  }

  std::vector<double> samples_;
  const dsp::RealFft& fft_;
  AlignedVector<double> frame_, cepstrum_;
  AlignedVector<Complex> spectrum_;
  std::vector<double> weights_;
  std::vector<double> ring_;
  std::vector<std::size_t> ringFrame_;
  std::size_t step_ = 1;
  std::size_t count_ = 0;
  std::size_t firstCentreTwice_ = 0;
};

// Trend line and peak of one smoothed frame, in dB.
class ProminenceOfFrame {
 public:
  ProminenceOfFrame(std::size_t peakFirst, std::size_t peakLast)
      : peakFirst_(peakFirst), peakLast_(peakLast) {}

  // `db`: the frame's values in dB at quefrency bins 0 .. count-1.
  double operator()(const std::vector<double>& db) {
    // The trend: a straight line through the bins above 0, fitted robustly (the median slope
    // of the pairs half the bins apart, then the median intercept).
    const std::size_t n = db.size() - 1;
    const std::size_t half = n / 2;
    slopes_.resize(half);
    for (std::size_t i = 0; i < half; ++i)
      slopes_[i] = (db[1 + i + half] - db[1 + i]) / static_cast<double>(half);
    const double slope = slopeMedian_(slopes_);
    intercepts_.resize(n);
    double at = 1;  // the bin 1 + i, counted in doubles (exact) to spare conversions
    for (std::size_t i = 0; i < n; ++i, at += 1) intercepts_[i] = db[1 + i] - slope * at;
    const double intercept = interceptMedian_(intercepts_);
    // The peak of the cepstrum above its trend, between the quefrencies of the pitch range.
    auto above = [&](std::size_t q) {
      return db[q] - (intercept + slope * static_cast<double>(q));
    };
    std::size_t top = peakFirst_;
    double best = above(top);
    for (std::size_t q = peakFirst_ + 1; q <= peakLast_; ++q) {
      const double v = above(q);
      if (v > best) {
        best = v;
        top = q;
      }
    }
    const double left = above(top - 1), right = above(top + 1);
    const double d = dsp::parabolicPeakOffset(left, best, right);
    return best + 0.5 * d * (right - left) + 0.5 * d * d * (left - 2 * best + right);
  }

 private:
  std::size_t peakFirst_, peakLast_;
  std::vector<double> slopes_, intercepts_;
  dsp::MedianNearLast slopeMedian_, interceptMedian_;
};

}  // namespace

CppsSettings defaultCppsSettings() {
  return {kCppsTimeSmoothingS, kCppsQuefrencySmoothingS, kCppsPeakMinPitchHz, kCppsPeakMaxPitchHz};
}

SONAREL_VECTOR_CLONES
std::optional<double> smoothedCepstralPeakProminence(std::span<const float> x, double sampleRate,
                                                     const CppsSettings& settings) {
  const long rate = std::lround(sampleRate);
  if (rate <= 0 || std::abs(sampleRate - static_cast<double>(rate)) > 1e-9) return std::nullopt;
  if (!(settings.peakMinPitchHz > 0) || !(settings.peakMaxPitchHz > settings.peakMinPitchHz))
    return std::nullopt;
  std::vector<double> y =
      dsp::resampleBandLimited(x, static_cast<int>(rate), static_cast<int>(kAnalysisRate));
  if (y.empty()) return std::nullopt;
  // Pre-emphasis, from the last sample back so that each uses its unchanged predecessor.
  const double emphasis = std::exp(-2 * std::numbers::pi * kCepstrumPreEmphasisHz / kAnalysisRate);
  for (std::size_t n = y.size() - 1; n > 0; --n) y[n] -= emphasis * y[n - 1];

  const std::vector<double> timeWeights =
      interpolatedAverageWeights(settings.timeSmoothingS / kCepstrumTimeStepS);
  const std::vector<double> quefrencyWeights =
      interpolatedAverageWeights(settings.quefrencySmoothingS * kAnalysisRate);
  const std::size_t timeReach = timeWeights.size() / 2;
  const std::size_t quefrencyReach = quefrencyWeights.size() / 2;
  Cepstrogram cepstrogram(std::move(y), timeWeights.size());
  const std::size_t frames = cepstrogram.count();
  if (frames == 0) return std::nullopt;

  constexpr std::size_t bins = Cepstrogram::kBins;
  const auto peakFirst = std::max<std::size_t>(
      1, static_cast<std::size_t>(std::ceil(kAnalysisRate / settings.peakMaxPitchHz)));
  const auto peakLast = std::min<std::size_t>(
      bins - 2, static_cast<std::size_t>(std::floor(kAnalysisRate / settings.peakMinPitchHz)));
  if (peakFirst > peakLast) return std::nullopt;
  ProminenceOfFrame prominence(peakFirst, peakLast);

  // Averages near the ends use the weights of the neighbours that exist, rescaled.
  constexpr std::size_t stride = Cepstrogram::kStride;
  std::vector<double> timeSmoothed(stride), smoothed(bins), db(bins);
  std::vector<double> edgeWeightSums(bins, 0.0);
  for (std::size_t q = 0; q < bins; ++q)
    for (std::size_t j = 0; j < quefrencyWeights.size(); ++j)
      if (q + j >= quefrencyReach && q + j - quefrencyReach < bins)
        edgeWeightSums[q] += quefrencyWeights[j];
  const double toDb = 10 / std::numbers::ln10;
  double sum = 0;
  for (std::size_t f = 0; f < frames; ++f) {
    std::fill(timeSmoothed.begin(), timeSmoothed.end(), 0.0);
    double weightSum = 0;
    for (std::size_t j = 0; j < timeWeights.size(); ++j) {
      if (f + j < timeReach || f + j - timeReach >= frames) continue;
      const double* __restrict row = cepstrogram.row(f + j - timeReach);
      double* __restrict into = timeSmoothed.data();
      const double w = timeWeights[j];
      for (std::size_t q = 0; q < stride; ++q) into[q] += w * row[q];
      weightSum += w;
    }
    // The interior bins weight by weight, so that the loop runs across bins; each bin still
    // sums its terms in the order of the weights.
    const std::size_t interiorEnd = bins - quefrencyReach;
    std::fill(smoothed.begin(), smoothed.end(), 0.0);
    for (std::size_t j = 0; j < quefrencyWeights.size(); ++j) {
      const double w = quefrencyWeights[j];
      const double* __restrict from = timeSmoothed.data() + j;
      double* __restrict into = smoothed.data();
      for (std::size_t q = quefrencyReach; q < interiorEnd; ++q)
        into[q] += w * from[q - quefrencyReach];
    }
    auto atEdge = [&](std::size_t q) {
      double value = 0;
      for (std::size_t j = 0; j < quefrencyWeights.size(); ++j)
        if (q + j >= quefrencyReach && q + j - quefrencyReach < bins)
          value += quefrencyWeights[j] * timeSmoothed[q + j - quefrencyReach];
      return value;
    };
    const std::size_t lowEnd = std::min(quefrencyReach, bins);
    for (std::size_t q = 0; q < lowEnd; ++q) smoothed[q] = atEdge(q);
    for (std::size_t q = std::max(interiorEnd, lowEnd); q < bins; ++q) smoothed[q] = atEdge(q);
    for (std::size_t q = 0; q < bins; ++q)
      db[q] = toDb * dsp::fastLog(smoothed[q] / (edgeWeightSums[q] * weightSum) + 1e-300);
    sum += prominence(db);
  }
  return sum / static_cast<double>(frames);
}

}  // namespace sonarel::quality::clinical
