// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The recorder's fixed rules: its table of formats, the 60-ms block, the adapter's gain
// and noise-reduction choices. Plain functions, no device.

#include <cstddef>
#include <cstdint>
#include <span>

#include "core/sample_buffer.h"
#include "core/wave_format.h"

namespace sonarel::audio {

// Format numbers 0..9: even numbers are 8-bit, odd numbers 16-bit; each pair shares a rate
// (8000, 11025, 22050, 44100, 50000 Hz). Mono PCM, no extra bytes. Numbers outside the table
// give the 16-bit 11025-Hz format.
core::WaveFormat recorderFormat(int formatNumber);

// 7 for vocal quality (44100 Hz); for voice analysis 3 at 11025 Hz and 5 at any other rate.
int recorderFormatNumber(core::FileKind kind, std::uint32_t voiceAnalysisRate);

// 60 ms of sound in bytes, made even: 1324 at 11025 Hz, 2646 at 22050, 5292 at 44100 (16 bits).
std::size_t blockBytes(const core::WaveFormat& format);

// Recordings stop by themselves at this length.
constexpr double kMaxRecordingSeconds = 120.0;

// The settings of the USB adapter, as the frame keeps them.
struct AdapterSettings {
  bool inUse = false;
  int noiseReduction = 0;  // 0 none, 1 low, 2 middle, 3 high
  int inputGain = 0;       // 0 none, 1 5 dB, 2 10 dB, 3 15 dB
};

// The gain of a choice in dB: 0 for none, 5, 10, 15; any other non-zero choice is 10.
double gainDecibels(int inputGain);

// Multiplies every sample by 10^(dB/20), truncating, and holds the magnitude at 32767.
void applyGain(std::span<std::int16_t> samples, double decibels);

// The upper edge of the band-stop noise filter: 0 (no filter), 85, 125 or 200 Hz.
double noiseCutoffHz(int noiseReduction);

// Whether a recording with these settings has a settling second and a gain stage.
inline bool adapterGainApplies(const AdapterSettings& adapter) {
  return adapter.inUse && adapter.inputGain != 0;
}
// The filter's cutoff for a file of `kind`: vocal-quality files are never filtered.
double noiseCutoffFor(const AdapterSettings& adapter, core::FileKind kind);

}  // namespace sonarel::audio
