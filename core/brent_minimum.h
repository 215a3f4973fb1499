// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Brent's method for the minimum of a function of one variable on an interval: golden-section
// steps, replaced by parabolic steps through the three best points whenever these fall
// inside the bracket and shrink it fast enough.

#include <functional>

namespace sonarel::core {

struct Minimum {
  double x;
  double value;
};

// The minimum of f on [a, b] to within tolerance * |x| + 1e-12; at most 100 evaluations.
Minimum minimizeBrent(const std::function<double(double)>& f, double a, double b, double tolerance);

}  // namespace sonarel::core
