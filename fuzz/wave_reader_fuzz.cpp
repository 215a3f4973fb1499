// SPDX-License-Identifier: GPL-3.0-or-later
// Outside bytes as a sound file: the RIFF/WAVE reader and the acceptance rules of both file
// kinds must refuse or load them without a fault.
#include <cstdint>

#include "core/sample_buffer.h"
#include "core/wave_file.h"
#include "fuzz/scratch_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string path = sonarel::fuzz::writeScratch("input.wav", data, size);
  for (auto kind :
       {sonarel::core::FileKind::VoiceAnalysis, sonarel::core::FileKind::VocalQuality}) {
    sonarel::core::SampleBuffer buffer;
    buffer.kind = kind;
    if (!sonarel::core::openSoundFile(buffer, path)) {
      // A loaded buffer holds what its header promised, and its range lies inside it.
      if (buffer.count() <= 0 || buffer.range.last > buffer.count()) __builtin_trap();
    }
  }
  return 0;
}
