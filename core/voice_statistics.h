// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The numbers a clinician files for a stretch of a voice-analysis recording: F0 modes, mean,
// extremes, spread and range in semitones from the F0 contour; intensity extremes, mean and
// spread from the 340 intensity columns; the voiced and the speech shares of the time.
//
// Every function takes the whole-file results and the range in samples; none allocates per
// frame, and none divides by a zero-length range (an empty stretch gives zeros, and the
// shares of an empty stretch are 1 by their cap).

#include <array>
#include <cstdint>

#include "core/analysis_range.h"
#include "core/contours.h"
#include "core/f0_histogram.h"

namespace sonarel::core {

constexpr int kMaxModes = kHistogramBins;

struct VoiceStatistics {
  std::array<double, kMaxModes> modes{};              // Hz, in bin order
  int modeCount = 1;                                  // at least one (a mode of 0 Hz when unvoiced)
  double meanF0 = 0, minF0 = 0, maxF0 = 0, sdF0 = 0;  // Hz
  double semitoneRange = 0;                           // 12 log2(maxF0 / minF0)
  double minIntensity = 0, maxIntensity = 0, meanIntensity = 0, sdIntensity = 0;  // dB
};

struct StatisticsInput {
  const F0Contour& f0;
  const IntensityColumns& intensity;
  std::int64_t sampleCount;
  AnalysisRange range;
};

VoiceStatistics computeVoiceStatistics(const StatisticsInput& input);

// The F0 part alone (modes, mean, extremes, spread, semitones), from the histogram of the
// same frames.
void computeF0Statistics(const F0Contour& f0, const FrameSpan& frames, VoiceStatistics& out);
// The intensity part alone, over the columns of the range.
void computeIntensityStatistics(const IntensityColumns& columns, std::int64_t sampleCount,
                                const AnalysisRange& range, VoiceStatistics& out);

// 12 * log2(f / 100 Hz) for each end, a term being 0 when its frequency is not above 0.
double semitoneSpan(double minF0, double maxF0);
// The semitones shown: rounded half up.
int roundedSemitones(double semitoneRange);

// Shares of the range, each from 0 to 1.
struct TimeShares {
  double voiced = 0;  // frames with F0 above 0
  double speech = 0;  // intensity columns not below the silence threshold
};
TimeShares computeTimeShares(const F0Contour& f0, const IntensityColumns& intensity,
                             std::int64_t sampleCount, const AnalysisRange& range,
                             double silenceThresholdDb);

}  // namespace sonarel::core
