#pragma once
// A plain iterative radix-2 complex FFT for the GNE band envelopes. Private to the segment
// analysis; a shared transform can replace it without changing its callers.

#include <complex>
#include <vector>

namespace sonarel::quality {

// Transforms `data` in place. Its size must be a power of two (else nothing happens).
// Forward: X[k] = sum x[n] e^{-2 pi i k n / N}, unscaled. Inverse: the conjugate transform
// divided by N, so that inverse(forward(x)) == x.
void radix2Fft(std::vector<std::complex<double>>& data, bool inverse);

// The smallest power of two at least n.
std::size_t nextPowerOfTwo(std::size_t n);

}  // namespace sonarel::quality
