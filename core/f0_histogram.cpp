// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/f0_histogram.h"

#include <algorithm>
#include <cmath>
#include <span>

namespace sonarel::core {

FrameWindow histogramFrames(const FrameSpan& span, std::int32_t frameCount) {
  const auto first = static_cast<std::int64_t>(std::floor(span.start));
  const auto wanted = static_cast<std::int64_t>(std::floor(span.end - span.start));
  const std::int64_t begin = std::clamp<std::int64_t>(first, 0, frameCount);
  const std::int64_t end = std::clamp<std::int64_t>(first + wanted, begin, frameCount);
  return {begin, end - begin};
}

F0Histogram computeF0Histogram(const F0Contour& contour, const FrameSpan& span) {
  F0Histogram histogram;
  const FrameWindow frames = histogramFrames(span, contour.frameCount());
  const auto values =
      std::span(contour.values)
          .subspan(static_cast<std::size_t>(frames.first), static_cast<std::size_t>(frames.count));
  bool anyVoiced = false;
  float lowest = 0, highest = 0;
  for (float v : values) {
    if (v == 0) continue;
    if (!anyVoiced || v < lowest) lowest = v;
    if (!anyVoiced || v > highest) highest = v;
    anyVoiced = true;
  }
  if (!anyVoiced || lowest == highest) return histogram;
  histogram.minF0 = lowest;
  histogram.maxF0 = highest;

  std::array<float, kHistogramBins> edges{};
  const float width = (highest - lowest) / 19.0f;
  for (int j = 0; j < kHistogramBins; ++j) edges[j] = lowest + static_cast<float>(j) * width;
  for (float v : values) {
    if (v == 0) continue;
    int bin = kHistogramBins - 1;  // above the last edge, which only rounding allows
    if (v == lowest) {
      bin = 0;
    } else {
      for (int j = 0; j < kHistogramBins; ++j) {
        if (edges[j] >= v) {
          bin = std::max(j - 1, 0);
          break;
        }
      }
    }
    histogram.bins[bin] += 1;
  }
  return histogram;
}

}  // namespace sonarel::core
