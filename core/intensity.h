// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The intensity contour: a short Hamming-window energy envelope in dB of the raw 16-bit
// values (not normalised by the window, so silence is 0 dB and a full-scale constant about
// 94 dB at 11025 Hz), its reduction to the display's 340 columns, and the intensity scale
// settings.

#include <cstdint>
#include <optional>
#include <span>

#include "core/contours.h"
#include "core/message.h"
#include "core/sample_buffer.h"

namespace sonarel::core {

// Window and step in samples for a file kind at `sampleRate` Hz, halves rounded up:
// voice analysis 0.45 ms every 0.25 ms, vocal quality 0.5 ms every 0.25 ms; never below 1.
struct IntensityGeometry {
  std::int64_t window;
  std::int64_t step;
};
IntensityGeometry intensityGeometry(FileKind kind, double sampleRate);

// One value per whole window, windows starting every step from sample 0; a file shorter
// than one window gives no frames.
IntensityContour computeIntensity(std::span<const std::int16_t> samples, double sampleRate,
                                  FileKind kind);

// With f = frameCount / 340, column c is the mean of the values at floor(c f) + j for
// j = 0, 1, ... while j < f; with fewer frames than columns it takes the single value at
// floor(c f). All 0 for an empty contour.
IntensityColumns intensityColumns(const IntensityContour& contour);

struct IntensitySettings {
  int lowLimit = 10;    // dB, bottom of the intensity scale
  int highLimit = 100;  // dB, top of the intensity scale

  bool operator==(const IntensitySettings&) const = default;
};

// The "Configure Intensity" checks in order: Low outside 0..60 "Low Limit: 0 to 60 dB",
// then High outside 70..140 "High Limit: 70 to 140 dB". Nothing when both are accepted.
std::optional<MessageId> validateIntensitySettings(const IntensitySettings& settings);

}  // namespace sonarel::core
