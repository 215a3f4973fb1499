// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Cutting a vocal-quality recording into voiced segments from its pulse intervals.
//
// A segment is a run of consecutive glottal cycles, each shorter than 50 ms, that lasts more
// than half a second in total. Every interval of 50 ms or more ends the current run and is
// skipped; so does the end of the list (whose last entry, the distance from the last pulse
// to the end of the recording, counts into the run when it is short).

#include <cstdint>
#include <vector>

#include "quality/glottal_pulses.h"

namespace sonarel::quality {

struct SegmentBounds {
  std::int32_t start = 0;   // first sample
  std::int32_t length = 0;  // samples

  bool operator==(const SegmentBounds&) const = default;
};

// An interval of at least this many samples is a pause, not a glottal cycle: fs / 20.
double longGapSamples(double sampleRate);
// A run must be longer than this many samples to be analysed: fs / 2 in integers.
std::int32_t minimumSegmentSamples(std::int32_t sampleRate);

// Every run that qualifies, in order. `sampleCount` is N, the sum of the intervals.
std::vector<SegmentBounds> findVoicedSegments(const PulseIntervals& intervals,
                                              std::int32_t sampleCount, std::int32_t sampleRate);

}  // namespace sonarel::quality
