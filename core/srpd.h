// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Super-resolution pitch determination (Medan, Yair and Chazan): the period is the lag at
// which the stretch just before a reference point correlates best with the stretch just
// after it. A coarse pass over every fourth sample finds the candidates, a pass at full
// resolution refines them, and a voicing state machine with a held state and peak tracking
// decides each frame. The contour is then smoothed by a running median and a Hanning average.

#include <cstdint>
#include <span>
#include <vector>

namespace sonarel::core {

struct SrpdParameters {
  double sampleFreq = 11025;  // Hz
  double shiftMs = 8.0;
  double lengthMs = 20.0;
  double minPitch = 70;     // Hz
  double maxPitch = 400;    // Hz
  int decimation = 4;       // stride of the coarse pass
  double tMin = 0.75;       // lowest voicing threshold
  double tMaxRatio = 0.85;  // share of the previous frame's correlation
  double tHigh = 0.88;      // threshold after an unvoiced or held frame
  double tDh = 0.77;        // anti pitch doubling/halving threshold
  int tSilent = 120;        // amplitude below which a segment is silent
  bool peakTracking = true;
};

struct SmoothingParameters {
  bool doubleSmoothing = false;
  bool hanning = true;
  bool extrapolation = true;
  int firstMedian = 11;
  int secondMedian = 1;
  int hanningLength = 7;
  float breakValue = 0;  // the value that marks a gap
};

// The sizes derived from the parameters, in samples.
struct SrpdGeometry {
  int nMax = 0;         // ceil(rate / minPitch): the longest period
  int nMin = 0;         // floor(rate / maxPitch): the shortest period
  int segment = 0;      // 3 nMax: the samples one frame reads
  int shift = 0;        // floor(shiftMs rate / 1000) + 1
  int length = 0;       // floor(lengthMs rate / 1000)
  double minPitch = 0;  // rate / nMax (integer division), Hz
  double maxPitch = 0;  // rate / nMin (integer division), Hz
};

// Nothing usable (all zero) when the rate or range cannot give a period: rate below 1 Hz,
// minPitch or maxPitch not above 0, or a shortest period of less than one stride.
SrpdGeometry srpdGeometry(const SrpdParameters& parameters);

// The 99-tap low-pass FIR of the pre-filter, cut-off `cutoffHz`, designed by sampling the
// ideal response on a grid of at least 1024 points.
std::vector<double> srpdPreFilter(double sampleRate, double cutoffHz = 600);

// The pre-filter run over the samples, delayed back by half its order so that the output
// lines up with the input; results saturate to 16 bits.
std::vector<std::int16_t> srpdLowPass(std::span<const std::int16_t> samples, double sampleRate);

// The raw frame decisions: one value per frame (Hz, 0 unvoiced or silent), before smoothing.
std::vector<float> srpdFrames(std::span<const std::int16_t> filtered,
                              const SrpdParameters& parameters);

// The median and Hanning smoothing with the break rule; keeps the length.
std::vector<float> smoothContour(std::span<const float> values,
                                 const SmoothingParameters& parameters = {});

// The whole method: pre-filter, frames, smoothing. One value per frame; empty when the file
// is shorter than one segment or the range gives no period.
std::vector<float> trackSrpd(std::span<const std::int16_t> samples, double sampleRate,
                             double minPitch, double maxPitch);

}  // namespace sonarel::core
