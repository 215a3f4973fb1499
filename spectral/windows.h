// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Analysis windows applied in place to float frames.

#include <cstddef>

namespace sonarel::spectral {

// The Hamming weight of sample n in a window of `length` samples:
// 0.54 - 0.46·cos(2πn / (length - 1)), rounded to float; 1 for a window of one sample.
float HammingWeight(std::size_t n, std::size_t length);

// Multiplies samples[n] by HammingWeight(n, length) for n < length.
void ApplyHamming(float* samples, std::size_t length);

}  // namespace sonarel::spectral
