// SPDX-License-Identifier: GPL-3.0-or-later
#include "spectral/polynomial_roots.h"

#include <cmath>
#include <limits>

namespace sonarel::spectral {
namespace {

constexpr double kEpsilon = std::numeric_limits<double>::epsilon();

// |z| by its definition. std::abs goes through hypot, which guards against an overflow that
// these coefficients (of predictors of sound) never come near, at several times the cost.
double magnitude(Complex z) {
  return std::sqrt(z.real() * z.real() + z.imag() * z.imag());
}
constexpr int kStepsBetweenKicks = 10;
constexpr int kMaxSteps = 8 * kStepsBetweenKicks;

// p(x), p'(x), p''(x) / 2 by Horner's scheme, and a bound on the rounding error of p(x).
struct Evaluation {
  Complex value, first, halfSecond;
  double errorBound = 0.0;
};

Evaluation evaluate(std::span<const Complex> c, Complex x) {
  const std::size_t m = c.size() - 1;
  Evaluation e{c[m], 0.0, 0.0, magnitude(c[m])};
  const double size = magnitude(x);
  for (std::size_t k = m; k-- > 0;) {
    e.halfSecond = e.halfSecond * x + e.first;
    e.first = e.first * x + e.value;
    e.value = e.value * x + c[k];
    e.errorBound = e.errorBound * size + magnitude(e.value);
  }
  e.errorBound *= kEpsilon;
  return e;
}

// Sizes of the occasional partial step that breaks a limit cycle of the iteration.
constexpr double kKicks[] = {0.5, 0.25, 0.75, 0.13, 0.38, 0.62, 0.88, 1.0};

}  // namespace

Complex LaguerreRoot(std::span<const Complex> c, Complex x, bool* converged) {
  const double m = static_cast<double>(c.size() - 1);
  if (converged) *converged = false;
  for (int step = 1; step <= kMaxSteps; ++step) {
    const Evaluation e = evaluate(c, x);
    if (magnitude(e.value) <= e.errorBound) {
      if (converged) *converged = true;
      return x;
    }
    const Complex g = e.first / e.value;
    const Complex h = g * g - 2.0 * e.halfSecond / e.value;
    const Complex root = std::sqrt((m - 1.0) * (m * h - g * g));
    const Complex plus = g + root;
    const Complex minus = g - root;
    const Complex denominator = magnitude(plus) >= magnitude(minus) ? plus : minus;
    // A vanishing denominator (x at a saddle of |p|) gets a step of about the size of x
    // in a direction that changes with the step count.
    const Complex dx = magnitude(denominator) > 0.0
                           ? m / denominator
                           : std::polar(1.0 + std::abs(x), static_cast<double>(step));
    const Complex next = x - dx;
    if (next == x) {
      if (converged) *converged = true;
      return x;
    }
    x = step % kStepsBetweenKicks ? next : x - kKicks[step / kStepsBetweenKicks - 1] * dx;
  }
  return x;
}

std::vector<Complex> PolynomialRoots(std::span<const Complex> coefficients) {
  std::size_t size = coefficients.size();
  while (size > 0 && coefficients[size - 1] == 0.0) --size;
  if (size < 2) return {};
  const std::span<const Complex> full = coefficients.first(size);

  std::vector<Complex> deflated(full.begin(), full.end());
  std::vector<Complex> roots;
  roots.reserve(size - 1);
  for (std::size_t degree = size - 1; degree >= 1; --degree) {
    Complex x = LaguerreRoot(std::span(deflated).first(degree + 1), 0.0);
    if (std::abs(x.imag()) <= 2.0 * kEpsilon * std::abs(x.real())) x = x.real();
    roots.push_back(x);
    // Divide the remaining polynomial by (t - x), highest coefficient first.
    Complex carry = deflated[degree];
    for (std::size_t k = degree; k-- > 0;) {
      const Complex next = deflated[k];
      deflated[k] = carry;
      carry = next + carry * x;
    }
    deflated.resize(degree);
  }

  for (Complex& root : roots) {
    root = LaguerreRoot(full, root);
    if (std::abs(root.imag()) <= 1e-6 * std::abs(root.real())) root = root.real();
  }
  return roots;
}

}  // namespace sonarel::spectral
