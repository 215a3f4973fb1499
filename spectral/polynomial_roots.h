// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// All complex roots of a polynomial with complex coefficients, by Laguerre's method: each
// root is found on the polynomial deflated by the roots before it, then polished on the
// full polynomial so that the errors of deflation do not accumulate.

#include <complex>
#include <span>
#include <vector>

namespace sonarel::spectral {

using Complex = std::complex<double>;

// One root of c[0] + c[1] x + ... + c[m] x^m (c[m] != 0, m >= 1) by Laguerre's iteration
// from `start`. The iteration stops when the value is down to the rounding noise of its
// evaluation, when a step no longer moves the estimate, or after a bounded number of
// steps (then the last estimate is returned; `converged` tells which).
Complex LaguerreRoot(std::span<const Complex> coefficients, Complex start,
                     bool* converged = nullptr);

// The m roots of c[0] + c[1] x + ... + c[m] x^m, in the order deflation found them
// (smallest magnitude first, as a rule). A root whose imaginary part is at most 1e-6 of its
// real part in magnitude is returned as real. Leading zero coefficients are dropped, so the
// result may hold fewer than coefficients.size() - 1 roots; a constant has none.
std::vector<Complex> PolynomialRoots(std::span<const Complex> coefficients);

}  // namespace sonarel::spectral
