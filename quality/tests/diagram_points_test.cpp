// SPDX-License-Identifier: GPL-3.0-or-later
// The diagram's points and segment means, and where whole recordings land on the diagram
// after pulse detection, segmentation and analysis: synthetic voices inside or outside the
// normal area, and sounds without a periodic voice far out (or nowhere).

#include "quality/diagram_points.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "quality/frame_timing.h"
#include "quality/normal_area.h"
#include "quality/segment_table.h"
#include "quality/tests/synthetic_vowel.h"

namespace sonarel::quality {
namespace {

constexpr int kRate = 44100;

SegmentResult segment(std::int32_t start, std::vector<float> irregularity,
                      std::vector<float> noise) {
  SegmentResult s;
  s.start = start;
  s.resizeFrames(static_cast<std::int32_t>(irregularity.size()));
  s.values(Measure::Irregularity) = irregularity;
  s.values(Measure::Noise) = noise;
  return s;
}

TEST(DiagramPoints, FramesInsideTheRangeInTimeOrderAndTheirMean) {
  // Three frames of 333 ms from 1000.
  const SegmentResult s = segment(1000, {1, 2, 6}, {0.5f, 1, 3});
  const double span = frameSpanSamples(3);
  std::vector<DiagramPoint> points = segmentPoints(s);
  ASSERT_EQ(points.size(), 3u);
  EXPECT_DOUBLE_EQ(points[2].irregularity, 6);
  EXPECT_DOUBLE_EQ(points[2].noise, 3);
  auto mean = meanPoint(points);
  ASSERT_TRUE(mean);
  EXPECT_DOUBLE_EQ(mean->irregularity, 3);
  EXPECT_DOUBLE_EQ(mean->noise, 1.5);

  points = segmentPoints(s, 1000 + span, 1000 + 3 * span);  // the last two frames
  ASSERT_EQ(points.size(), 2u);
  EXPECT_DOUBLE_EQ(meanPoint(points)->irregularity, 4);

  // Narrower than one frame: nothing, and no mean.
  EXPECT_TRUE(segmentPoints(s, 1000, 1000 + span - 1).empty());
  EXPECT_FALSE(meanPoint({}));
  // A segment whose arrays disagree with its frame count gives nothing rather than reading
  // past them.
  SegmentResult damaged = s;
  damaged.values(Measure::Noise).pop_back();
  EXPECT_TRUE(segmentPoints(damaged).empty());
}

core::SampleBuffer recording(std::vector<std::int16_t> samples) {
  core::SampleBuffer buffer;
  buffer.samples = std::move(samples);
  buffer.format = core::pcm16MonoFormat(kRate);
  buffer.kind = core::FileKind::VocalQuality;
  return buffer;
}

SegmentTable analysed(std::vector<std::int16_t> samples) {
  core::SampleBuffer buffer = recording(std::move(samples));
  SegmentTable table;
  VocalQualitySettings settings;
  settings.useCache = false;
  EXPECT_FALSE(analyseVocalQuality(buffer, table, settings).refused);
  return table;
}

std::vector<std::int16_t> padded(std::vector<std::int16_t> sound) {
  std::vector<std::int16_t> out(kRate / 5, 0);
  out.insert(out.end(), sound.begin(), sound.end());
  out.resize(out.size() + kRate / 5, 0);
  return out;
}

std::vector<std::int16_t> noise(double seconds, double level, unsigned seed) {
  std::mt19937 random(seed);
  std::normal_distribution<double> normal(0, level);
  std::vector<std::int16_t> x(static_cast<std::size_t>(seconds * kRate));
  for (auto& v : x) v = static_cast<std::int16_t>(std::clamp(normal(random), -32767.0, 32767.0));
  return x;
}

std::vector<std::int16_t> tone(double seconds, double hz) {
  std::vector<std::int16_t> x(static_cast<std::size_t>(seconds * kRate));
  for (std::size_t n = 0; n < x.size(); ++n)
    x[n] = static_cast<std::int16_t>(12000 * std::sin(2 * M_PI * hz * n / kRate));
  return x;
}

// Sounds without a periodic voice are analysed, and every frame they give is placed where it
// belongs, outside the normal area on the irregularity axis: a frame without measurable
// cycles sits at irregularity 10, and the spurious cycles found in noise are too irregular
// to come within the normal limit. Broadband noise also lies high on the noise axis (GNE near
// 0); a whisper's resonances can make its band envelopes agree, so its noise is not pinned.
// Clicks in silence give no segment at all.
TEST(DiagramTrust, SoundsWithoutAPeriodicVoiceStayOutsideTheNormalArea) {
  std::vector<std::int16_t> clicks(2 * kRate, 0);
  for (std::size_t n = 0; n < clicks.size(); n += kRate / 10) clicks[n] = 20000;
  EXPECT_EQ(analysed(clicks).segmentCount(), 0) << "clicks in silence";

  const struct {
    const char* name;
    std::vector<std::int16_t> samples;
    bool broadband;
  } sounds[] = {{"white noise", noise(1.5, 6000, 3), true},
                {"noise burst", padded(noise(0.8, 8000, 4)), true},
                {"whisper", padded(testing::syntheticVowel(testing::whisperedVowel())), false}};
  for (const auto& sound : sounds) {
    SCOPED_TRACE(sound.name);
    const SegmentTable table = analysed(sound.samples);
    ASSERT_GT(table.segmentCount(), 0) << "the analysis returns frames for it";
    for (const SegmentResult& s : table.segments) {
      const std::vector<DiagramPoint> points = segmentPoints(s);
      for (std::size_t k = 0; k < points.size(); ++k) {
        const DiagramPoint& p = points[k];
        EXPECT_GT(p.irregularity, 4.75) << "beyond the normal limit";
        if (s.value(Measure::F0, static_cast<int>(k)) == 0) {
          EXPECT_EQ(p.irregularity, 10.0);
        }
        if (sound.broadband) {
          EXPECT_GE(p.noise, 3.5);
        }
        EXPECT_FALSE(inNormalArea(p.irregularity, p.noise));
      }
      const std::optional<DiagramPoint> mean = meanPoint(points);
      ASSERT_TRUE(mean);
      EXPECT_FALSE(inNormalArea(mean->irregularity, mean->noise));
    }
  }
}

// A pure tone is periodic and measured as such: no irregularity. (Where it lies on the noise
// axis depends on the recording's noise floor, since a sine excites one band only.)
TEST(DiagramTrust, APureToneIsMeasuredAsPerfectlyRegular) {
  const SegmentTable table = analysed(padded(tone(2.0, 200)));
  ASSERT_EQ(table.segmentCount(), 1);
  for (const DiagramPoint& p : segmentPoints(table.segments[0])) EXPECT_LT(p.irregularity, 0.5);
}

TEST(DiagramTrust, SyntheticVoicesLandOnTheirSideOfTheNormalArea) {
  const struct {
    const char* name;
    testing::VowelRecipe recipe;
    bool normal;
  } voices[] = {{"healthy-like", testing::healthyLikeVowel(), true},
                {"rough", testing::roughVowel(), false},
                {"breathy", testing::breathyVowel(), false}};
  for (const auto& voice : voices) {
    SCOPED_TRACE(voice.name);
    testing::VowelRecipe recipe = voice.recipe;
    recipe.seconds = 1.5;
    const SegmentTable table = analysed(padded(testing::syntheticVowel(recipe)));
    ASSERT_EQ(table.segmentCount(), 1);
    const std::optional<DiagramPoint> mean = meanPoint(segmentPoints(table.segments[0]));
    ASSERT_TRUE(mean);
    EXPECT_EQ(inNormalArea(mean->irregularity, mean->noise), voice.normal)
        << "irregularity " << mean->irregularity << ", noise " << mean->noise;
  }
}

}  // namespace
}  // namespace sonarel::quality
