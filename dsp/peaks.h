// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Sub-sample placement of a sampled maximum.

namespace sonarel::dsp {

// Where the parabola through (-1, left), (0, middle), (1, right) peaks, as an offset from the
// middle sample, within -0.5 .. 0.5; 0 when the three points do not bend downwards.
inline double parabolicPeakOffset(double left, double middle, double right) {
  const double curvature = left - 2 * middle + right;
  if (!(curvature < 0)) return 0.0;
  const double offset = 0.5 * (left - right) / curvature;
  return offset < -0.5 ? -0.5 : (offset > 0.5 ? 0.5 : offset);
}

}  // namespace sonarel::dsp
