// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The stretch of a recording that statistics and histograms summarise, expressed in the
// units of each result: F0 frames (frames treated as evenly spread over the file) and the
// 340 intensity columns.

#include <cstdint>

#include "core/sample_buffer.h"

namespace sonarel::core {

using AnalysisRange = SampleRange;

// A range in the real-valued frame or column units of one result.
struct FrameSpan {
  double start = 0;
  double end = 0;
};

// startFrame = first / spf and endFrame = last / spf, with spf = sampleCount / frameCount
// samples per frame (sampleCount itself when there are no frames).
FrameSpan f0FrameSpan(const AnalysisRange& range, std::int64_t sampleCount,
                      std::int32_t frameCount);

}  // namespace sonarel::core
