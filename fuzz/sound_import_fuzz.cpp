// SPDX-License-Identifier: GPL-3.0-or-later
// Outside bytes as a sound file to import: whatever libsndfile makes of them, a source that
// reads has whole frames, and every channel choice of it stays within its samples.
#include <cstdint>
#include <variant>

#include "fuzz/scratch_file.h"
#include "spectral/sound_import.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace sonarel::spectral;
  const std::string path = sonarel::fuzz::writeScratch("import.snd", data, size);
  // A minute at most, so that a header promising hours is refused before it is read.
  const auto read = ReadImportSource(path, 60);
  const auto* source = std::get_if<ImportSource>(&read);
  if (!source) return 0;
  if (source->channels < 1 || source->samples.size() % source->channels != 0) __builtin_trap();
  for (auto choice : {ChannelChoice::Left, ChannelChoice::Right, ChannelChoice::Mix}) {
    const auto mono = ChooseChannel(source->samples, source->channels, choice);
    if (static_cast<std::int64_t>(mono.size()) != source->frames()) __builtin_trap();
  }
  return 0;
}
