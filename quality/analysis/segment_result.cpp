// SPDX-License-Identifier: GPL-3.0-or-later
#include "quality/analysis/segment_result.h"

namespace sonarel::quality {

std::string_view measureName(Measure measure) {
  switch (measure) {
    case Measure::Jitter:
      return "jitter";
    case Measure::Shimmer:
      return "shimmer";
    case Measure::F0:
      return "f0";
    case Measure::Gne:
      return "gne";
    case Measure::Correlation:
      return "correlation";
    case Measure::Irregularity:
      return "irregularity";
    case Measure::Noise:
      return "noise";
  }
  return "?";
}

void SegmentResult::resizeFrames(std::int32_t frames) {
  frameCount = frames < 0 ? 0 : frames;
  for (auto& array : measures) array.assign(static_cast<std::size_t>(frameCount), 0.0f);
}

bool SegmentResult::consistent() const {
  for (const auto& array : measures) {
    if (array.size() != static_cast<std::size_t>(frameCount < 0 ? 0 : frameCount)) return false;
  }
  return frameCount >= 0;
}

}  // namespace sonarel::quality
