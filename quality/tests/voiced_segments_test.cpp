// SPDX-License-Identifier: GPL-3.0-or-later
#include "quality/voiced_segments.h"

#include <gtest/gtest.h>

#include <numeric>

#include "quality/frame_timing.h"

namespace sonarel::quality {
namespace {

// Intervals of `cycles` cycles of `period` samples after a first pulse at `first`, then
// the tail.
PulseIntervals cycles(std::int32_t first, int count, std::int32_t period, std::int32_t tail) {
  PulseIntervals p{first};
  p.insert(p.end(), count, period);
  p.push_back(tail);
  return p;
}

std::int32_t total(const PulseIntervals& p) {
  return std::accumulate(p.begin(), p.end(), 0);
}

TEST(VoicedSegments, PausesOfFiftyMillisecondsEndASegment) {
  struct Row {
    const char* name;
    PulseIntervals intervals;
    std::vector<SegmentBounds> expected;
  };
  // 100 cycles of 300 samples = 30000 samples, more than half a second.
  PulseIntervals pause2205 = cycles(50, 100, 300, 0);
  pause2205.pop_back();
  pause2205.push_back(2205);
  pause2205.insert(pause2205.end(), 100, 300);
  pause2205.push_back(10);
  PulseIntervals pause2204 = pause2205;
  pause2204[101] = 2204;
  const Row rows[] = {
      {"a pause of exactly 2205 samples splits",
       pause2205,
       {{50, 30000}, {50 + 30000 + 2205, 30010}}},
      {"2204 samples is still a cycle", pause2204, {{50, 30000 + 2204 + 30010}}},
      {"no pulse", {44100}, {}},
      {"a final long tail is skipped", cycles(0, 100, 300, 5000), {{0, 30000}}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(findVoicedSegments(row.intervals, total(row.intervals), 44100), row.expected);
  }
}

TEST(VoicedSegments, ARunMustBeLongerThanHalfASecond) {
  // 73 cycles of 300 = 21900, plus a tail of 150 counted into the run: 22050 exactly.
  const PulseIntervals exact = cycles(0, 73, 300, 150);
  EXPECT_TRUE(findVoicedSegments(exact, total(exact), 44100).empty());
  const PulseIntervals longer = cycles(0, 73, 300, 151);
  EXPECT_EQ(findVoicedSegments(longer, total(longer), 44100),
            (std::vector<SegmentBounds>{{0, 22051}}));
  EXPECT_EQ(minimumSegmentSamples(44100), 22050);
  EXPECT_EQ(longGapSamples(44100), 2205.0);
}

TEST(FrameTiming, SpansTileTheSegment) {
  struct Row {
    std::int32_t frames;
    std::int32_t milliseconds;
  };
  for (const Row row :
       {Row{1, 500}, Row{2, 375}, Row{3, 333}, Row{10, 275}, Row{100, 252}, Row{0, 0}}) {
    EXPECT_EQ(frameSpanMilliseconds(row.frames), row.milliseconds) << row.frames << " frames";
  }
  EXPECT_DOUBLE_EQ(frameSpanSamples(3), 0.333 * 44100);
  SegmentResult s;
  s.start = 1000;
  s.resizeFrames(3);
  const FrameSpan second = frameSpan(s, 1);
  EXPECT_DOUBLE_EQ(second.first, 1000 + 0.333 * 44100);
  EXPECT_DOUBLE_EQ(second.end, 1000 + 2 * 0.333 * 44100);
}

TEST(FrameTiming, AFrameIsInRangeOnlyWhenWhollyInside) {
  SegmentResult s;
  s.start = 1000;
  s.resizeFrames(1);  // one frame of 22050 samples: [1000, 23050)
  struct Row {
    double first, last;
    bool inside;
  };
  const Row rows[] = {{1000, 23050, true}, {999, 30000, true}, {1001, 30000, false},
                      {0, 23049.5, false}, {0, 23050, true},   {5000, 10000, false}};
  for (const Row& row : rows) {
    EXPECT_EQ(frameInRange(s, 0, row.first, row.last), row.inside)
        << "[" << row.first << ", " << row.last << "]";
  }
}

}  // namespace
}  // namespace sonarel::quality
