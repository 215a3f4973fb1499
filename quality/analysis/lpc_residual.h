// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The excitation residual of a 10 kHz signal: LPC inverse filtering of order 13, with
// coefficients from 30-ms Hann-windowed stretches every 10 ms (autocorrelation method, no
// pre-emphasis, so that the residual stays spectrally flat). Each 10-ms block is filtered
// with the coefficients of the stretch centred on it.

#include <span>
#include <vector>

namespace sonarel::quality {

constexpr int kLpcOrder = 13;

std::vector<float> lpcResidual(std::span<const float> x, double sampleRate);

}  // namespace sonarel::quality
