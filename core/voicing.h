// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the F0 and intensity contours divide time: voiced and voiceless frames, speech and
// silence columns, the voicing map the displays shade, and which F0 points the F0 display
// draws.

#include <cstdint>

#include "core/contours.h"

namespace sonarel::core {

// A frame is voiced when the tracker gave it an F0.
inline bool isVoiced(float f0) {
  return f0 != 0;
}

// An intensity column is speech when it is non-zero and not below the silence threshold.
inline bool isSpeech(float columnDb, int silenceThresholdDb) {
  return columnDb != 0 && columnDb >= static_cast<float>(silenceThresholdDb);
}

// Column c is 1 when contour frame floor(c * frameCount / 680) is voiced; all 0 for an
// empty contour.
VoicingMap voicingMap(const F0Contour& contour);

// The intensity column under F0 frame `frame` of `frameCount`, both spread over the whole
// file: floor(frame * 340 / frameCount), within 0 .. 339.
int intensityColumnOfFrame(std::int32_t frame, std::int32_t frameCount);

// Whether the F0 display draws frame `frame`: it is voiced and the intensity column under it
// is not below the silence threshold (so a threshold of 0 draws every voiced frame).
bool f0PointShown(const F0Contour& contour, std::int32_t frame, const IntensityColumns& columns,
                  int silenceThresholdDb);

}  // namespace sonarel::core
