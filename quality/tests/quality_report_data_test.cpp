// SPDX-License-Identifier: GPL-3.0-or-later
// The numbers the report and the diagram draw: averages over a range, gauge colours and
// bars, the normal area.

#include <gtest/gtest.h>

#include "quality/normal_area.h"
#include "quality/quality_averages.h"
#include "quality/quality_gauges.h"

namespace sonarel::quality {
namespace {

SegmentResult segment(std::int32_t start, std::vector<float> irregularity,
                      std::vector<float> noise) {
  SegmentResult s;
  s.start = start;
  s.resizeFrames(static_cast<std::int32_t>(irregularity.size()));
  s.values(Measure::Irregularity) = irregularity;
  s.values(Measure::Noise) = noise;
  s.values(Measure::Jitter).assign(irregularity.size(), 0.5f);
  return s;
}

TEST(QualityAverages, MeanOfSegmentMeansWhateverTheirFrameCounts) {
  const std::vector<SegmentResult> segments = {segment(0, {2, 2, 2, 2, 2, 2}, {1, 1, 1, 1, 1, 1}),
                                               segment(200000, {3, 5}, {2, 4})};
  const QualityAverages a = averageQualityMeasures(segments, 0, 1e9);
  EXPECT_EQ(a.segmentsUsed, 2);
  EXPECT_FLOAT_EQ(a.irregularity, 3.0f);
  EXPECT_FLOAT_EQ(a.noise, 2.0f);
  EXPECT_FLOAT_EQ(a.jitter, 0.5f);
  // Spreads: 0 and 1 for each, averaged over the two segments.
  EXPECT_FLOAT_EQ(a.irregularitySd, 0.5f);
  EXPECT_FLOAT_EQ(a.noiseSd, 0.5f);
}

TEST(QualityAverages, ZerosCountInMeansButNotInSpreads) {
  // Second segment: noise all 0 -> mean 0, no spread; irregularity has one non-zero value
  // -> spread 0. Both segments count.
  const std::vector<SegmentResult> segments = {segment(0, {1, 3}, {2, 4}),
                                               segment(100000, {0, 6}, {0, 0})};
  const QualityAverages a = averageQualityMeasures(segments, 0, 1e9);
  EXPECT_EQ(a.segmentsUsed, 2);
  EXPECT_FLOAT_EQ(a.noise, 1.5f);
  EXPECT_FLOAT_EQ(a.noiseSd, 0.5f);
  EXPECT_FLOAT_EQ(a.irregularity, 2.5f);
  EXPECT_FLOAT_EQ(a.irregularitySd, 0.5f);
}

TEST(QualityAverages, OnlyFramesWhollyInsideTheRangeCount) {
  // Two frames of 375 ms = 16537.5 samples from 1000.
  const std::vector<SegmentResult> segments = {segment(1000, {2, 8}, {1, 1})};
  QualityAverages a = averageQualityMeasures(segments, 1000, 1000 + 16537.5);
  EXPECT_EQ(a.segmentsUsed, 1);
  EXPECT_FLOAT_EQ(a.irregularity, 2.0f);
  a = averageQualityMeasures(segments, 1000, 1000 + 16537);  // narrower than one frame
  EXPECT_EQ(a.segmentsUsed, 0);
  EXPECT_EQ(a.irregularity, 0.0f);
  EXPECT_EQ(averageQualityMeasures({}, 0, 1e9).segmentsUsed, 0);
}

TEST(QualityGauges, ColoursAtAndAroundEachLimit) {
  struct Row {
    Gauge gauge;
    double value;
    GaugeColour colour;
  };
  const Row rows[] = {
      {Gauge::Jitter, 0.6, GaugeColour::Red},
      {Gauge::Jitter, 0.59, GaugeColour::Green},
      {Gauge::Shimmer, 6.5, GaugeColour::Green},
      {Gauge::Shimmer, 6.51, GaugeColour::Red},
      {Gauge::Irregularity, 4.75, GaugeColour::Green},
      {Gauge::Irregularity, 4.76, GaugeColour::Red},
      {Gauge::Noise, 2.5, GaugeColour::Red},
      {Gauge::Noise, 2.49, GaugeColour::Green},
      {Gauge::Gne, 0.5, GaugeColour::Red},
      {Gauge::Gne, 0.51, GaugeColour::Green},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(gaugeColour(row.gauge, row.value), row.colour)
        << "gauge " << static_cast<int>(row.gauge) << " at " << row.value;
  }
  EXPECT_EQ(gaugeRgb(GaugeColour::Green), (Rgb{0, 255, 0}));
  EXPECT_EQ(gaugeRgb(GaugeColour::Red), (Rgb{255, 0, 0}));
}

TEST(QualityGauges, OnlyJitterAndShimmerBarsAreCapped) {
  GaugeBar bar = gaugeBar(Gauge::Jitter, 4.0);
  EXPECT_DOUBLE_EQ(bar.fraction, 1.02);
  EXPECT_TRUE(bar.overflow);
  bar = gaugeBar(Gauge::Shimmer, 10.0);
  EXPECT_DOUBLE_EQ(bar.fraction, 0.5);
  EXPECT_FALSE(bar.overflow);
  bar = gaugeBar(Gauge::Irregularity, 12.0);
  EXPECT_DOUBLE_EQ(bar.fraction, 1.2);
  EXPECT_FALSE(bar.overflow);
  EXPECT_EQ(gaugeLayout(Gauge::Shimmer).labels[1], "6.5");
  EXPECT_EQ(gaugeLayout(Gauge::Gne).top, 290);
}

TEST(NormalArea, CornersAndTheRoundedEdge) {
  struct Row {
    double irregularity, noise;
    bool inside;
  };
  const Row rows[] = {{4.75, 1.2, true},  {4.75, 2.5, false}, {3.5, 2.5, true},
                      {4.75, 1.25, true}, {3.375, 2.5, true}, {4.7, 2.2, false},
                      {0, 0, true},       {4.8, 0.5, false},  {1, 2.6, false}};
  for (const Row& row : rows) {
    EXPECT_EQ(inNormalArea(row.irregularity, row.noise), row.inside)
        << row.irregularity << ", " << row.noise;
  }
}

}  // namespace
}  // namespace sonarel::quality
