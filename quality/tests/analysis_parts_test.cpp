// SPDX-License-Identifier: GPL-3.0-or-later
// The building blocks of the segment analysis, each against a result known exactly.

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <random>

#include "quality/analysis/axis_mapping.h"
#include "quality/analysis/downsample_to_10k.h"
#include "quality/analysis/gne.h"
#include "quality/analysis/lpc_residual.h"
#include "quality/analysis/perturbation_quotient.h"

namespace sonarel::quality {
namespace {

TEST(PerturbationQuotient, MeasuresDeviationFromTheLocalMeanRunByRun) {
  // 10, 12, 10, 12, ...: each inner value lies 4/3 from the mean of it and its neighbours
  // (10.667 or 11.333), over a mean of 11 -> 12.12 %.
  PerturbationQuotient rap(3);
  rap.addRun(std::vector<double>{10, 12, 10, 12, 10, 12});
  ASSERT_TRUE(rap.percent());
  EXPECT_NEAR(*rap.percent(), 100 * (4.0 / 3) / 11, 1e-9);
  // A run shorter than K adds nothing, so a jump between runs is never counted.
  rap.addRun(std::vector<double>{100, 1});
  EXPECT_NEAR(*rap.percent(), 100 * (4.0 / 3) / 11, 1e-9);
  PerturbationQuotient none(5);
  none.addRun(std::vector<double>{1, 2, 3, 4});
  EXPECT_FALSE(none.percent());
}

TEST(AxisMapping, AnchorsAndScaleEnds) {
  EXPECT_DOUBLE_EQ(logScore(0.6, kAxisMapping.jitterPercent), 4.75);
  EXPECT_DOUBLE_EQ(logScore(6.5, kAxisMapping.shimmerPercent), 4.75);
  EXPECT_DOUBLE_EQ(logScore(0.05, kAxisMapping.jitterPercent), 0);
  EXPECT_DOUBLE_EQ(logScore(0, kAxisMapping.jitterPercent), 0);
  EXPECT_DOUBLE_EQ(logScore(1000, kAxisMapping.jitterPercent), 10);
  EXPECT_NEAR(irregularityAxis(0.6, 6.5, 0.95), 4.75, 1e-9);
  EXPECT_EQ(irregularityAxis(std::nullopt, 1.0, 0.99), 10);  // no measurable cycles
  // GNE's normal limit 0.5 is noise's normal limit 2.5.
  EXPECT_DOUBLE_EQ(noiseAxis(0.5), 2.5);
  EXPECT_DOUBLE_EQ(noiseAxis(1.2), 0);
  EXPECT_DOUBLE_EQ(noiseAxis(-0.5), 5);
}

TEST(Downsample, KeepsTheVoiceBandAndRemovesWhatWouldAlias) {
  auto amplitudeAt = [](double hz) {
    std::vector<float> x(44100);
    for (std::size_t n = 0; n < x.size(); ++n) x[n] = std::sin(2 * M_PI * hz * n / 44100.0);
    const std::vector<float> y = downsample44100To10000(x);
    EXPECT_EQ(y.size(), 10000u);
    double power = 0;
    for (std::size_t m = 1000; m < 9000; ++m) power += y[m] * y[m];
    return std::sqrt(2 * power / 8000);
  };
  EXPECT_NEAR(amplitudeAt(1000), 1.0, 0.01);
  EXPECT_NEAR(amplitudeAt(3000), 1.0, 0.02);
  EXPECT_LT(amplitudeAt(7000), 0.01);  // would fold to 3 kHz
}

TEST(LpcResidual, WhitensAResonanceAndStaysSilentOnSilence) {
  // A pulse train through one sharp resonance: the residual keeps the pulses and loses
  // most of the ringing between them.
  std::vector<float> x(5000, 0.0f);
  double y1 = 0, y2 = 0;
  for (std::size_t n = 0; n < x.size(); ++n) {
    const double in = n % 100 == 0 ? 1.0 : 0.0;
    const double y = in + 1.8 * std::cos(2 * M_PI * 0.07) * y1 - 0.81 * y2;
    y2 = y1;
    y1 = y;
    x[n] = static_cast<float>(y);
  }
  const std::vector<float> e = lpcResidual(x, 10000);
  double atPulses = 0, between = 0;
  for (std::size_t n = 500; n < 4500; ++n) (n % 100 == 0 ? atPulses : between) += e[n] * e[n];
  EXPECT_GT(atPulses, 10 * between);
  const std::vector<float> quiet = lpcResidual(std::vector<float>(3000, 0.0f), 10000);
  for (float v : quiet) ASSERT_EQ(v, 0.0f);
}

TEST(Gne, PulsesExciteAllBandsTogetherAndNoiseDoesNot) {
  std::vector<float> pulses(5000, 0.0f), noise(5000);
  for (std::size_t n = 0; n < pulses.size(); n += 83) pulses[n] = 1.0f;
  std::mt19937 random(9);
  std::normal_distribution<float> normal(0, 1);
  for (float& v : noise) v = normal(random);
  EXPECT_GT(gneOfResidual(pulses), 0.95);
  EXPECT_LT(gneOfResidual(noise), 0.2);
  EXPECT_EQ(gneOfResidual(std::vector<float>(5000, 0.0f)), 0.0);
}

}  // namespace
}  // namespace sonarel::quality
