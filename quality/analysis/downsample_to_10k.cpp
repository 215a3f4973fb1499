// SPDX-License-Identifier: GPL-3.0-or-later
#include "quality/analysis/downsample_to_10k.h"

#include <array>
#include <cmath>
#include <cstdint>

namespace sonarel::quality {
namespace {

constexpr int kPhases = 100;  // output step 441/100 input samples
constexpr int kStepNumerator = 441;
constexpr int kHalfTaps = 64;
constexpr int kTaps = 2 * kHalfTaps + 1;
constexpr double kCutoff = 4500.0 / 44100.0;  // cycles per input sample

using Filters = std::array<std::array<float, kTaps>, kPhases>;

// Filter for phase p: taps at input offsets j - kHalfTaps from floor(position), the output
// lying p / 100 of a sample after that input sample.
Filters makeFilters() {
  Filters filters{};
  for (int p = 0; p < kPhases; ++p) {
    const double fraction = static_cast<double>(p) / kPhases;
    for (int j = 0; j < kTaps; ++j) {
      const double t = (j - kHalfTaps) - fraction;
      const double arg = 2.0 * kCutoff * t;
      const double sinc = t == 0.0 ? 1.0 : std::sin(M_PI * arg) / (M_PI * arg);
      const double w = (t + kHalfTaps + 1) / (2.0 * (kHalfTaps + 1));  // 0..1 across the taps
      const double blackman = 0.42 - 0.5 * std::cos(2 * M_PI * w) + 0.08 * std::cos(4 * M_PI * w);
      filters[p][j] = static_cast<float>(2.0 * kCutoff * sinc * blackman);
    }
  }
  return filters;
}

}  // namespace

std::vector<float> downsample44100To10000(std::span<const float> x) {
  static const Filters filters = makeFilters();
  const std::int64_t n = static_cast<std::int64_t>(x.size());
  std::vector<float> out(static_cast<std::size_t>(n * kPhases / kStepNumerator));
  for (std::int64_t m = 0; m < static_cast<std::int64_t>(out.size()); ++m) {
    const std::int64_t base = m * kStepNumerator / kPhases;
    const int phase = static_cast<int>(m * kStepNumerator % kPhases);
    const auto& h = filters[phase];
    double sum = 0;
    for (int j = 0; j < kTaps; ++j) {
      const std::int64_t i = base + j - kHalfTaps;
      if (i >= 0 && i < n) sum += h[j] * x[i];
    }
    out[m] = static_cast<float>(sum);
  }
  return out;
}

}  // namespace sonarel::quality
