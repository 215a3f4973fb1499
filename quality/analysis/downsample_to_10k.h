// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// 44100 Hz to 10000 Hz for the GNE: the ratio is 100/441, so output sample m lies at input
// time 4.41 m and only 100 fractional positions occur; each has its own precomputed
// windowed-sinc filter (cut-off 4.5 kHz, 129 taps, Blackman window). Samples outside the
// input count as 0.

#include <span>
#include <vector>

namespace sonarel::quality {

// floor(N * 100 / 441) output samples.
std::vector<float> downsample44100To10000(std::span<const float> x);

}  // namespace sonarel::quality
