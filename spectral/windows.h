#pragma once
// Analysis windows applied in place to float frames.

#include <cstddef>

namespace sonarel::spectral {

// The Hamming weight of sample n in a window of `length` samples (length >= 2):
// 0.54 - 0.46·cos(2πn / (length - 1)), rounded to float.
float HammingWeight(std::size_t n, std::size_t length);

// Multiplies samples[n] by HammingWeight(n, length) for n < length. length must be >= 2.
void ApplyHamming(float* samples, std::size_t length);

}  // namespace sonarel::spectral
