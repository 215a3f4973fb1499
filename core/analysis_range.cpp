// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/analysis_range.h"

namespace sonarel::core {

FrameSpan f0FrameSpan(const AnalysisRange& range, std::int64_t sampleCount,
                      std::int32_t frameCount) {
  const double samplesPerFrame = frameCount > 0 ? static_cast<double>(sampleCount) / frameCount
                                                : static_cast<double>(sampleCount);
  if (samplesPerFrame <= 0) return {};
  return {static_cast<double>(range.first) / samplesPerFrame,
          static_cast<double>(range.last) / samplesPerFrame};
}

}  // namespace sonarel::core
