// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdio>
#include <ostream>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/sound_file_option.h"
#include "core/sample_buffer.h"
#include "core/wave_file.h"

namespace sonarel::cli {

int runInfo(const std::vector<std::string>& words, Streams streams) {
  const Arguments args = parseArguments(words, {"--kind"}, {});
  if (!args.error.empty() || args.positional.size() != 1) {
    return usageError(streams, args.error.empty() ? "info takes one FILE" : args.error);
  }
  const InputFile input(args.positional[0]);
  if (auto stop = input.failure(streams)) return *stop;
  const std::string path = args.positional[0] == "-" ? kStandardInputName : args.positional[0];
  const core::LoadedWave wave = core::loadWave(input.path());
  if (wave.error != core::WaveError::None) {
    return reportReadError(streams, wave.error, input.path(), path);
  }

  const auto kind = kindOption(args, wave.format.sampleRate);
  if (!kind) return usageError(streams, "--kind takes voice or quality");

  const core::WaveFormat& f = wave.format;
  // Frames, not 16-bit words: a stereo or 24-bit file holds fewer frames than words.
  const std::uint64_t frames = wave.dataBytes / core::frameBytes(f);
  char duration[32];
  std::snprintf(duration, sizeof duration, "%.6f",
                f.sampleRate ? static_cast<double>(frames) / f.sampleRate : 0.0);
  streams.out << "format tag: " << f.formatTag << "\n"
              << "channels: " << f.channels << "\n"
              << "sample rate: " << f.sampleRate << "\n"
              << "bits per sample: " << f.bitsPerSample << "\n"
              << "block align: " << f.blockAlign << "\n"
              << "bytes per second: " << f.bytesPerSecond << "\n"
              << "extra size: " << f.extraSize << "\n"
              << "samples: " << frames << "\n"
              << "duration: " << duration << " s\n";
  if (wave.samples.empty()) {
    return reportRefusal(streams,
                         core::Message{core::MessageId::ErrorReadingFile}.with(
                             {core::MessageId::FileNoSamples, {input.path()}}),
                         input.path(), path);
  }
  if (auto refused = core::acceptanceRefusal(*kind, f, input.path())) {
    return reportRefusal(streams, *refused, input.path(), path);
  }
  streams.out << core::Message{*kind == core::FileKind::VocalQuality
                                   ? core::MessageId::AcceptedVocalQuality
                                   : core::MessageId::AcceptedVoiceAnalysis}
                     .text()
              << "\n";
  return kExitOk;
}

}  // namespace sonarel::cli
