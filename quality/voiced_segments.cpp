// SPDX-License-Identifier: GPL-3.0-or-later
#include "quality/voiced_segments.h"

namespace sonarel::quality {

double longGapSamples(double sampleRate) {
  // fs / 20 rather than 0.05 * fs: the product is not exactly 2205 in binary floating point,
  // and a pause of exactly 50 ms must end the segment.
  return sampleRate / 20.0;
}

std::int32_t minimumSegmentSamples(std::int32_t sampleRate) {
  return sampleRate / 2;
}

std::vector<SegmentBounds> findVoicedSegments(const PulseIntervals& intervals,
                                              std::int32_t sampleCount, std::int32_t sampleRate) {
  std::vector<SegmentBounds> found;
  if (intervals.empty()) return found;
  const double longGap = longGapSamples(sampleRate);
  const std::int64_t minLength = minimumSegmentSamples(sampleRate);
  std::int64_t start = intervals[0];
  std::int64_t run = 0;
  const std::size_t last = intervals.size() - 1;
  for (std::size_t i = 1; i <= last; ++i) {
    const std::int64_t interval = intervals[i];
    const bool pause = interval >= longGap;
    if (!pause && run < sampleCount) run += interval;
    if (pause || i == last) {
      if (run > minLength) {
        found.push_back({static_cast<std::int32_t>(start), static_cast<std::int32_t>(run)});
      }
      start += run + interval;
      run = 0;
    }
  }
  return found;
}

}  // namespace sonarel::quality
