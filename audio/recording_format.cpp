// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/recording_format.h"

#include <cmath>

namespace sonarel::audio {

core::WaveFormat recorderFormat(int formatNumber) {
  static constexpr std::uint32_t kRates[] = {8000, 11025, 22050, 44100, 50000};
  if (formatNumber < 0 || formatNumber > 9) formatNumber = 3;
  core::WaveFormat format;
  format.formatTag = core::kFormatPcm;
  format.channels = 1;
  format.sampleRate = kRates[formatNumber / 2];
  format.bitsPerSample = formatNumber % 2 ? 16 : 8;
  format.blockAlign = static_cast<std::uint16_t>(format.bitsPerSample / 8);
  format.bytesPerSecond = format.sampleRate * format.blockAlign;
  format.extraSize = 0;
  return format;
}

int recorderFormatNumber(core::FileKind kind, std::uint32_t voiceAnalysisRate) {
  if (kind == core::FileKind::VocalQuality) return 7;
  return voiceAnalysisRate == 11025 ? 3 : 5;
}

std::size_t blockBytes(const core::WaveFormat& format) {
  auto bytes = static_cast<std::size_t>(format.sampleRate * 0.06 * format.bitsPerSample / 8 + 1);
  if (bytes % 2) --bytes;
  return bytes;
}

double gainDecibels(int inputGain) {
  switch (inputGain) {
    case 0:
      return 0;
    case 1:
      return 5;
    case 3:
      return 15;
    default:
      return 10;
  }
}

void applyGain(std::span<std::int16_t> samples, double decibels) {
  const double factor = std::exp(decibels * 2.30259 / 20);
  for (std::int16_t& sample : samples) {
    const double product = std::trunc(sample * factor);
    sample = static_cast<std::int16_t>(product > 32767    ? 32767
                                       : product < -32767 ? -32767
                                                          : product);
  }
}

double noiseCutoffHz(int noiseReduction) {
  switch (noiseReduction) {
    case 1:
      return 85;
    case 2:
      return 125;
    case 3:
      return 200;
    default:
      return 0;
  }
}

double noiseCutoffFor(const AdapterSettings& adapter, core::FileKind kind) {
  if (!adapter.inUse || kind != core::FileKind::VoiceAnalysis) return 0;
  return noiseCutoffHz(adapter.noiseReduction);
}

}  // namespace sonarel::audio
