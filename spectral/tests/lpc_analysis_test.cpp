// SPDX-License-Identifier: GPL-3.0-or-later
#include "spectral/lpc_analysis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>
#include <vector>

namespace sonarel::spectral {
namespace {

// x[n] = 1.8 cos(θ) x[n-1] - 0.81 x[n-2] + e[n]: a known second-order resonator.
std::vector<float> resonatorNoise(double theta, std::size_t length) {
  std::mt19937 generator(7);
  std::normal_distribution<double> noise(0.0, 1.0);
  std::vector<float> x(length);
  double y1 = 0.0, y2 = 0.0;
  for (auto& value : x) {
    const double y = 1.8 * std::cos(theta) * y1 - 0.81 * y2 + noise(generator);
    y2 = y1;
    y1 = y;
    value = static_cast<float>(y);
  }
  return x;
}

TEST(LpcAnalysis, RecoversSecondOrderResonatorAndItsPeak) {
  const double theta = 2.0 * std::numbers::pi * 0.1;
  const auto x = resonatorNoise(theta, 20000);
  LpcFilter filter;
  const LpcResult result = LpcAnalysis(x.data(), x.size(), 2, filter);
  ASSERT_EQ(result.status, LpcStatus::Success);
  EXPECT_NEAR(filter.a[1], -1.8 * std::cos(theta), 0.02);
  EXPECT_NEAR(filter.a[2], 0.81, 0.02);
  EXPECT_GT(result.predictionError, 0.0);
  EXPECT_EQ(filter.numeratorOrder, 0);
  EXPECT_EQ(filter.b[0], 1.0);
  // The magnitude response peaks near the resonance.
  EXPECT_GT(LpcMagnitude(filter, 0.1), 5.0 * LpcMagnitude(filter, 0.3));
}

TEST(LpcAnalysis, RefusesSilenceAndCutsExcessiveOrders) {
  const std::vector<float> silence(512, 0.0f);
  LpcFilter filter;
  EXPECT_EQ(LpcAnalysis(silence.data(), silence.size(), 10, filter).status, LpcStatus::ZeroEnergy);

  const auto x = resonatorNoise(0.5, 2000);
  const LpcResult cut = LpcAnalysis(x.data(), x.size(), 150, filter);
  EXPECT_EQ(cut.status, LpcStatus::Unstable);
  EXPECT_EQ(filter.denominatorOrder, kMaxLpcOrder);
}

TEST(LpcMagnitude, IsOneForTheIdentityFilterAndLargeAtAZeroOfA) {
  LpcFilter identity;
  identity.b[0] = 1.0;
  EXPECT_DOUBLE_EQ(LpcMagnitude(identity, 0.2), 1.0);

  LpcFilter pole;  // A(z) = 1 - z^-1 vanishes at f = 0
  pole.b[0] = 1.0;
  pole.denominatorOrder = 1;
  pole.a[1] = -1.0;
  EXPECT_GE(LpcMagnitude(pole, 0.0), 1e10);
}

}  // namespace
}  // namespace sonarel::spectral
