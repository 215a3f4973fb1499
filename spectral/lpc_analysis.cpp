#include "lpc_analysis.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <vector>

namespace sonarel::spectral {

namespace {

std::vector<double> autocorrelation(const float* x, std::size_t length, int order) {
  std::vector<double> r(static_cast<std::size_t>(order) + 1, 0.0);
  for (int k = 0; k <= order; ++k) {
    const auto lag = static_cast<std::size_t>(k);
    if (lag >= length) break;
    double sum = 0.0;
    for (std::size_t n = 0; n + lag < length; ++n)
      sum += static_cast<double>(x[n]) * static_cast<double>(x[n + lag]);
    r[lag] = sum;
  }
  return r;
}

}  // namespace

LpcResult LpcAnalysis(const float* signal, std::size_t length, int order, LpcFilter& filter) {
  LpcResult result;
  if (order > kMaxLpcOrder) {
    order = kMaxLpcOrder;
    result.status = LpcStatus::Unstable;
  }
  order = std::max(order, 0);
  const std::vector<double> r = autocorrelation(signal, length, order);

  std::vector<double> a(static_cast<std::size_t>(order) + 1, 0.0);
  a[0] = 1.0;
  double error = r[0];
  if (r[0] == 0.0) {
    result.status = LpcStatus::ZeroEnergy;
  } else {
    for (int i = 1; i <= order; ++i) {
      double acc = 0.0;
      for (int j = 1; j <= i; ++j)
        acc -= a[static_cast<std::size_t>(i - j)] * r[static_cast<std::size_t>(j)];
      const double k = acc / error;
      a[static_cast<std::size_t>(i)] = k;
      for (int j = 1; j <= i / 2; ++j) {
        const auto lo = static_cast<std::size_t>(j);
        const auto hi = static_cast<std::size_t>(i - j);
        const double oldLo = a[lo];
        const double oldHi = a[hi];
        a[lo] = oldLo + k * oldHi;
        a[hi] = oldHi + k * oldLo;
      }
      error *= 1.0 - k * k;
      if (error <= 0.0) result.status = LpcStatus::Unstable;
    }
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
