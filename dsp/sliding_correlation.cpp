// SPDX-License-Identifier: GPL-3.0-or-later
#include "dsp/sliding_correlation.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <vector>

namespace sonarel::dsp {

void slidingCorrelation(std::span<const float> x, std::size_t length, std::size_t firstLag,
                        std::span<double> rho, double energyFloor) {
  if (rho.empty()) return;
  assert(x.size() >= firstLag + rho.size() - 1 + length);
  // The dot products first, eight lags over one pass of the stretch: each sum still adds its
  // terms in order, so the values equal those of one lag at a time, but eight sums advance
  // together instead of each waiting for its previous addition.
  constexpr std::size_t kLags = 8;
  // The stretch in double once (exactly), rather than each sample converted once per lag.
  const std::vector<double> y(
      x.begin(), x.begin() + static_cast<std::ptrdiff_t>(firstLag + rho.size() - 1 + length));
  const double* a = y.data();
  std::size_t i = 0;
  for (; i + kLags <= rho.size(); i += kLags) {
    const double* b = a + firstLag + i;
    double sums[kLags] = {};
    for (std::size_t n = 0; n < length; ++n) {
      const double v = a[n];
      for (std::size_t l = 0; l < kLags; ++l) sums[l] += v * b[n + l];
    }
    for (std::size_t l = 0; l < kLags; ++l) rho[i + l] = sums[l];
  }
  for (; i < rho.size(); ++i) {
    const double* b = a + firstLag + i;
    double dot = 0;
    for (std::size_t n = 0; n < length; ++n) dot += a[n] * b[n];
    rho[i] = dot;
  }

  double e0 = 0;
  for (std::size_t n = 0; n < length; ++n) e0 += double(x[n]) * x[n];
  double eLag = 0;
  for (std::size_t n = 0; n < length; ++n) eLag += double(x[firstLag + n]) * x[firstLag + n];
  for (i = 0; i < rho.size(); ++i) {
    const std::size_t lag = firstLag + i;
    if (i > 0) {  // one sample leaves the shifted stretch, one enters it
      const double out = x[lag - 1], in = x[lag - 1 + length];
      eLag += in * in - out * out;
    }
    const double norm = std::sqrt((e0 + energyFloor) * (std::max(eLag, 0.0) + energyFloor));
    rho[i] = norm > 0 ? rho[i] / norm : 0.0;
  }
}

}  // namespace sonarel::dsp
