#include "core/sinc_interpolation.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/brent_minimum.h"

namespace sonarel::core {

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
  // sin(pi d) = sin(pi fraction) (-1)^(left-i) and window(d) = (1 + cos(pi d / halfWidth))/2.
  constexpr double pi = std::numbers::pi;
  const double halfWidth = static_cast<double>(reach) + 0.5;
  const double step = pi / halfWidth;
  const double cosStep = std::cos(step), sinStep = std::sin(step);
  double sum = 0.0;
  // Walk outwards from `left` (d = fraction, fraction + 1, ...) and from `left + 1`
  // (d = fraction - 1, fraction - 2, ...), rotating the window's angle by one step each time.
  {
    double c = std::cos(fraction * step), s = std::sin(fraction * step);
    double sign = 1.0;
    for (long k = 0; k < reach; ++k) {
      const double d = fraction + static_cast<double>(k);
      sum += sign * y[left - k] * (1.0 + c) / d;
      const double nextC = c * cosStep - s * sinStep;
      s = s * cosStep + c * sinStep;
      c = nextC;
      sign = -sign;
    }
  }
  {
    const double d0 = 1.0 - fraction;
    double c = std::cos(d0 * step), s = std::sin(d0 * step);
    double sign = 1.0;
    for (long k = 0; k < reach; ++k) {
      const double d = d0 + static_cast<double>(k);
      sum += sign * y[left + 1 + k] * (1.0 + c) / d;
      const double nextC = c * cosStep - s * sinStep;
      s = s * cosStep + c * sinStep;
      c = nextC;
      sign = -sign;
    }
  }
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
