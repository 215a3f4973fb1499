// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The single measures behind the clinical report, each over a whole sound (samples as
// floats, any scale). Definitions and settings are those of clinical_constants.h:
//
// - Smoothed cepstral peak prominence [H94], [HH96], with the settings of [MW15]: the sound
//   at 10 kHz, pre-emphasised from 50 Hz; 0.1-s Hann frames every 2 ms, zero-padded to 2048;
//   the power cepstrum (the squared inverse transform of the natural-log power spectrum); cepstra
//   averaged over 0.01 s of frames and then over 0.001 s of quefrency, as powers; in each frame the
//   peak between 1/330 s and 1/60 s (parabolic on dB) above a straight line through the cepstrum in
//   dB from 1 ms up, fitted robustly (the median slope of pairs half the range apart, then the
//   median intercept); the mean over the frames.
// - Harmonics-to-noise ratio by cross-correlation [B93]: every 10 ms a window of one period
//   of 75 Hz against the same length one lag later, lags up to that period, both without
//   the local mean; r is the highest local maximum of the normalised correlation (parabolic,
//   1/r if it exceeds 1); 10 log10(r / (1 - r)) per frame; frames whose peak is too far below
//   the sound's peak for their r are left out as silent; the mean over the rest in dB.
// - Local shimmer [PM]: over pairs of consecutive marked cycles (period ratio at most 1.3,
//   peak ratio at most 1.6), the mean absolute difference of the cycle peaks over their mean,
//   in %, and the mean absolute ratio in dB.
// - Long-term spectrum [MW15]: the power spectrum of the whole sound in 1-Hz bands; slope =
//   energy in 1-10 kHz over energy in 0-1 kHz, in dB; tilt = the same ratio on the
//   least-squares line through the bands' dB values from 1 Hz to 10 kHz.

#include <optional>
#include <span>
#include <vector>

namespace sonarel::quality::clinical {

// The analysis settings of the smoothed cepstral peak prominence; the defaults are those of
// clinical_constants.h.
struct CppsSettings {
  double timeSmoothingS;
  double quefrencySmoothingS;
  double peakMinPitchHz;
  double peakMaxPitchHz;
};
CppsSettings defaultCppsSettings();

// Sampled at 44100 Hz or already at 10 kHz; nothing for another rate or a sound shorter
// than one frame.
std::optional<double> smoothedCepstralPeakProminence(
    std::span<const float> x, double sampleRate,
    const CppsSettings& settings = defaultCppsSettings());

// One cross-correlation frame.
struct CorrelationFrame {
  double centre = 0;     // sample
  double r = 0;          // the best normalised correlation, 0 when there is no local maximum
  double peakRatio = 0;  // the frame's peak over the sound's peak
  bool voiced = false;   // counted in the harmonicity
};

std::vector<CorrelationFrame> correlationFrames(std::span<const float> x, double sampleRate);

struct Harmonicity {
  double meanDb = 0;
  double periodicShare = 0;  // of the sounding frames, the share with r >= kVoicingCorrelation
};

// Nothing for a sound shorter than one frame or without voiced frames.
std::optional<Harmonicity> harmonicityCc(std::span<const float> x, double sampleRate);

struct AmplitudeShimmer {
  double percent = 0;
  double db = 0;
};

// Nothing when fewer than two consecutive cycles are found.
std::optional<AmplitudeShimmer> localShimmer(std::span<const float> x, double sampleRate);

struct SpectralSlopes {
  double slopeDb = 0;
  double tiltDb = 0;
};

// Nothing when the sound is too short or too slow to reach 10 kHz.
std::optional<SpectralSlopes> longTermSlopes(std::span<const float> x, double sampleRate);

}  // namespace sonarel::quality::clinical
