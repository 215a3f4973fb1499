// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The format record of a WAVE file's "fmt " chunk and the reader's error codes.

#include <cstdint>
#include <vector>

namespace sonarel::core {

// Error codes of the WAVE reader (and 0xE104 of the writer), as the file layer reports them.
enum class WaveError : std::uint16_t {
  None = 0,
  OutOfMemory = 0xE000,
  CannotOpen = 0xE100,
  NotWaveFile = 0xE101,
  CannotRead = 0xE102,
  CorruptFile = 0xE103,
  CannotWrite = 0xE104,
};

constexpr std::uint16_t kFormatPcm = 1;

// The "fmt " chunk: 16 bytes on disk for PCM, followed by extraSize and the extra bytes for
// other tags. In memory extraSize is always present (0 for PCM).
struct WaveFormat {
  std::uint16_t formatTag = kFormatPcm;
  std::uint16_t channels = 1;
  std::uint32_t sampleRate = 0;  // Hz
  std::uint32_t bytesPerSecond = 0;
  std::uint16_t blockAlign = 2;
  std::uint16_t bitsPerSample = 16;
  std::uint16_t extraSize = 0;
  std::vector<std::uint8_t> extra;  // extraSize bytes, non-PCM tags only

  bool operator==(const WaveFormat&) const = default;
};

// The format record of 16-bit mono PCM at `sampleRate` Hz.
WaveFormat pcm16MonoFormat(std::uint32_t sampleRate);

}  // namespace sonarel::core
