// SPDX-License-Identifier: GPL-3.0-or-later
#include "quality/analysis/coarse_period.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "dsp/sliding_correlation.h"

namespace sonarel::quality {
namespace {

constexpr double kMinimumCorrelation = 0.3;
constexpr double kPreferShorterLag = 0.9;

}  // namespace

PeriodLimits periodLimits(double sampleRate) {
  return {sampleRate / 1000.0, sampleRate / 50.0};
}

std::optional<double> estimatePeriod(std::span<const float> x, std::size_t position,
                                     double sampleRate) {
  const PeriodLimits limits = periodLimits(sampleRate);
  const std::size_t shortest = static_cast<std::size_t>(std::ceil(limits.shortest));
  const std::size_t longest = static_cast<std::size_t>(std::floor(limits.longest));
  // One longest period of signal compared with the next; near the end of the signal the
  // window moves back so that it still fits.
  const std::size_t window = longest;
  if (x.size() < window + longest + 1 || shortest < 2) return std::nullopt;
  const std::size_t at = std::min(position, x.size() - window - longest - 1);

  std::vector<double> r(longest + 2, 0.0);  // r[lag], lags shortest-1 .. longest+1
  dsp::slidingCorrelation(x.subspan(at), window, shortest - 1, std::span(r).subspan(shortest - 1));
  double best = -1;
  for (std::size_t lag = shortest; lag <= longest; ++lag) {
    if (r[lag] >= r[lag - 1] && r[lag] >= r[lag + 1]) best = std::max(best, r[lag]);
  }
  if (best < kMinimumCorrelation) return std::nullopt;
  for (std::size_t lag = shortest; lag <= longest; ++lag) {
    if (r[lag] >= r[lag - 1] && r[lag] >= r[lag + 1] && r[lag] >= kPreferShorterLag * best) {
      return static_cast<double>(lag);
    }
  }
  return std::nullopt;
}

}  // namespace sonarel::quality
