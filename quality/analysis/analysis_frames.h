// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The analysis frames of a segment: 500-ms windows every 250 ms, so that a segment of L
// samples has floor(L / hop) - 1 frames (none when it is shorter than one window). That is
// the layout the view's frame-timing rule assumes: F frames tile (F + 1) * 250 ms.

#include <cstdint>

namespace sonarel::quality {

constexpr double kFrameSeconds = 0.5;
constexpr double kHopSeconds = 0.25;

struct AnalysisFrames {
  std::int64_t window = 0;  // samples per frame
  std::int64_t hop = 0;     // samples from one frame's start to the next
  std::int32_t count = 0;

  std::int64_t first(std::int32_t frame) const { return frame * hop; }
  std::int64_t end(std::int32_t frame) const { return frame * hop + window; }
};

AnalysisFrames analysisFramesFor(std::int64_t length, std::int32_t sampleRate);

}  // namespace sonarel::quality
