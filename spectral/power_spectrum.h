// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The frame-averaged power spectrum of a stretch of 16-bit samples, in dB per FFT bin.

#include <cstdint>
#include <span>
#include <vector>

namespace sonarel::spectral {

enum class SpectrumWindow : int { Rectangular = 0, Hamming = 1 };

struct PowerSpectrumSettings {
  int fftSize = 512;  // 256, 512 or 1024
  SpectrumWindow window = SpectrumWindow::Hamming;
};

// Samples between the starts of two frames: 100, 200 or 400 for N = 256, 512, 1024.
int PowerSpectrumHop(int fftSize);

// The whole frames of N samples, `hop` apart, in `length` samples (0 when length < N).
std::int64_t PowerSpectrumFrames(std::int64_t length, int fftSize);

// Levels of bins k = 0..N/2-1 (bin k at k·fs/N Hz) over samples [first, end), averaged over
// the frames that fit: 10·log10(mean power) - 18·log10(N). A bin whose summed power is exactly
// zero, and every bin of a stretch shorter than N, holds 0. The result holds N values, of
// which the upper half is unused. The stretch is cut to the samples there are.
std::vector<float> PowerSpectrum(std::span<const std::int16_t> samples, std::int64_t first,
                                 std::int64_t end, const PowerSpectrumSettings& settings);

}  // namespace sonarel::spectral
