// SPDX-License-Identifier: GPL-3.0-or-later
// The segment analysis on synthetic vowels whose perturbation is known (synthetic_vowel.h).
// The bands are those the measures' definitions predict for each stimulus, widened by what
// a 1.5-s, fixed-seed sample of random perturbation scatters; each says why it is what it is.

#include "quality/analysis/analyse_segment.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "quality/normal_area.h"
#include "quality/tests/synthetic_vowel.h"

namespace sonarel::quality {
namespace {

using sonarel::testing::syntheticVowel;
using sonarel::testing::VowelRecipe;

// Mean of one measure over the frames of a segment.
double mean(const SegmentResult& r, Measure m) {
  double sum = 0;
  for (float v : r.values(m)) sum += v;
  return r.frameCount ? sum / r.frameCount : 0.0;
}

SegmentResult analyse(const VowelRecipe& recipe) {
  auto result = measureSegment(syntheticVowel(recipe), 44100);
  EXPECT_TRUE(result.has_value());
  return result.value_or(SegmentResult{});
}

VowelRecipe vowel(double f0, double jitter, double shimmer, double snrDb) {
  VowelRecipe r;
  r.f0Hz = f0;
  r.jitter = jitter;
  r.shimmer = shimmer;
  r.snrDb = snrDb;
  r.seconds = 1.5;
  return r;
}

constexpr double kClean = std::numeric_limits<double>::infinity();

TEST(SegmentAnalysis, PeriodicVowelsAreMeasuredToAFractionOfASample) {
  for (double f0 : {120.0, 220.0}) {
    SCOPED_TRACE(f0);
    const SegmentResult r = analyse(vowel(f0, 0, 0, kClean));
    ASSERT_EQ(r.frameCount, 5);
    for (int k = 0; k < r.frameCount; ++k) {
      SCOPED_TRACE(k);
      // Whole-sample marks alone would give about 0.08 % at 120 Hz.
      EXPECT_LT(r.value(Measure::Jitter, k), 0.02);
      EXPECT_LT(r.value(Measure::Shimmer, k), 1.0);
      EXPECT_NEAR(r.value(Measure::F0, k), f0, f0 * 0.001);
      EXPECT_GT(r.value(Measure::Correlation, k), 0.99);
      EXPECT_GT(r.value(Measure::Gne, k), 0.85);
      EXPECT_LT(r.value(Measure::Irregularity, k), 0.5);
    }
  }
}

TEST(SegmentAnalysis, JitterSweepRaisesPpqInProportionAndLeavesGneAlone) {
  const double clean = mean(analyse(vowel(120, 0, 0, kClean)), Measure::Gne);
  double previous = 0;
  for (double sigma : {0.005, 0.01, 0.02, 0.04}) {
    SCOPED_TRACE(sigma);
    const SegmentResult r = analyse(vowel(120, sigma, 0, kClean));
    const double ppq = mean(r, Measure::Jitter);
    // White period noise of relative SD s gives PPQ5 of about 0.71 s.
    EXPECT_GE(ppq, 0.45 * sigma * 100);
    EXPECT_LE(ppq, 0.9 * sigma * 100);
    EXPECT_GT(ppq, previous);
    EXPECT_NEAR(mean(r, Measure::Gne), clean, 0.1);
    EXPECT_NEAR(mean(r, Measure::F0), 120, 0.6);
    previous = ppq;
  }
}

TEST(SegmentAnalysis, ShimmerSweepRaisesEpqAndLeavesPpqAlone) {
  double previous = 0;
  for (double sigma : {0.02, 0.05, 0.10, 0.20}) {
    SCOPED_TRACE(sigma);
    const SegmentResult r = analyse(vowel(120, 0, sigma, kClean));
    const double epq = mean(r, Measure::Shimmer);
    // Cycle energy goes with the square of the amplitude, which the ringing of the tract
    // partly carries over to the next cycle: about 1.0 to 1.35 times the amplitude's SD.
    EXPECT_GE(epq, 0.6 * sigma * 100);
    EXPECT_LE(epq, 1.5 * sigma * 100);
    EXPECT_GT(epq, previous);
    EXPECT_LT(mean(r, Measure::Jitter), 0.1);
    previous = epq;
  }
}

TEST(SegmentAnalysis, NoiseSweepLowersGneAndCorrelationAndRaisesNoise) {
  double previousGne = 2, previousNoise = -1;
  for (double snr : {40.0, 30.0, 20.0, 10.0}) {
    SCOPED_TRACE(snr);
    const SegmentResult r = analyse(vowel(120, 0, 0, snr));
    const double gne = mean(r, Measure::Gne), noise = mean(r, Measure::Noise);
    EXPECT_LT(gne, previousGne);
    EXPECT_GT(noise, previousNoise);
    // Identical cycles plus independent noise at linear SNR s correlate as s / (1 + s).
    const double s = std::pow(10.0, snr / 10);
    EXPECT_NEAR(mean(r, Measure::Correlation), s / (1 + s), 0.02);
    previousGne = gne;
    previousNoise = noise;
  }
}

TEST(SegmentAnalysis, HealthyVoiceIsNormalAndRoughOrBreathyVoicesAreNot) {
  struct Row {
    const char* name;
    VowelRecipe recipe;
    bool normal;
  };
  const Row rows[] = {{"healthy-like", testing::healthyLikeVowel(), true},
                      {"rough", testing::roughVowel(), false},
                      {"breathy", testing::breathyVowel(), false}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const SegmentResult r = analyse(row.recipe);
    const double irregularity = mean(r, Measure::Irregularity), noise = mean(r, Measure::Noise);
    EXPECT_EQ(inNormalArea(irregularity, noise), row.normal)
        << "irregularity " << irregularity << ", noise " << noise;
  }
}

TEST(SegmentAnalysis, AxesStayOnTheirScalesEvenForNoiseAndNearSilence) {
  std::vector<std::vector<std::int16_t>> inputs;
  VowelRecipe r = vowel(120, 0, 0, kClean);
  r.seconds = 0.8;
  inputs.push_back(syntheticVowel(r));
  std::mt19937 random(5);
  std::normal_distribution<double> normal(0, 3000);
  std::vector<std::int16_t> noise(35280), whisper(35280), silence(35280, 0);
  for (auto& v : noise) v = static_cast<std::int16_t>(std::lround(normal(random)));
  for (auto& v : whisper) v = static_cast<std::int16_t>(std::lround(normal(random) / 3000));
  inputs.insert(inputs.end(), {noise, whisper, silence});
  for (std::size_t i = 0; i < inputs.size(); ++i) {
    SCOPED_TRACE(i);
    auto result = measureSegment(inputs[i], 44100);
    ASSERT_TRUE(result);
    for (int k = 0; k < result->frameCount; ++k) {
      const float irr = result->value(Measure::Irregularity, k);
      const float noiseAxis = result->value(Measure::Noise, k);
      EXPECT_GE(irr, 0);
      EXPECT_LE(irr, 10);
      EXPECT_GE(noiseAxis, 0);
      EXPECT_LE(noiseAxis, 5);
      for (Measure m : kAllMeasures) EXPECT_TRUE(std::isfinite(result->value(m, k)));
    }
  }
}

TEST(SegmentAnalysis, InvertedPolarityGivesTheSameResult) {
  for (VowelRecipe r : {testing::healthyLikeVowel(), testing::roughVowel()}) {
    r.seconds = 1.0;
    const SegmentResult upright = analyse(r);
    r.invert = true;
    EXPECT_EQ(analyse(r), upright);
  }
}

TEST(SegmentAnalysis, FindsF0AcrossTheVoiceRangeWithoutOctaveErrors) {
  for (double f0 : {70.0, 100.0, 160.0, 300.0, 500.0, 800.0}) {
    SCOPED_TRACE(f0);
    VowelRecipe r = vowel(f0, 0.002, 0.02, 35);
    r.seconds = 0.8;
    const SegmentResult result = analyse(r);
    for (int k = 0; k < result.frameCount; ++k) {
      EXPECT_NEAR(result.value(Measure::F0, k), f0, f0 * 0.01) << "frame " << k;
    }
  }
}

TEST(SegmentAnalysisContract, FramesFollowTheSegmentLength) {
  struct Row {
    double milliseconds;
    int frames;
  };
  // floor(L / 250 ms) - 1: one frame from just over 500 ms, two from 750 ms.
  for (const Row row : {Row{501, 1}, Row{749, 1}, Row{750, 2}, Row{1000, 3}}) {
    SCOPED_TRACE(row.milliseconds);
    VowelRecipe r = vowel(150, 0, 0, kClean);
    r.seconds = row.milliseconds / 1000;
    const auto samples = syntheticVowel(r);
    SegmentResult result;
    result.start = 7;
    result.length = static_cast<std::int32_t>(samples.size());
    ASSERT_EQ(analyseSegment(samples.data(), result.length, 44100, nullptr, &result, 0),
              kSegmentAnalysed);
    EXPECT_EQ(result.frameCount, row.frames);
    EXPECT_TRUE(result.consistent());
    EXPECT_EQ(result.start, 7) << "start and length are the caller's";
  }
}

TEST(SegmentAnalysisContract, RefusesWhatItCannotAnalyseAndLeavesNoFrames) {
  const auto samples = syntheticVowel(vowel(150, 0, 0, kClean));
  SegmentResult result;
  result.resizeFrames(4);  // left over from an earlier use of the slot
  EXPECT_EQ(analyseSegment(samples.data(), 22049, 44100, nullptr, &result, 0), kSegmentNotAnalysed);
  EXPECT_EQ(result.frameCount, 0);
  EXPECT_TRUE(result.consistent());
  EXPECT_EQ(analyseSegment(samples.data(), 30000, 22050, nullptr, &result, 0), kSegmentNotAnalysed);
  EXPECT_EQ(analyseSegment(nullptr, 30000, 44100, nullptr, &result, 0), kSegmentNotAnalysed);
  EXPECT_EQ(analyseSegment(samples.data(), -5, 44100, nullptr, &result, 0), kSegmentNotAnalysed);
  EXPECT_EQ(analyseSegment(samples.data(), 30000, 44100, nullptr, nullptr, 0), kSegmentNotAnalysed);
}

}  // namespace
}  // namespace sonarel::quality
