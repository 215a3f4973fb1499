// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Linear prediction by the autocorrelation method (Levinson–Durbin recursion in double
// precision) and the magnitude response of the resulting all-pole filter.

#include <array>
#include <cstddef>

namespace sonarel::spectral {

inline constexpr int kMaxLpcOrder = 100;

// B(z) / A(z) with A(z) = 1 + sum a[k] z^-k. The analysis always leaves B(z) = 1.
struct LpcFilter {
  int numeratorOrder = 0;
  std::array<double, kMaxLpcOrder + 1> b{};  // b[0..numeratorOrder]
  int denominatorOrder = 0;
  std::array<double, kMaxLpcOrder + 1> a{};  // a[1..denominatorOrder]; a[0] unused
};

enum class LpcStatus {
  Success = 0,
  ZeroEnergy = 1,  // the signal is all zeros: no recursion was run
  Unstable = 2,    // order above 100, or the prediction error reached zero or below
};

struct LpcResult {
  LpcStatus status = LpcStatus::Success;
  double predictionError = 0.0;
};

// Fits an order-`order` predictor to signal[0..length). Orders above 100 are cut to 100
// and reported as Unstable; the filter is still filled with what the recursion gave.
LpcResult LpcAnalysis(const float* signal, std::size_t length, int order, LpcFilter& filter);

// |B(e^{j2πf})| / |A(e^{j2πf})| for f in cycles per sample; 1e10 where A vanishes.
double LpcMagnitude(const LpcFilter& filter, double f);

}  // namespace sonarel::spectral
