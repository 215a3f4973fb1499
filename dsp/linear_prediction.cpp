// SPDX-License-Identifier: GPL-3.0-or-later
#include "dsp/linear_prediction.h"

#include <algorithm>
#include <cassert>
#include <vector>

namespace sonarel::dsp {
namespace {

// Eight lags at a time over one pass of their common stretch, then each lag's remaining
// terms: every sum still adds its terms in order of n, so the values equal those of one lag
// at a time, while eight sums advance together instead of each waiting for its previous
// addition.
template <class T>
void lagSums(std::span<const T> x, std::span<double> r) {
  constexpr std::size_t kLags = 8;
  std::fill(r.begin(), r.end(), 0.0);
  const std::size_t count = std::min(r.size(), x.size());  // lags that have a term at all
  const std::size_t n = x.size();
  std::size_t lag = 0;
  for (; lag + kLags <= count; lag += kLags) {
    double sums[kLags] = {};
    const std::size_t common = n - (lag + kLags - 1);  // terms every lag of the block has
    for (std::size_t i = 0; i < common; ++i) {
      const double v = static_cast<double>(x[i]);
      for (std::size_t l = 0; l < kLags; ++l) sums[l] += v * static_cast<double>(x[i + lag + l]);
    }
    for (std::size_t l = 0; l < kLags; ++l) {
      for (std::size_t i = common; i + lag + l < n; ++i) {
        sums[l] += static_cast<double>(x[i]) * static_cast<double>(x[i + lag + l]);
      }
      r[lag + l] = sums[l];
    }
  }
  for (; lag < count; ++lag) {
    double sum = 0.0;
    for (std::size_t i = 0; i + lag < n; ++i) {
      sum += static_cast<double>(x[i]) * static_cast<double>(x[i + lag]);
    }
    r[lag] = sum;
  }
}

}  // namespace

// Converted to double once (exactly), rather than each sample once per lag.
void autocorrelationLags(std::span<const float> x, std::span<double> r) {
  const std::vector<double> y(x.begin(), x.end());
  lagSums(std::span<const double>(y), r);
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
