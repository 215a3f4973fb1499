// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/intensity.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace sonarel::core {
namespace {

TEST(IntensityGeometry, WindowAndStepRoundHalvesUp) {
  struct Row {
    FileKind kind;
    double rate;
    std::int64_t window, step;
  } rows[] = {
      {FileKind::VoiceAnalysis, 11025, 5, 3}, {FileKind::VoiceAnalysis, 22050, 10, 6},
      {FileKind::VoiceAnalysis, 8000, 4, 2},  {FileKind::VocalQuality, 44100, 22, 11},
      {FileKind::VoiceAnalysis, 100, 1, 1},   {FileKind::VoiceAnalysis, 0, 1, 1},
  };
  for (const Row& row : rows) {
    const IntensityGeometry g = intensityGeometry(row.kind, row.rate);
    EXPECT_EQ(g.window, row.window) << row.rate;
    EXPECT_EQ(g.step, row.step) << row.rate;
  }
}

TEST(ComputeIntensity, FullScaleAndSilenceGiveTheirKnownLevels) {
  struct Row {
    FileKind kind;
    double rate;
    std::int16_t value;
    double db;  // 10 log10(32767^2 * window sum): sums 2.24 (5 points) and 11.42 (22 points)
  } rows[] = {
      {FileKind::VoiceAnalysis, 11025, 32767, 93.8},
      {FileKind::VocalQuality, 44100, 32767, 100.9},
      {FileKind::VoiceAnalysis, 11025, 0, 0.0},
  };
  for (const Row& row : rows) {
    const std::vector<std::int16_t> samples(static_cast<std::size_t>(row.rate), row.value);
    const IntensityContour contour = computeIntensity(samples, row.rate, row.kind);
    ASSERT_GT(contour.frameCount(), 0);
    for (float v : contour.values) ASSERT_NEAR(v, row.db, 0.05) << row.rate << " " << row.value;
    if (row.value == 0) {
      EXPECT_EQ(contour.values[0], 0.0f) << "exactly 0 dB";
    }
  }
}

TEST(ComputeIntensity, FrameCountFollowsTheWindowAndStep) {
  struct Row {
    std::size_t samples;
    std::int32_t frames;
  } rows[] = {{11025, 3674}, {0, 0}, {1, 0}, {4, 0}, {5, 1}, {7, 1}, {8, 2}};
  for (const Row& row : rows) {
    const std::vector<std::int16_t> samples(row.samples, 100);
    EXPECT_EQ(computeIntensity(samples, 11025, FileKind::VoiceAnalysis).frameCount(), row.frames)
        << row.samples;
  }
  const std::vector<std::int16_t> one = {5};
  EXPECT_EQ(computeIntensity(one, 1000, FileKind::VoiceAnalysis).frameCount(), 1)
      << "a one-point window at a very low rate";
}

IntensityContour ramp(int frames) {
  IntensityContour contour;
  for (int i = 0; i < frames; ++i) contour.values.push_back(static_cast<float>(i));
  return contour;
}

TEST(IntensityColumns, AverageWholeFramesOrTakeSingleOnes) {
  const IntensityColumns few = intensityColumns(ramp(200));  // f = 0.588: single values
  for (int c = 0; c < kIntensityColumns; ++c) {
    ASSERT_EQ(few[c], std::floor(c * 200.0 / 340)) << c;
  }
  const IntensityColumns pairs = intensityColumns(ramp(680));  // f = 2: pairs averaged
  for (int c = 0; c < kIntensityColumns; ++c) ASSERT_EQ(pairs[c], 2 * c + 0.5f) << c;
  // f = 10.8: 11 values from floor(c f) on, and their mean; a constant stays constant.
  const IntensityColumns uneven = intensityColumns(ramp(3674));
  const double f = 3674.0 / 340;
  EXPECT_FLOAT_EQ(uneven[0], 5.0f);
  EXPECT_FLOAT_EQ(uneven[339], static_cast<float>(std::floor(339 * f) + 5));
  IntensityContour flat;
  flat.values.assign(347, 60.0f);  // f = 1.02: two values per column
  for (float v : intensityColumns(flat)) ASSERT_FLOAT_EQ(v, 60.0f);
  const IntensityColumns none = intensityColumns({});
  for (float v : none) ASSERT_EQ(v, 0.0f);
}

TEST(ValidateIntensitySettings, LowThenHigh) {
  struct Row {
    int low, high;
    const char* message;
  } rows[] = {
      {10, 100, nullptr},
      {0, 70, nullptr},
      {60, 140, nullptr},
      {61, 100, "Low Limit: 0 to 60 dB"},
      {-1, 100, "Low Limit: 0 to 60 dB"},
      {61, 69, "Low Limit: 0 to 60 dB"},
      {10, 69, "High Limit: 70 to 140 dB"},
      {10, 141, "High Limit: 70 to 140 dB"},
  };
  for (const Row& row : rows) {
    const auto refused = validateIntensitySettings({row.low, row.high});
    if (!row.message) {
      EXPECT_FALSE(refused) << row.low << " " << row.high;
    } else {
      ASSERT_TRUE(refused) << row.low << " " << row.high;
      EXPECT_EQ(Message{*refused}.text(), row.message);
    }
  }
  EXPECT_EQ(IntensitySettings{}, (IntensitySettings{10, 100}));
}

}  // namespace
}  // namespace sonarel::core
