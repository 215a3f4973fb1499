// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One voiced segment of a vocal-quality recording and its seven per-frame measures.
//
// The measures are kept in a fixed order, which is also the order of the segment cache file
// and of every consumer: jitter, shimmer, F0, GNE, correlation, irregularity, noise. Each
// array holds frameCount values; frame k is the k-th 500-ms analysis window, 250 ms after
// the previous one (see frame_timing.h for where the view places it).
//
// The arrays are owned by the SegmentResult (plain vectors): copying or moving a result
// carries its arrays with it, and nothing is freed by hand.

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace sonarel::quality {

enum class Measure : int {
  Jitter = 0,        // period perturbation quotient (PPQ), percent
  Shimmer = 1,       // energy perturbation quotient (EPQ), percent
  F0 = 2,            // fundamental frequency, Hz
  Gne = 3,           // glottal-to-noise excitation ratio, 0 to 1
  Correlation = 4,   // mean waveform correlation of successive cycles, -1 to 1
  Irregularity = 5,  // 0 to 10
  Noise = 6,         // 0 to 5
};

constexpr int kMeasureCount = 7;

constexpr std::array<Measure, kMeasureCount> kAllMeasures{
    Measure::Jitter,      Measure::Shimmer,      Measure::F0,   Measure::Gne,
    Measure::Correlation, Measure::Irregularity, Measure::Noise};

// "jitter", "shimmer", "f0", "gne", "correlation", "irregularity", "noise".
std::string_view measureName(Measure measure);

struct SegmentResult {
  std::int32_t start = 0;       // first sample of the segment in the recording
  std::int32_t length = 0;      // samples
  std::int32_t frameCount = 0;  // values in each of the seven arrays
  std::array<std::vector<float>, kMeasureCount> measures;

  std::vector<float>& values(Measure m) { return measures[static_cast<int>(m)]; }
  const std::vector<float>& values(Measure m) const { return measures[static_cast<int>(m)]; }
  float value(Measure m, int frame) const { return values(m)[frame]; }

  // Sets frameCount and sizes every array to it, filled with 0.
  void resizeFrames(std::int32_t frames);
  // True when every array holds exactly frameCount values.
  bool consistent() const;

  bool operator==(const SegmentResult&) const = default;
};

}  // namespace sonarel::quality
