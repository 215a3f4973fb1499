// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/brent_minimum.h"

#include <cmath>
#include <utility>

namespace sonarel::core {
namespace {

constexpr double kGoldenFraction = 0.3819660112501051;  // (3 - sqrt 5) / 2
constexpr double kAbsoluteTolerance = 1e-12;
constexpr int kMaxEvaluations = 100;

// Tries a parabola through x, w, v; the step it proposes, or nothing if it leaves the
// bracket or does not shrink faster than the step before last.
bool parabolicStep(double x, double w, double v, double fx, double fw, double fv, double a,
                   double b, double previousStep, double& step) {
  const double r = (x - w) * (fx - fv);
  double q = (x - v) * (fx - fw);
  double p = (x - v) * q - (x - w) * r;
  q = 2 * (q - r);
  if (q > 0) p = -p;
  q = std::fabs(q);
  if (std::fabs(p) >= std::fabs(0.5 * q * previousStep) || p <= q * (a - x) || p >= q * (b - x)) {
    return false;
  }
  step = p / q;
  return true;
}

}  // namespace

Minimum minimizeBrent(const std::function<double(double)>& f, double a, double b,
                      double tolerance) {
  if (a > b) std::swap(a, b);
  double x = a + kGoldenFraction * (b - a);
  double w = x, v = x;
  double fx = f(x), fw = fx, fv = fx;
  double step = 0, previousStep = 0;
  for (int evaluation = 1; evaluation < kMaxEvaluations; ++evaluation) {
    const double middle = 0.5 * (a + b);
    const double tol1 = tolerance * std::fabs(x) + kAbsoluteTolerance;
    const double tol2 = 2 * tol1;
    if (std::fabs(x - middle) <= tol2 - 0.5 * (b - a)) break;

    double proposed = 0;
    const bool parabolic = std::fabs(previousStep) > tol1 &&
                           parabolicStep(x, w, v, fx, fw, fv, a, b, previousStep, proposed);
    if (parabolic) {
      previousStep = step;
      step = proposed;
      const double u = x + step;
      if (u - a < tol2 || b - u < tol2) step = std::copysign(tol1, middle - x);
    } else {
      previousStep = x >= middle ? a - x : b - x;
      step = kGoldenFraction * previousStep;
    }
    const double u = std::fabs(step) >= tol1 ? x + step : x + std::copysign(tol1, step);
    const double fu = f(u);
    if (fu <= fx) {
      (u >= x ? a : b) = x;
      v = w, fv = fw;
      w = x, fw = fx;
      x = u, fx = fu;
    } else {
      (u < x ? a : b) = u;
      if (fu <= fw || w == x) {
        v = w, fv = fw;
        w = u, fw = fu;
      } else if (fu <= fv || v == x || v == w) {
        v = u, fv = fu;
      }
    }
  }
  return {x, fx};
}

}  // namespace sonarel::core
