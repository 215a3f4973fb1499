// SPDX-License-Identifier: GPL-3.0-or-later
#include "quality/analysis/lpc_residual.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "dsp/linear_prediction.h"
#include "dsp/windows.h"

namespace sonarel::quality {

std::vector<float> lpcResidual(std::span<const float> x, double sampleRate) {
  const std::int64_t n = static_cast<std::int64_t>(x.size());
  const std::int64_t hop = std::llround(0.010 * sampleRate);
  const std::int64_t width = std::llround(0.030 * sampleRate);
  std::vector<float> residual(x.size(), 0.0f);
  std::vector<double> window(static_cast<std::size_t>(width)), windowed(window.size());
  for (std::int64_t i = 0; i < width; ++i) {
    window[i] = dsp::hannAtMidpoints(static_cast<std::size_t>(i), static_cast<std::size_t>(width));
  }
  std::array<double, kLpcOrder + 1> r{}, a{};
  for (std::int64_t block = 0; block < n; block += hop) {
    const std::int64_t from = block + hop / 2 - width / 2;
    for (std::int64_t i = 0; i < width; ++i) {
      const std::int64_t at = from + i;
      windowed[i] = at >= 0 && at < n ? window[i] * x[at] : 0.0;
    }
    dsp::autocorrelationLags(std::span<const double>(windowed), r);
    r[0] *= 1.0 + 1e-9;  // a whisper of white noise keeps the recursion stable
    if (!dsp::levinsonDurbin(r, a).stable) continue;  // silent stretch: residual 0
    const std::int64_t end = std::min(n, block + hop);
    for (std::int64_t t = block; t < end; ++t) {
      double e = x[t];
      for (int k = 1; k <= kLpcOrder && t - k >= 0; ++k) e += a[k] * x[t - k];
      residual[t] = static_cast<float>(e);
    }
  }
  return residual;
}

}  // namespace sonarel::quality
