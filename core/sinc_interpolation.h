// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Band-limited interpolation of sampled curves (autocorrelation functions) and the search
// for the exact position and height of their peaks.

#include <span>

namespace sonarel::core {

// Interpolation depths (samples on either side of the point) used by the pitch trackers.
constexpr int kSincDepth30 = 30;
constexpr int kSincDepth70 = 70;
constexpr int kSincDepth700 = 700;

// The value of the curve y (samples at indexes 0 .. size-1) at real index x, by a sinc
// kernel under a raised-cosine window reaching `depth` samples to either side. The depth
// shrinks near the ends to the samples that exist; positions outside the curve take the
// nearest end value, and an empty curve gives 0.
double interpolateSinc(std::span<const double> y, double x, int depth);

struct Peak {
  double position;  // real index
  double value;
};

// The maximum of the sinc-interpolated curve between index - 1 and index + 1, found by
// Brent's method to a relative tolerance of `tolerance`. An index at either end of the curve
// gives that sample.
Peak improvePeak(std::span<const double> y, int index, int depth, double tolerance = 1e-10);

}  // namespace sonarel::core
