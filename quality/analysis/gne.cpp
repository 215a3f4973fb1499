// SPDX-License-Identifier: GPL-3.0-or-later
#include "quality/analysis/gne.h"

#include <algorithm>
#include <bit>
#include <cmath>

#include "dsp/fft.h"
#include "quality/analysis/downsample_to_10k.h"
#include "quality/analysis/lpc_residual.h"

namespace sonarel::quality {
namespace {

using Spectrum = dsp::AlignedVector<dsp::Complex>;

// The largest envelope lag compared, in samples at kGneRate.
constexpr int kMaxLag = static_cast<int>(kGneMaximumLagSeconds * kGneRate + 0.5);

// The mean-removed Hilbert envelope of the band of `spectrum` (bins 0 .. size/2 of a signal
// of `length` samples, zero-padded to `size`) centred on `centre` Hz.
std::vector<double> bandEnvelope(const Spectrum& spectrum, std::size_t size, std::size_t length,
                                 double centre) {
  const double binHz = kGneRate / static_cast<double>(size);
  Spectrum band(size), analytic(size);
  const double half = kGneBandwidth / 2;
  const std::size_t lo =
      static_cast<std::size_t>(std::max(1.0, std::ceil((centre - half) / binHz)));
  const std::size_t hi = std::min(size / 2, static_cast<std::size_t>((centre + half) / binHz));
  for (std::size_t k = lo; k <= hi; ++k) {
    const double w = 0.5 + 0.5 * std::cos(2 * M_PI * (k * binHz - centre) / kGneBandwidth);
    band[k] = 2.0 * w * spectrum[k];  // one-sided: the analytic signal of the band
  }
  dsp::ComplexFft::ofSize(size).inverse(band, analytic);
  // The inverse transform is unscaled. The magnitude by its definition: std::abs goes through
  // hypot, which guards against overflow these values never reach, at several times the cost.
  const double scale = 1.0 / static_cast<double>(size);
  std::vector<double> envelope(length);
  double mean = 0;
  for (std::size_t n = 0; n < length; ++n)
    mean += envelope[n] = std::sqrt(std::norm(analytic[n] * scale));
  mean /= static_cast<double>(length);
  for (double& v : envelope) v -= mean;
  return envelope;
}

// Largest normalised cross-correlation of two envelopes over lags -kMaxLag..kMaxLag. All
// lags' sums advance in one pass over the first envelope, each still adding its terms in
// order of i (only the first and last kMaxLag values of i leave some lag without a partner),
// so the sums equal those of one lag at a time while their additions overlap.
double bestCorrelation(const std::vector<double>& a, const std::vector<double>& b) {
  constexpr int kLags = 2 * kMaxLag + 1;
  const auto n = static_cast<std::int64_t>(a.size());
  double ab[kLags] = {}, aa[kLags] = {}, bb[kLags] = {};
  auto addEdge = [&](std::int64_t i) {
    for (int l = 0; l < kLags; ++l) {
      const std::int64_t j = i + l - kMaxLag;
      if (j < 0 || j >= n) continue;
      ab[l] += a[i] * b[j];
      aa[l] += a[i] * a[i];
      bb[l] += b[j] * b[j];
    }
  };
  const std::int64_t middleFrom = std::min<std::int64_t>(kMaxLag, n);
  const std::int64_t middleTo = std::max(middleFrom, n - kMaxLag);
  for (std::int64_t i = 0; i < middleFrom; ++i) addEdge(i);
  for (std::int64_t i = middleFrom; i < middleTo; ++i) {
    const double ai = a[i];
    const double* bi = b.data() + i - kMaxLag;
    for (int l = 0; l < kLags; ++l) {
      ab[l] += ai * bi[l];
      aa[l] += ai * ai;
      bb[l] += bi[l] * bi[l];
    }
  }
  for (std::int64_t i = middleTo; i < n; ++i) addEdge(i);
  double best = -1;
  for (int l = 0; l < kLags; ++l) {
    if (aa[l] > 0 && bb[l] > 0) best = std::max(best, ab[l] / std::sqrt(aa[l] * bb[l]));
  }
  return best;
}

}  // namespace

double gneOfResidual(std::span<const float> residual) {
  if (residual.size() < 16) return 0;
  const std::size_t size =
      std::bit_ceil(residual.size() + 64);  // padding keeps bands from wrapping
  const dsp::RealFft& fft = dsp::RealFft::ofSize(size);
  dsp::AlignedVector<double> padded(size, 0.0);
  std::copy(residual.begin(), residual.end(), padded.begin());
  Spectrum spectrum(fft.binCount());
  fft.forward(padded, spectrum);

  const double first = kGneBandwidth / 2;
  const double last = kGneRate / 2 - kGneBandwidth / 2;
  const int bands = static_cast<int>(std::lround((last - first) / kGneCentreStep)) + 1;
  const int pairDistance = static_cast<int>(std::lround(kGneBandwidth / 2 / kGneCentreStep));
  // Only bands that have a partner far enough away take part: with 3-kHz bands, 1500 to
  // 2000 Hz and 3000 to 3500 Hz.
  std::vector<std::vector<double>> envelopes(bands);
  auto envelope = [&](int i) -> const std::vector<double>& {
    if (envelopes[i].empty()) {
      envelopes[i] = bandEnvelope(spectrum, size, residual.size(), first + i * kGneCentreStep);
    }
    return envelopes[i];
  };
  double gne = 0;
  for (int i = 0; i < bands; ++i) {
    for (int j = i + pairDistance; j < bands; ++j) {
      gne = std::max(gne, bestCorrelation(envelope(i), envelope(j)));
    }
  }
  return std::clamp(gne, 0.0, 1.0);
}

std::vector<double> gnePerFrame(std::span<const float> segment, const AnalysisFrames& frames) {
  std::vector<double> values(static_cast<std::size_t>(frames.count), 0.0);
  if (frames.count <= 0) return values;
  const std::vector<float> low = downsample44100To10000(segment);
  const std::vector<float> residual = lpcResidual(low, kGneRate);
  const double scale = kGneRate / 44100.0;
  for (std::int32_t k = 0; k < frames.count; ++k) {
    const auto from = static_cast<std::size_t>(std::llround(frames.first(k) * scale));
    const auto to =
        std::min(residual.size(), static_cast<std::size_t>(std::llround(frames.end(k) * scale)));
    if (to > from) values[k] = gneOfResidual(std::span(residual).subspan(from, to - from));
  }
  return values;
}

}  // namespace sonarel::quality
