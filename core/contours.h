// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The per-recording analysis results that displays, statistics and exports read.
//
// F0Contour: F0 in Hz per analysis frame, 0 for an unvoiced, silent or out-of-range frame.
// Frame i stands for sample i * (sampleCount / frameCount): the frames are treated as evenly
// spread over the whole file, whatever the tracker's real frame times.
//
// IntensityContour: intensity in dB (never below 0) per short frame; IntensityColumns: the
// same reduced to the 340 columns that statistics, exports and silence masking read.

#include <array>
#include <cstdint>
#include <vector>

namespace sonarel::core {

constexpr int kVoicingColumns = 680;    // the waveform strip's pixel columns
constexpr int kIntensityColumns = 340;  // the intensity display's columns

struct F0Contour {
  std::vector<float> values;  // Hz per frame; empty when the method produced nothing

  std::int32_t frameCount() const { return static_cast<std::int32_t>(values.size()); }
};

// 1 where the contour column is voiced, 0 elsewhere (all 0 for an empty contour).
using VoicingMap = std::array<std::uint8_t, kVoicingColumns>;

struct IntensityContour {
  std::vector<float> values;  // dB per frame

  std::int32_t frameCount() const { return static_cast<std::int32_t>(values.size()); }
};

using IntensityColumns = std::array<float, kIntensityColumns>;

}  // namespace sonarel::core
