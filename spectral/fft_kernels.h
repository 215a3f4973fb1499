// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The transform kernels of the spectral displays: in-place radix-2 transforms in 32-bit floats
// over buffers the caller owns. No kernel keeps results between calls or checks its sizes (the
// twiddle tables they fill are per-thread scratch).
//
// ComplexFft works on separate real and imaginary arrays with a fixed table of per-stage
// rotations (transforms up to 16384 points); the power spectrum uses it with the usual
// exp(-2πi kn/N) kernel. PackedRealFft transforms N real values into N/2 packed bins on top of
// InterleavedComplexFft; the spectrogram uses it. Its forward kernel is exp(+2πi kn/N), so its
// imaginary parts are the conjugates of ComplexFft's; magnitudes agree.
//
// Packed layout for N = 2·half real inputs: data[0] = bin 0 (DC, real), data[1] = bin N/2
// (Nyquist, real), data[2k], data[2k+1] = real and imaginary part of bin k, k = 1..half-1.

#include <cstddef>

namespace sonarel::spectral {

// The most stages ComplexFft has rotations for: N up to 2^14 = 16384.
inline constexpr int kMaxComplexFftOrder = 14;

// m with size = 2^m for size = 2, 4, ..., 65536; 0 for any other size.
int FftOrderOf(std::size_t size);

// In-place transform of N = 2^order complex values held in re[] and im[]; direction 1 is
// forward (unscaled), any value below 1 the inverse (scaled by 1/N). order must be 1..14.
void ComplexFft(float* re, float* im, int order, int direction);

// out[k] = re[k]² + im[k]² for k < count, the squares summed in double precision.
void BinPowers(const float* re, const float* im, float* out, std::size_t count);

// In-place transform of `count` complex values stored as (real, imaginary) pairs; count is a
// power of two, sign +1 or -1 selects the sign of the exponent. Unscaled both ways.
void InterleavedComplexFft(float* data, std::size_t count, int sign);

// Forward (direction 1): N = 2·half real values become the packed spectrum above. Otherwise
// the inverse: a packed spectrum becomes half·x, so it must be scaled by 1/half afterwards.
void PackedRealFft(float* data, std::size_t half, int direction);

}  // namespace sonarel::spectral
