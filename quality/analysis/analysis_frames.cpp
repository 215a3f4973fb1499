// SPDX-License-Identifier: GPL-3.0-or-later
#include "quality/analysis/analysis_frames.h"

#include <cmath>

namespace sonarel::quality {

AnalysisFrames analysisFramesFor(std::int64_t length, std::int32_t sampleRate) {
  AnalysisFrames frames;
  frames.window = std::llround(kFrameSeconds * sampleRate);
  frames.hop = std::llround(kHopSeconds * sampleRate);
  if (frames.hop > 0 && length >= frames.window) {
    frames.count = static_cast<std::int32_t>((length - frames.window) / frames.hop + 1);
  }
  return frames;
}

}  // namespace sonarel::quality
