// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/voicing.h"

#include <algorithm>
#include <cmath>

namespace sonarel::core {

VoicingMap voicingMap(const F0Contour& contour) {
  VoicingMap map{};
  const std::int32_t frames = contour.frameCount();
  if (frames == 0) return map;
  const double perColumn = static_cast<double>(frames) / kVoicingColumns;
  for (int c = 0; c < kVoicingColumns; ++c) {
    const auto frame =
        std::min<std::int64_t>(static_cast<std::int64_t>(std::floor(c * perColumn)), frames - 1);
    map[c] = isVoiced(contour.values[frame]) ? 1 : 0;
  }
  return map;
}

int intensityColumnOfFrame(std::int32_t frame, std::int32_t frameCount) {
  if (frameCount <= 0) return 0;
  const std::int64_t column = static_cast<std::int64_t>(frame) * kIntensityColumns / frameCount;
  return static_cast<int>(std::clamp<std::int64_t>(column, 0, kIntensityColumns - 1));
}

bool f0PointShown(const F0Contour& contour, std::int32_t frame, const IntensityColumns& columns,
                  int silenceThresholdDb) {
  if (frame < 0 || frame >= contour.frameCount() || !isVoiced(contour.values[frame])) return false;
  return columns[intensityColumnOfFrame(frame, contour.frameCount())] >=
         static_cast<float>(silenceThresholdDb);
}

}  // namespace sonarel::core
