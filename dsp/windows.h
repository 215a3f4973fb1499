// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Analysis windows, named after their definitions. Each weight is computed in double precision
// from its sample index; callers that keep float frames round it themselves.

#include <cstddef>

namespace sonarel::dsp {

// 0.54 - 0.46 cos(2 pi n / (length - 1)), n = 0 .. length-1: ends at 0.08; 1 for a window of
// fewer than two samples.
double hammingWeight(std::size_t n, std::size_t length);

// 0.5 - 0.5 cos(2 pi n / (length - 1)), n = 0 .. length-1: the Hann window with both ends at
// 0; 1 for a window of fewer than two samples.
double hannWeight(std::size_t n, std::size_t length);

// 0.5 - 0.5 cos(2 pi (n + 1) / (length + 1)), n = 0 .. length-1: the Hann window whose zeros
// fall just outside the frame, so that no sample is weighted 0.
double hannWithOpenEnds(std::size_t n, std::size_t length);

// 0.5 - 0.5 cos(2 pi (n + 1/2) / length), n = 0 .. length-1: the Hann window sampled at the
// midpoints of `length` equal cells, symmetric and never 0.
double hannAtMidpoints(std::size_t n, std::size_t length);

// The Gaussian exp(-48 u^2), u = (n + 1/2) / length - 1/2, lowered by its value at the ends
// (exp(-12)) and rescaled to peak at 1: a window whose effective length is half the frame.
double gaussianWeight(std::size_t n, std::size_t length);

}  // namespace sonarel::dsp
