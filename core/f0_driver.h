// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The F0 driver: runs the method the settings choose over a recording and turns its track
// into the F0Contour and VoicingMap the rest of the system reads.
//
//   AutoCorrelation (1): the samples band-passed 40-2000 Hz (4th-order Butterworth), then
//     the Hanning autocorrelation tracker over 3-period windows; values below minPitch or
//     above maxPitch become 0.
//   CrossCorrelation (2): the unfiltered samples through the cross-correlation tracker
//     over 1-period windows; values below minPitch or not below maxPitch become 0.
//   Both: frames every 20 ms, 15 candidates, silence threshold 0.03, voicing threshold
//     0.45, octave cost 0.01, octave-jump cost 0.35, voiced/unvoiced cost 0.14, ceiling
//     maxPitch.
//   SRPD (0): super-resolution pitch determination over 8-ms frames, smoothed; values that
//     are not numbers or lie below minPitch become 0.
//   AMDF (3): integer F0 per 10-ms frame from the average magnitude difference function,
//     searched from max(minPitch - 20, 50) Hz to maxPitch; "maxpitch must be > minpitch"
//     when that range is empty.
//   LPC AutoCorrelation (4): the normalised cross-correlation tracker over 10-s stretches,
//     100 frames per second, always 60-1000 Hz.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/analysis_control.h"
#include "core/contours.h"
#include "core/f0_settings.h"
#include "core/message.h"
#include "core/pitch_track.h"
#include "core/sample_buffer.h"

namespace sonarel::core {

enum class F0Outcome {
  Computed,       // the contour (empty if the tracker refused the file) and map are new
  Cancelled,      // a stop was requested; contour and map are as they were
  InvalidMethod,  // an index no method has; contour and map are as they were
  OutOfMemory     // memory ran out; contour and map are as they were, the flag stays clear
};

struct F0Result {
  F0Outcome outcome;
  // "Invalid Method!", the memory message, or a refusal of the range that left the
  // contour empty.
  std::optional<Message> message = std::nullopt;
  // Lines a tracker leaves for the diagnostic stream (standard error); never shown in a
  // message box and never printed by the library itself.
  std::vector<std::string> diagnostics = {};
};

// The tracker parameters the driver uses for a method and range.
PitchParameters f0TrackerParameters(F0Method method, const F0Settings& settings);

// Whether the driver stores 0 for a tracked value f: below minPitch or above maxPitch for
// AutoCorrelation, below minPitch or at or above maxPitch for CrossCorrelation.
bool f0OutsideRange(F0Method method, double f, const F0Settings& settings);

// Runs `settings.method` over the samples into `contour` and `map`.
F0Result runF0Method(std::span<const std::int16_t> samples, double sampleRate,
                     const F0Settings& settings, F0Contour& contour, VoicingMap& map,
                     const AnalysisControl& control = {});

// The results a view keeps for its recording.
struct VoiceAnalysis {
  F0Contour f0;
  VoicingMap voicing{};
  IntensityContour intensity;
  IntensityColumns intensityColumns{};
};

// The view's computeF0: runs the method unless the buffer's F0 flag says the contour is
// current, and sets the flag (also after a refusal or an invalid method, not after a
// cancellation); then builds the intensity contour and its columns unless the intensity
// flag is set, leaving that flag to the commands that own it.
F0Result computeF0(SampleBuffer& buffer, const F0Settings& settings, VoiceAnalysis& results,
                   const AnalysisControl& control = {});

}  // namespace sonarel::core
