// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/sound_file_option.h"

#include <ostream>

#include "core/wave_file.h"

namespace sonarel::cli {

std::optional<core::FileKind> kindOption(const Arguments& args, std::uint32_t sampleRate) {
  const auto named = args.option("--kind");
  if (!named) return core::kindForRate(sampleRate);
  if (*named == "voice") return core::FileKind::VoiceAnalysis;
  if (*named == "quality") return core::FileKind::VocalQuality;
  return std::nullopt;
}

int reportReadError(Streams streams, core::WaveError error, const std::string& path) {
  streams.err << core::Message{core::MessageId::ErrorReadingFile}.text() << " ("
              << core::waveErrorHex(error) << ")\n"
              << core::readFailureReason(path, error).text() << "\n";
  return kExitBadInput;
}

int usageError(Streams streams, const std::string& what) {
  streams.err << core::Message{core::MessageId::UsageError, {what}}.text() << "\n";
  return kExitUsage;
}

std::optional<int> openForAnalysis(const Arguments& args, const std::string& path,
                                   core::SampleBuffer& buffer, Streams streams) {
  // The rate decides the kind only when --kind is absent, so the format is read first.
  const core::OpenedWave probe = core::openWaveForRead(path);
  if (probe.error != core::WaveError::None) return reportReadError(streams, probe.error, path);
  const auto kind = kindOption(args, probe.format.sampleRate);
  if (!kind) return usageError(streams, "--kind takes voice or quality");
  buffer.kind = *kind;
  core::WaveError error = core::WaveError::None;
  if (auto refused = core::openSoundFile(buffer, path, &error)) {
    if (error != core::WaveError::None) return reportReadError(streams, error, path);
    streams.err << refused->lines() << "\n";
    return kExitBadInput;
  }
  return std::nullopt;
}

}  // namespace sonarel::cli
