// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The single measures behind the clinical report, each over a whole sound (samples as
// floats, any scale). Definitions and settings are those of clinical_constants.h:
//
// - Smoothed cepstral peak prominence [H94], [HH96], with the settings of [MW15]: the sound
//   brought to 10 kHz by an ideal low-pass at 5 kHz (dsp/fft_resample) and pre-emphasised from
//   50 Hz; every 2 ms a frame of 0.1 s (the run of frames centred in the sound, each needing
//   one sample more than its window), its mean removed, weighted by a Gaussian window whose
//   effective length is half the frame, transformed at 1024 points; the power cepstrum (the
//   squared inverse transform of the natural-log power spectrum). The power cepstra are
//   averaged over 0.01 s of frames and then over 0.001 s of quefrency, each average taken over
//   the cepstrum joined by straight lines between its samples (so a window 10 bins wide has
//   half weights at its ends), the weights rescaled where the window passes an end. In each
//   averaged frame, in dB: a straight trend line through all quefrencies above 0, fitted
//   robustly (the median slope of the pairs half the range apart, then the median intercept);
//   the peak of the cepstrum above that line between 1/330 s and 1/60 s, parabolic. The
//   result is the mean of the frames' peaks.
// - Harmonics-to-noise ratio by cross-correlation [B93]: every 10 ms a window of one period
//   of 75 Hz against the same length one lag later, lags up to that period, both without
//   the local mean; r is the highest local maximum of the normalised correlation (parabolic,
//   1/r if it exceeds 1); 10 log10(r / (1 - r)) per frame; frames whose peak within one
//   window's length of their centre is too far below the sound's peak for their r are left
//   out as silent (r must exceed 2 - that ratio / 0.1); the mean over the rest in dB.
// - Local shimmer [PM]: over pairs of consecutive marked cycles (period ratio at most 1.3,
//   peak ratio at most 1.6), the mean absolute difference of the cycle peaks over their mean,
//   in %, and the mean absolute ratio in dB. A cycle's peak is the highest point of the
//   waveform interpolated by a windowed sinc (70 samples a side) near its highest sample.
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

// Nothing for a rate that is not a whole number of hertz, a pitch range that is not one, or a
// sound shorter than one frame.
std::optional<double> smoothedCepstralPeakProminence(
    std::span<const float> x, double sampleRate,
    const CppsSettings& settings = defaultCppsSettings());

// One cross-correlation frame.
struct CorrelationFrame {
  double centre = 0;     // sample
  double r = 0;          // the best normalised correlation, 0 when there is no local maximum
  double peakRatio = 0;  // the frame's peak over the sound's peak
  // The same over one window's length centred on the frame, which the voicing decision uses.
  double centrePeakRatio = 0;
  bool voiced = false;  // counted in the harmonicity
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
