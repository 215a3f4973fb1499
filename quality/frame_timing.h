// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the frames of a segment lie in the recording, and which of them an analysis range
// takes in.
//
// The segment analysis returns no times, only frameCount values per measure. The frames are
// placed as equal tiles over the segment: the span is ((frameCount + 1) * 250) / frameCount
// milliseconds in integer arithmetic (500 for one frame, 375 for two, 333 for three, 275 for
// ten), converted to samples at 44100 Hz, the only rate a vocal-quality file has. Frame k
// covers [start + k * span, start + (k + 1) * span).

#include <cstdint>

#include "quality/analysis/segment_result.h"

namespace sonarel::quality {

// The span of each frame in whole milliseconds; 0 when there are no frames.
std::int32_t frameSpanMilliseconds(std::int32_t frameCount);
// The same in samples at 44100 Hz (fractional).
double frameSpanSamples(std::int32_t frameCount);

struct FrameSpan {
  double first = 0;  // first sample, inclusive
  double end = 0;    // one past the last sample
};

FrameSpan frameSpan(const SegmentResult& segment, std::int32_t frame);

// Whether frame `frame` of `segment` lies wholly inside [rangeFirst, rangeLast]: its start
// is at or after rangeFirst and its end at or before rangeLast (compared as real numbers).
bool frameInRange(const SegmentResult& segment, std::int32_t frame, double rangeFirst,
                  double rangeLast);

}  // namespace sonarel::quality
