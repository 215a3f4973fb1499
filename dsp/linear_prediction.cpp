#include "dsp/linear_prediction.h"

#include <algorithm>
#include <cassert>

namespace sonarel::dsp {
namespace {

template <class T>
void lagSums(std::span<const T> x, std::span<double> r) {
  std::fill(r.begin(), r.end(), 0.0);
  for (std::size_t lag = 0; lag < r.size() && lag < x.size(); ++lag) {
    double sum = 0.0;
    for (std::size_t n = 0; n + lag < x.size(); ++n) {
      sum += static_cast<double>(x[n]) * static_cast<double>(x[n + lag]);
    }
    r[lag] = sum;
  }
}

}  // namespace

void autocorrelationLags(std::span<const float> x, std::span<double> r) {
  lagSums(x, r);
}
void autocorrelationLags(std::span<const double> x, std::span<double> r) {
  lagSums(x, r);
}

// The coefficients are updated in place from both ends at once, so no copy of the previous
// order's predictor is needed.
Prediction levinsonDurbin(std::span<const double> r, std::span<double> a) {
  assert(!a.empty() && r.size() >= a.size());
  const std::size_t order = a.size() - 1;
  std::fill(a.begin(), a.end(), 0.0);
  a[0] = 1.0;
  double error = r[0];
  if (r[0] == 0.0) return {false, error};
  bool stable = error > 0.0;
  for (std::size_t i = 1; i <= order; ++i) {
    double acc = 0.0;
    for (std::size_t j = 1; j <= i; ++j) acc -= a[i - j] * r[j];
    const double k = acc / error;
    a[i] = k;
    for (std::size_t j = 1; j <= i / 2; ++j) {
      const double low = a[j], high = a[i - j];
      a[j] = low + k * high;
      a[i - j] = high + k * low;
    }
    error *= 1.0 - k * k;
    if (!(error > 0.0)) stable = false;
  }
  return {stable, error};
}

}  // namespace sonarel::dsp
