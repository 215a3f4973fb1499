// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The LPC spectrum: the all-pole envelope of a whole stretch, 680 levels in dB from 0 Hz up
// to (but not including) half the sampling rate. A little random dither is added to the
// samples first so that digital silence still gives a filter; it comes from a seeded
// generator, so a given seed always gives the same curve.

#include <cstdint>
#include <optional>
#include <random>
#include <span>
#include <vector>

#include "core/message.h"
#include "spectral/lpc_analysis.h"
#include "spectral/power_spectrum.h"

namespace sonarel::spectral {

inline constexpr int kLpcSpectrumPoints = 680;
// The shortest stretch the LPC spectrum accepts.
inline constexpr std::int64_t kLpcMinimumSamples = 1024;

struct LpcSettings {
  int order = 14;  // 10, 14 or 28
  SpectrumWindow window = SpectrumWindow::Hamming;
};

using DitherSource = std::mt19937;

// Fills output[0..679] with the level at i·fs/1360 Hz: 20·log10 |1/A| (at least -100) plus
// 31.5 dB with the Hamming window or 41.5 dB without. The last sample takes no part. Returns
// the analysis status; on failure the output is left as it was.
LpcStatus LpcEnvelope(const std::int16_t* samples, std::int64_t count, float* output, int order,
                      SpectrumWindow window, DitherSource& dither);

struct LpcSpectrumResult {
  std::optional<core::Message> refused;  // set when nothing was computed
  std::vector<float> levels;             // 680 values on success
};

// The envelope of samples [first, end): refused with "There is no Available Points" below
// 1024 samples (an empty or reversed stretch included), with "Error Calculating LPC!" when the
// recursion fails.
LpcSpectrumResult LpcSpectrum(std::span<const std::int16_t> samples, std::int64_t first,
                              std::int64_t end, const LpcSettings& settings, DitherSource& dither);

}  // namespace sonarel::spectral
