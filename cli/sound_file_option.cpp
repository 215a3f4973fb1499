// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/sound_file_option.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

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

namespace {

// The message with the file at `path` named as `shownAs` (standard input's copy as "-").
core::Message namedAs(core::Message message, const std::string& path, const std::string& shownAs) {
  if (shownAs.empty()) return message;
  for (core::Message& detail : message.details) {
    for (std::string& argument : detail.arguments) {
      if (argument == path) argument = shownAs;
    }
  }
  return message;
}

}  // namespace

int reportReadError(Streams streams, core::WaveError error, const std::string& path,
                    const std::string& shownAs) {
  const core::Message why = namedAs(
      core::Message{core::MessageId::ErrorReadingFile}.with(core::readFailureReason(path, error)),
      path, shownAs);
  streams.err << why.text() << " (" << core::waveErrorHex(error) << ")\n"
              << why.detailText() << "\n";
  return kExitBadInput;
}

int reportRefusal(Streams streams, core::Message refusal, const std::string& path,
                  const std::string& shownAs) {
  streams.err << namedAs(std::move(refusal), path, shownAs).lines() << "\n";
  return kExitBadInput;
}

int usageError(Streams streams, const std::string& what) {
  streams.err << core::Message{core::MessageId::UsageError, {what}}.text() << "\n";
  return kExitUsage;
}

std::optional<int> openForAnalysis(const Arguments& args, const std::string& path,
                                   core::SampleBuffer& buffer, Streams streams,
                                   const std::string& shownAs) {
  // The rate decides the kind only when --kind is absent, so the format is read first.
  const core::OpenedWave probe = core::openWaveForRead(path);
  if (probe.error != core::WaveError::None) {
    return reportReadError(streams, probe.error, path, shownAs);
  }
  const auto kind = kindOption(args, probe.format.sampleRate);
  if (!kind) return usageError(streams, "--kind takes voice or quality");
  buffer.kind = *kind;
  core::WaveError error = core::WaveError::None;
  if (auto refused = core::openSoundFile(buffer, path, &error)) {
    if (error != core::WaveError::None) return reportReadError(streams, error, path, shownAs);
    return reportRefusal(streams, *refused, path, shownAs);
  }
  return std::nullopt;
}

InputFile::InputFile(const std::string& word) : path_(word) {
  if (word != "-") return;
  const char* folder = std::getenv("TMPDIR");
  std::string pattern = std::string(folder && *folder ? folder : "/tmp") + "/sonarel-stdin-XXXXXX";
  const int descriptor = mkstemp(pattern.data());
  if (descriptor < 0) {
    error_ = pattern + ": " + std::strerror(errno);
    return;
  }
  path_ = pattern;
  temporary_ = true;
  char block[65536];
  for (;;) {
    const ssize_t got = read(STDIN_FILENO, block, sizeof block);
    if (got == 0) break;
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      error_ = std::string(kStandardInputName) + ": " + std::strerror(errno);
      break;
    }
    for (ssize_t done = 0; done < got && error_.empty();) {
      const ssize_t put = write(descriptor, block + done, static_cast<std::size_t>(got - done));
      if (put < 0 && errno == EINTR) continue;
      if (put < 0) error_ = path_ + ": " + std::strerror(errno);
      done += put < 0 ? 0 : put;
    }
    if (!error_.empty()) break;
  }
  close(descriptor);
}

InputFile::~InputFile() {
  if (temporary_) unlink(path_.c_str());
}

std::optional<int> InputFile::failure(Streams streams) const {
  if (error_.empty()) return std::nullopt;
  streams.err << core::Message{core::MessageId::ErrorReadingFile}.text() << ": " << error_ << "\n";
  return kExitBadInput;
}

}  // namespace sonarel::cli
