#include "core/sinc_interpolation.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/brent_minimum.h"

namespace sonarel::core {

namespace {

// The sum over `reach` samples from `first` in direction `direction` (+1 or -1) of
// (-1)^k y (1 + cos(step d)) / d, d = distance + k: one side of the sinc kernel, with the
// window's angle rotated by one step per sample instead of a cosine per term.
double sincSide(const double* first, long direction, double distance, long reach, double step) {
  const double cosStep = std::cos(step), sinStep = std::sin(step);
  double c = std::cos(distance * step), s = std::sin(distance * step);
  double sign = 1.0, sum = 0.0;
  for (long k = 0; k < reach; ++k) {
    const double d = distance + static_cast<double>(k);
    sum += sign * first[direction * k] * (1.0 + c) / d;
    const double nextC = c * cosStep - s * sinStep;
    s = s * cosStep + c * sinStep;
    c = nextC;
    sign = -sign;
  }
  return sum;
}

}  // namespace

double interpolateSinc(std::span<const double> y, double x, int depth) {
  const auto size = static_cast<long>(y.size());
  if (size == 0) return 0.0;
  if (!(x > 0)) return y[0];  // also catches NaN
  if (x >= static_cast<double>(size - 1)) return y[size - 1];
  const long left = static_cast<long>(std::floor(x));
  const double fraction = x - static_cast<double>(left);
  if (fraction == 0.0) return y[left];
  // The samples left-depth+1 .. left+depth must exist.
  const long reach = std::min<long>({depth, left + 1, size - 1 - left});
  if (reach <= 1) return y[left] + fraction * (y[left + 1] - y[left]);

  // Term of sample i at distance d = x - i: y[i] sin(pi d)/(pi d) window(d), with
  // sin(pi d) = sin(pi fraction) (-1)^(left-i) and window(d) = (1 + cos(pi d / (reach + 1/2)))/2.
  // Walk outwards from `left` (d = fraction, fraction + 1, ...) and from `left + 1`
  // (|d| = 1 - fraction, 2 - fraction, ...).
  constexpr double pi = std::numbers::pi;
  const double step = pi / (static_cast<double>(reach) + 0.5);
  const double sum = sincSide(y.data() + left, -1, fraction, reach, step) +
                     sincSide(y.data() + left + 1, 1, 1.0 - fraction, reach, step);
  return 0.5 * std::sin(pi * fraction) / pi * sum;
}

Peak improvePeak(std::span<const double> y, int index, int depth, double tolerance) {
  const auto size = static_cast<int>(y.size());
  if (size == 0) return {0.0, 0.0};
  if (index <= 0) return {0.0, y[0]};
  if (index >= size - 1) return {static_cast<double>(size - 1), y[size - 1]};
  const Minimum m = minimizeBrent([&](double x) { return -interpolateSinc(y, x, depth); },
                                  index - 1.0, index + 1.0, tolerance);
  return {m.x, -m.value};
}

}  // namespace sonarel::core
