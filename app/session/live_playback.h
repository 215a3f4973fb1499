// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Playing a recording with its analysis drawn in step: how the recording is cut into the 680
// output blocks of the waveform strip's columns, which column the sound has reached, and the
// spectra the two spectrum displays show column by column. No widget code.

#include <cstdint>
#include <span>
#include <vector>

#include "spectral/lpc_spectrum.h"
#include "spectral/power_spectrum.h"

namespace sonarel::app {

constexpr int kLiveColumns = 680;
// The first block: the first 1500 samples (or all there are).
constexpr std::int64_t kLiveFirstBlock = 1500;

// The 680 blocks: block 0 holds the first 1500 samples, blocks 1 to 679 follow it with
// `step` samples each. The samples after the last block are not played.
struct LiveBlocks {
  std::int64_t first = 0;  // samples in block 0
  std::int64_t step = 0;   // samples in each of blocks 1 to 679 (0 for short recordings)

  static LiveBlocks of(std::int64_t sampleCount);
  // The samples handed to the output: the blocks end to end.
  std::int64_t playedLength() const { return first + (kLiveColumns - 1) * step; }
  // The blocks completely heard once `played` samples have been (0 to 680).
  int finishedBlocks(std::int64_t played) const;
};

// The column the display shows after `finished` blocks: 0 to 679, or -1 once all 680 are done
// and the display ends.
inline int columnAfter(int finished) {
  return finished >= kLiveColumns ? -1 : finished;
}

// The spectrum shown at each column of a live spectrum display: one spectrum per frame,
// recomputed when the column reaches the next frame.
struct LiveSpectra {
  std::vector<std::vector<float>> levels;  // per computed frame
  std::vector<int> frameOfColumn;          // kLiveColumns entries; -1: nothing to show
  const std::vector<float>* at(int column) const;
};

// Every how many columns a display showing frames of `frameLength` samples computes the next
// frame: 680 / (N / frameLength), at least 1; 680 (once) when the recording holds no whole frame.
int liveFrameInterval(std::int64_t sampleCount, int frameLength);

// The LPC spectrum (680 levels) of the 256 samples starting at column c's time c * (N / 680).
LiveSpectra liveLpcSpectra(std::span<const std::int16_t> samples,
                           const spectral::LpcSettings& settings);
// The power spectrum of one frame of the configured length starting at c * (N / 680).
LiveSpectra livePowerSpectra(std::span<const std::int16_t> samples,
                             const spectral::PowerSpectrumSettings& settings);

}  // namespace sonarel::app
