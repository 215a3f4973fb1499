// SPDX-License-Identifier: GPL-3.0-or-later
// Windows, linear prediction, peak placement and sliding correlation against results known
// exactly.

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "dsp/linear_prediction.h"
#include "dsp/peaks.h"
#include "dsp/sliding_correlation.h"
#include "dsp/windows.h"

namespace sonarel::dsp {
namespace {

TEST(Windows, EndsCentresAndSymmetry) {
  // Hamming reaches 0.08 at both ends and 1 in the middle of an odd length.
  EXPECT_NEAR(hammingWeight(0, 101), 0.08, 1e-15);
  EXPECT_NEAR(hammingWeight(100, 101), 0.08, 1e-15);
  EXPECT_NEAR(hammingWeight(50, 101), 1.0, 1e-15);
  EXPECT_EQ(hammingWeight(0, 1), 1.0);
  // Open-ended Hann: no zero weight, the first sample one step in from the zero.
  EXPECT_NEAR(hannWithOpenEnds(0, 9), 0.5 - 0.5 * std::cos(2 * M_PI / 10), 1e-15);
  EXPECT_NEAR(hannWithOpenEnds(4, 9), 1.0, 1e-15);
  // Midpoint Hann of an even length has two equal middle samples and ends at sin^2(pi/2L).
  EXPECT_NEAR(hannAtMidpoints(0, 8), std::pow(std::sin(M_PI / 16), 2), 1e-15);
  for (std::size_t n = 0; n < 8; ++n) {
    EXPECT_NEAR(hannAtMidpoints(n, 8), hannAtMidpoints(7 - n, 8), 1e-15);
    EXPECT_NEAR(hannWithOpenEnds(n, 8), hannWithOpenEnds(7 - n, 8), 1e-15);
    EXPECT_NEAR(hammingWeight(n, 8), hammingWeight(7 - n, 8), 1e-15);
    EXPECT_GT(hannAtMidpoints(n, 8), 0.0);
    EXPECT_GT(hannWithOpenEnds(n, 8), 0.0);
  }
}

TEST(LinearPrediction, RecoversAKnownAutoregressiveProcess) {
  // x[n] = 1.3 x[n-1] - 0.6 x[n-2] + e[n]: A(z) = 1 - 1.3 z^-1 + 0.6 z^-2.
  std::mt19937 random(5);
  std::normal_distribution<double> noise(0.0, 1.0);
  std::vector<float> x(200000);
  double x1 = 0, x2 = 0;
  for (float& v : x) {
    const double next = 1.3 * x1 - 0.6 * x2 + noise(random);
    v = static_cast<float>(next);
    x2 = x1, x1 = next;
  }
  std::vector<double> r(3), a(3);
  autocorrelationLags(x, r);
  const Prediction p = levinsonDurbin(r, a);
  EXPECT_TRUE(p.stable);
  EXPECT_EQ(a[0], 1.0);
  EXPECT_NEAR(a[1], -1.3, 0.01);
  EXPECT_NEAR(a[2], 0.6, 0.01);
  EXPECT_NEAR(p.error / static_cast<double>(x.size()), 1.0, 0.02);  // the noise's variance
}

TEST(LinearPrediction, SilenceAndShortStretchesAreReportedNotDividedBy) {
  std::vector<double> r(4), a(4, 7.0);
  autocorrelationLags(std::vector<double>(10, 0.0), r);
  EXPECT_FALSE(levinsonDurbin(r, a).stable);
  EXPECT_EQ(a, (std::vector<double>{1, 0, 0, 0}));
  // Lags past a two-sample stretch are 0 and nothing is read beyond it.
  autocorrelationLags(std::vector<double>{2.0, 3.0}, r);
  EXPECT_EQ(r, (std::vector<double>{13, 6, 0, 0}));
}

TEST(ParabolicPeak, PlacesTheVertexAndStaysWithinHalfASample) {
  // y = 5 - (x - 0.3)^2 sampled at -1, 0, 1.
  auto y = [](double x) { return 5 - (x - 0.3) * (x - 0.3); };
  EXPECT_NEAR(parabolicPeakOffset(y(-1), y(0), y(1)), 0.3, 1e-15);
  EXPECT_EQ(parabolicPeakOffset(1, 2, 2), 0.5);   // a flat top: the midpoint
  EXPECT_EQ(parabolicPeakOffset(1, 1, 1), 0.0);   // no bend
  EXPECT_EQ(parabolicPeakOffset(2, 1, 2), 0.0);   // a minimum
  EXPECT_EQ(parabolicPeakOffset(0, 1, 10), 0.0);  // bends upwards overall
}

TEST(SlidingCorrelation, MatchesTheDefinitionAndPeaksAtThePeriod) {
  std::vector<float> x(400);
  for (std::size_t n = 0; n < x.size(); ++n) {
    const double phase = 2 * M_PI * double(n) / 40.0;  // a period of exactly 40 samples
    x[n] = static_cast<float>(std::sin(phase) + 0.5 * std::sin(3 * phase + 1));
  }
  const std::size_t length = 100, first = 20;
  std::vector<double> rho(60);
  slidingCorrelation(x, length, first, rho);
  std::size_t best = 0;
  for (std::size_t i = 0; i < rho.size(); ++i) {
    double dot = 0, e0 = 0, e1 = 0;
    for (std::size_t n = 0; n < length; ++n) {
      dot += double(x[n]) * x[n + first + i];
      e0 += double(x[n]) * x[n];
      e1 += double(x[n + first + i]) * x[n + first + i];
    }
    EXPECT_NEAR(rho[i], dot / std::sqrt(e0 * e1), 1e-12) << "lag " << first + i;
    if (rho[i] > rho[best]) best = i;
  }
  EXPECT_EQ(first + best, 40u);
  // A silent stretch correlates 0, not NaN.
  std::vector<float> silence(300, 0.0f);
  slidingCorrelation(silence, length, first, rho);
  for (double v : rho) EXPECT_EQ(v, 0.0);
}

}  // namespace
}  // namespace sonarel::dsp
