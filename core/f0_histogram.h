// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The F0 histogram behind the statistics' modes and the histogram display.
//
// Over the frames of the range, the voiced values are spread over 20 bins between the
// smallest and the largest value: 20 edges e[j] = minF0 + j * (maxF0 - minF0) / 19, and a
// value v goes to bin j - 1 for the first edge e[j] >= v (minF0 itself to bin 0), so in
// practice bins 0 to 18 are used. With no voiced frame, or all voiced frames equal, the
// bins, minF0 and maxF0 are all 0.

#include <array>

#include "core/analysis_range.h"
#include "core/contours.h"

namespace sonarel::core {

constexpr int kHistogramBins = 20;

struct F0Histogram {
  std::array<float, kHistogramBins> bins{};
  float minF0 = 0;  // Hz
  float maxF0 = 0;  // Hz
};

// The frames the histogram reads: from floor(start) for floor(end - start) frames, clipped
// to the contour. `first` and `count` are frame indexes.
struct FrameWindow {
  std::int64_t first = 0;
  std::int64_t count = 0;
};
FrameWindow histogramFrames(const FrameSpan& span, std::int32_t frameCount);

F0Histogram computeF0Histogram(const F0Contour& contour, const FrameSpan& span);

}  // namespace sonarel::core
