// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/sinc_interpolation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/brent_minimum.h"

namespace sonarel::core {
namespace {

std::vector<double> sampledCosine(double cyclesPerSample, double phase, int n) {
  std::vector<double> y(n);
  for (int i = 0; i < n; ++i) y[i] = std::cos(2 * M_PI * cyclesPerSample * (i - phase));
  return y;
}

TEST(InterpolateSinc, RecoversABandLimitedCurveBetweenItsSamples) {
  const std::vector<double> y = sampledCosine(0.05, 0.0, 400);
  for (int depth : {kSincDepth30, kSincDepth70, kSincDepth700}) {
    for (double x : {150.25, 200.5, 250.9}) {
      // Away from the ends the windowed kernel reproduces slow curves to about 1e-3.
      EXPECT_NEAR(interpolateSinc(y, x, depth), std::cos(2 * M_PI * 0.05 * x), 2e-3)
          << "depth " << depth << " at " << x;
    }
  }
}

TEST(InterpolateSinc, KeepsToTheSamplesThatExist) {
  const std::vector<double> y = {1.0, 2.0, 4.0};
  EXPECT_EQ(interpolateSinc(y, 1.0, 70), 2.0);   // a sample position
  EXPECT_EQ(interpolateSinc(y, -3.0, 70), 1.0);  // before the curve
  EXPECT_EQ(interpolateSinc(y, 9.0, 70), 4.0);   // after it
  EXPECT_EQ(interpolateSinc(y, std::nan(""), 70), 1.0);
  EXPECT_DOUBLE_EQ(interpolateSinc(y, 0.5, 70), 1.5);  // one neighbour each side: linear
  EXPECT_EQ(interpolateSinc({}, 0.5, 70), 0.0);
  const std::vector<double> one = {7.0};
  EXPECT_EQ(interpolateSinc(one, 0.5, 70), 7.0);
}

TEST(InterpolateSinc, EqualsTheWindowedSincSumAtEveryReach) {
  // The kernel as defined: sample i weighs sin(pi d) / (pi d) (1 + cos(pi d / (reach + 1/2))) / 2
  // at distance d = x - i, over reach samples on each side; reach shrinks near the ends.
  std::vector<double> y(60);
  for (std::size_t i = 0; i < y.size(); ++i) y[i] = std::sin(0.7 * i) + 0.3 * std::cos(2.9 * i);
  const auto definition = [&y](double x, long reach) {
    const long left = static_cast<long>(std::floor(x));
    double sum = 0;
    for (long i = left - reach + 1; i <= left + reach; ++i) {
      const double d = x - i;
      sum +=
          y[i] * std::sin(M_PI * d) / (M_PI * d) * 0.5 * (1 + std::cos(M_PI * d / (reach + 0.5)));
    }
    return sum;
  };
  for (int depth : {kSincDepth30, 9, 4}) {
    for (long left = 0; left < 59; ++left) {
      const double x = left + 0.13 * (1 + left % 6);
      const long reach = std::min<long>({depth, left + 1, 59 - left});
      if (reach < 2) continue;
      EXPECT_NEAR(interpolateSinc(y, x, depth), definition(x, reach), 1e-10)
          << "depth " << depth << " at " << x << " (reach " << reach << ")";
    }
  }
}

TEST(ImprovePeak, FindsAPeakBetweenSamples) {
  // A cosine of period 40 samples peaking at 100.3; its nearest sample is 100.
  const std::vector<double> y = sampledCosine(1.0 / 40, 100.3, 300);
  const Peak peak = improvePeak(y, 100, kSincDepth70);
  EXPECT_NEAR(peak.position, 100.3, 1e-3);
  EXPECT_NEAR(peak.value, 1.0, 1e-3);
  EXPECT_EQ(improvePeak(y, 0, kSincDepth70).value, y[0]);
  EXPECT_EQ(improvePeak(y, 299, kSincDepth70).value, y[299]);
}

TEST(MinimizeBrent, FindsTheMinimumOfSmoothAndKinkedFunctions) {
  Minimum m = minimizeBrent([](double x) { return (x - 0.3) * (x - 0.3) + 2; }, -1, 1, 1e-10);
  EXPECT_NEAR(m.x, 0.3, 1e-8);
  EXPECT_NEAR(m.value, 2.0, 1e-12);
  m = minimizeBrent([](double x) { return std::fabs(x - 1.7); }, 3, 0, 1e-10);  // reversed
  EXPECT_NEAR(m.x, 1.7, 1e-8);
  m = minimizeBrent([](double x) { return x; }, 0, 1, 1e-10);  // at an end of the bracket
  EXPECT_NEAR(m.x, 0.0, 1e-8);
}

}  // namespace
}  // namespace sonarel::core
