// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The autocorrelation method of linear prediction: lag sums of a stretch and the
// Levinson-Durbin recursion that turns them into predictor coefficients.

#include <span>

namespace sonarel::dsp {

// r[lag] = sum over n of x[n] x[n + lag] for lag = 0 .. r.size()-1; lags reaching past the
// stretch are 0.
void autocorrelationLags(std::span<const float> x, std::span<double> r);
void autocorrelationLags(std::span<const double> x, std::span<double> r);

struct Prediction {
  bool stable;   // false when the error reached 0 or below, or r[0] was 0
  double error;  // the final prediction error
};

// The predictor A(z) = 1 + sum a[k] z^-k of order a.size()-1 from r[0 .. a.size()-1];
// a[0] = 1. When the recursion breaks down it still runs to the end, and what it gives is left
// in `a`; with r[0] = 0 it leaves a = 1, 0, 0, ...
Prediction levinsonDurbin(std::span<const double> r, std::span<double> a);

}  // namespace sonarel::dsp
