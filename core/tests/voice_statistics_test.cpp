// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/voice_statistics.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/f0_histogram.h"

namespace sonarel::core {
namespace {

F0Contour contourOf(std::vector<float> values) {
  return F0Contour{std::move(values)};
}

IntensityColumns columnsOf(float value) {
  IntensityColumns columns;
  columns.fill(value);
  return columns;
}

TEST(F0Histogram, SpreadsValuesOverTheFirstNineteenBins) {
  // width 100/19: 150 lies between e[9] = 147.4 and e[10] = 152.6, so it goes to bin 9.
  const F0Histogram h = computeF0Histogram(contourOf({100, 0, 150, 200}), {0, 4});
  EXPECT_FLOAT_EQ(h.minF0, 100);
  EXPECT_FLOAT_EQ(h.maxF0, 200);
  for (int bin = 0; bin < kHistogramBins; ++bin) {
    const float expected = (bin == 0 || bin == 9 || bin == 18) ? 1.0f : 0.0f;
    EXPECT_EQ(h.bins[bin], expected) << "bin " << bin;
  }
}

TEST(F0Histogram, DegenerateRangesAreEmpty) {
  for (const auto& [values, span] : std::vector<std::pair<std::vector<float>, FrameSpan>>{
           {{}, {0, 0}},                  // no frames
           {{0, 0, 0}, {0, 3}},           // nothing voiced
           {{120, 120, 0, 120}, {0, 4}},  // one value only
           {{100, 200}, {1.5, 1.9}},      // fewer than one frame wide
           {{100, 200}, {5, 9}},          // beyond the contour
       }) {
    const F0Histogram h = computeF0Histogram(contourOf(values), span);
    EXPECT_EQ(h.minF0, 0) << ::testing::PrintToString(values);
    EXPECT_EQ(h.maxF0, 0);
    for (float bin : h.bins) EXPECT_EQ(bin, 0);
  }
}

TEST(F0Histogram, ReadsFloorStartForTheWholeFrameCount) {
  // From frame 1 for floor(3.9 - 1.2) = 2 frames: 100 and 300 only, not 500.
  const F0Histogram h = computeF0Histogram(contourOf({900, 100, 300, 500}), {1.2, 3.9});
  EXPECT_FLOAT_EQ(h.minF0, 100);
  EXPECT_FLOAT_EQ(h.maxF0, 300);
}

TEST(VoiceStatistics, TiedAndManyModes) {
  const IntensityColumns loud = columnsOf(60);
  VoiceStatistics tie =
      computeVoiceStatistics({contourOf({100, 100, 150, 200, 200}), loud, 500, {0, 500}});
  ASSERT_EQ(tie.modeCount, 2);
  EXPECT_DOUBLE_EQ(tie.modes[0], 105.0);  // edge bin: no interpolation
  EXPECT_DOUBLE_EQ(tie.modes[1], 195.5);  // 190 + 5 + 2/(2+2)

  VoiceStatistics five =
      computeVoiceStatistics({contourOf({100, 110, 120, 130, 200}), loud, 500, {0, 500}});
  EXPECT_EQ(five.modeCount, 5);
}

TEST(VoiceStatistics, MeanSpreadAndSemitones) {
  const IntensityColumns loud = columnsOf(60);
  VoiceStatistics s = computeVoiceStatistics({contourOf({110, 0, 220, 0}), loud, 400, {0, 400}});
  EXPECT_DOUBLE_EQ(s.meanF0, 165);
  EXPECT_DOUBLE_EQ(s.sdF0, 55);
  EXPECT_NEAR(s.semitoneRange, 12.0, 1e-6);
  EXPECT_EQ(roundedSemitones(s.semitoneRange), 12);
  EXPECT_EQ(roundedSemitones(2.5), 3);
  EXPECT_EQ(roundedSemitones(2.49), 2);
  EXPECT_DOUBLE_EQ(semitoneSpan(0, 200), 12 * std::log(2.0) / 0.6931472);
}

TEST(VoiceStatistics, OneVoicedValueIsReportedNotZeroed) {
  VoiceStatistics s =
      computeVoiceStatistics({contourOf({0, 180, 180, 0, 180}), columnsOf(50), 500, {0, 500}});
  EXPECT_DOUBLE_EQ(s.meanF0, 180);
  EXPECT_DOUBLE_EQ(s.minF0, 180);
  EXPECT_DOUBLE_EQ(s.maxF0, 180);
  EXPECT_DOUBLE_EQ(s.sdF0, 0);
  EXPECT_DOUBLE_EQ(s.semitoneRange, 0);
  ASSERT_EQ(s.modeCount, 1);
  EXPECT_DOUBLE_EQ(s.modes[0], 180);
}

TEST(VoiceStatistics, EmptyAndUnvoicedContoursGiveZeros) {
  for (const auto& values : {std::vector<float>{}, std::vector<float>{0, 0, 0}}) {
    VoiceStatistics s = computeVoiceStatistics({contourOf(values), columnsOf(0), 3400, {0, 3400}});
    EXPECT_EQ(s.modeCount, 1);
    EXPECT_EQ(s.modes[0], 0);
    EXPECT_EQ(s.meanF0, 0);
    EXPECT_EQ(s.sdF0, 0);
    EXPECT_EQ(s.semitoneRange, 0);
    EXPECT_EQ(s.minIntensity, 0);
  }
}

TEST(IntensityStatistics, ExtremesMeanAndSpreadOverTheRangeColumns) {
  IntensityColumns columns = columnsOf(0);
  for (int c = 0; c < 170; ++c) columns[c] = 60;
  columns[200] = 30;
  VoiceStatistics s;
  computeIntensityStatistics(columns, 3400, {0, 3400}, s);
  EXPECT_DOUBLE_EQ(s.minIntensity, 30);
  EXPECT_DOUBLE_EQ(s.maxIntensity, 60);
  EXPECT_DOUBLE_EQ(s.meanIntensity, (170 * 60 + 30) / 340.0);
  EXPECT_NEAR(s.sdIntensity, std::sqrt(170 * 900 / 171.0), 1e-9);

  // Columns 100..199 only (10 samples a column).
  computeIntensityStatistics(columns, 3400, {1000, 2000}, s);
  EXPECT_DOUBLE_EQ(s.minIntensity, 60);
  EXPECT_DOUBLE_EQ(s.meanIntensity, 70 * 60 / 100.0);

  // Degenerate inputs give zeros rather than a division by zero.
  for (const auto& [count, range] : std::vector<std::pair<std::int64_t, AnalysisRange>>{
           {3400, {500, 500}}, {0, {0, 0}}, {100, {0, 100}}, {3400, {5000, 9000}}}) {
    VoiceStatistics z;
    computeIntensityStatistics(columns, count, range, z);
    EXPECT_TRUE(std::isfinite(z.meanIntensity)) << count << " " << range.first;
  }
}

TEST(TimeShares, VoicedAndSpeechShares) {
  IntensityColumns columns = columnsOf(0);
  for (int c = 0; c < 85; ++c) columns[c] = 5;  // quiet but not silent
  for (int c = 85; c < 170; ++c) columns[c] = 40;
  const F0Contour f0 = contourOf({0, 120, 130, 0});

  TimeShares a = computeTimeShares(f0, columns, 3400, {0, 3400}, 10);
  EXPECT_DOUBLE_EQ(a.voiced, 0.5);
  EXPECT_DOUBLE_EQ(a.speech, 0.25);
  TimeShares b = computeTimeShares(f0, columns, 3400, {0, 3400}, 0);
  EXPECT_DOUBLE_EQ(b.speech, 0.5) << "threshold 0: every non-zero column is speech";

  TimeShares unvoiced = computeTimeShares(contourOf({0, 0, 0}), columns, 3400, {0, 3400}, 10);
  EXPECT_DOUBLE_EQ(unvoiced.voiced, 0);
  TimeShares empty = computeTimeShares(f0, columns, 3400, {1700, 1700}, 10);
  EXPECT_DOUBLE_EQ(empty.voiced, 1);
  EXPECT_DOUBLE_EQ(empty.speech, 1);
  TimeShares none = computeTimeShares(contourOf({}), columns, 0, {0, 0}, 10);
  EXPECT_TRUE(std::isfinite(none.voiced) && std::isfinite(none.speech));
}

}  // namespace
}  // namespace sonarel::core
