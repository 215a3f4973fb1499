#include "quality/analysis/lpc_residual.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace sonarel::quality {

bool levinsonDurbin(std::span<const double> r, std::span<double> a) {
  const std::size_t order = a.size() - 1;
  std::fill(a.begin(), a.end(), 0.0);
  a[0] = 1.0;
  double error = r[0];
  if (!(error > 0)) return false;
  std::vector<double> previous(a.size());
  for (std::size_t i = 1; i <= order; ++i) {
    double acc = r[i];
    for (std::size_t j = 1; j < i; ++j) acc += a[j] * r[i - j];
    const double k = -acc / error;
    std::copy(a.begin(), a.end(), previous.begin());
    for (std::size_t j = 1; j < i; ++j) a[j] = previous[j] + k * previous[i - j];
    a[i] = k;
    error *= 1.0 - k * k;
    if (!(error > 0)) return false;
  }
  return true;
}

std::vector<float> lpcResidual(std::span<const float> x, double sampleRate) {
  const std::int64_t n = static_cast<std::int64_t>(x.size());
  const std::int64_t hop = std::llround(0.010 * sampleRate);
  const std::int64_t width = std::llround(0.030 * sampleRate);
  std::vector<float> residual(x.size(), 0.0f);
  std::vector<double> window(static_cast<std::size_t>(width)), windowed(window.size());
  for (std::int64_t i = 0; i < width; ++i) {
    window[i] = 0.5 - 0.5 * std::cos(2 * M_PI * (i + 0.5) / static_cast<double>(width));
  }
  std::array<double, kLpcOrder + 1> r{}, a{};
  for (std::int64_t block = 0; block < n; block += hop) {
    const std::int64_t from = block + hop / 2 - width / 2;
    for (std::int64_t i = 0; i < width; ++i) {
      const std::int64_t at = from + i;
      windowed[i] = at >= 0 && at < n ? window[i] * x[at] : 0.0;
    }
    for (int lag = 0; lag <= kLpcOrder; ++lag) {
      double sum = 0;
      for (std::int64_t i = lag; i < width; ++i) sum += windowed[i] * windowed[i - lag];
      r[lag] = sum;
    }
    r[0] *= 1.0 + 1e-9;                   // a whisper of white noise keeps the recursion stable
    if (!levinsonDurbin(r, a)) continue;  // silent stretch: residual 0
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
