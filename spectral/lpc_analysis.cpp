// SPDX-License-Identifier: GPL-3.0-or-later
#include "lpc_analysis.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <vector>

#include "dsp/linear_prediction.h"

namespace sonarel::spectral {

LpcResult LpcAnalysis(const float* signal, std::size_t length, int order, LpcFilter& filter) {
  LpcResult result;
  if (order > kMaxLpcOrder) {
    order = kMaxLpcOrder;
    result.status = LpcStatus::Unstable;
  }
  order = std::max(order, 0);
  std::vector<double> r(static_cast<std::size_t>(order) + 1);
  dsp::autocorrelationLags(std::span(signal, length), r);
  std::vector<double> a(r.size());
  const dsp::Prediction prediction = dsp::levinsonDurbin(r, a);
  const double error = prediction.error;
  if (r[0] == 0.0) {
    result.status = LpcStatus::ZeroEnergy;
  } else if (!prediction.stable) {
    result.status = LpcStatus::Unstable;
  }

  filter = LpcFilter{};
  filter.numeratorOrder = 0;
  filter.b[0] = 1.0;
  filter.denominatorOrder = order;
  for (int k = 1; k <= order; ++k)
    filter.a[static_cast<std::size_t>(k)] = a[static_cast<std::size_t>(k)];
  result.predictionError = error;
  return result;
}

double LpcMagnitude(const LpcFilter& filter, double f) {
  constexpr double kTwoPi = 6.28318530718;
  const std::complex<double> z = std::polar(1.0, kTwoPi * f);
  const int highest = std::max(filter.numeratorOrder, filter.denominatorOrder);
  std::complex<double> power = 1.0;
  std::complex<double> numerator = filter.b[0];
  std::complex<double> denominator = 1.0;
  for (int k = 1; k <= highest; ++k) {
    power *= z;
    const auto index = static_cast<std::size_t>(k);
    if (k <= filter.numeratorOrder) numerator += filter.b[index] * power;
    if (k <= filter.denominatorOrder) denominator += filter.a[index] * power;
  }
  const double dz =
      std::sqrt(denominator.real() * denominator.real() + denominator.imag() * denominator.imag());
  if (dz == 0.0) return 1e10;
  return std::abs(numerator / denominator);
}

}  // namespace sonarel::spectral
