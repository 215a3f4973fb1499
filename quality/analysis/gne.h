// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Glottal-to-noise excitation ratio (GNE) with 3-kHz bands, one value per analysis frame.
//
// A glottal closure excites every frequency band at the same instant, turbulent noise
// excites them independently; so the envelopes of distant bands move together only in a
// voice. Per segment: downsample to 10 kHz, inverse-filter (LPC order 13). Per frame of the
// residual: Hann-shaped bands 3000 Hz wide centred at 1500, 1600, ... 3500 Hz, the Hilbert
// envelope of each (magnitude of the analytic band signal), the normalised cross-correlation
// of each pair of envelopes whose centres lie at least 1500 Hz apart over lags of +-0.3 ms,
// and GNE = the largest of those correlations. 1 for a pulse train, near 0 for noise.

#include <span>
#include <vector>

#include "quality/analysis/analysis_frames.h"

namespace sonarel::quality {

constexpr double kGneRate = 10000.0;      // Hz
constexpr double kGneBandwidth = 3000.0;  // Hz
constexpr double kGneCentreStep = 100.0;  // Hz
constexpr double kGneMaximumLagSeconds = 0.0003;

// `segment` at 44100 Hz; `frames` its analysis frames at that rate. One value per frame,
// 0 to 1 (0 for a silent frame).
std::vector<double> gnePerFrame(std::span<const float> segment, const AnalysisFrames& frames);

// GNE of one stretch of excitation residual at 10 kHz.
double gneOfResidual(std::span<const float> residual);

}  // namespace sonarel::quality
