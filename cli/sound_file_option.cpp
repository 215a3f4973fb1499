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

// Why `path` could not be opened, in the system's words unless it is no regular file.
std::string openFailure(const std::string& path) {
  struct stat info {};
  if (stat(path.c_str(), &info) != 0) return std::strerror(errno);
  if (!S_ISREG(info.st_mode)) return core::Message{core::MessageId::ReasonNotRegularFile}.text();
  const int descriptor = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (descriptor < 0) return std::strerror(errno);
  close(descriptor);
  return std::strerror(EIO);
}

std::string readFailure(core::WaveError error, const std::string& path) {
  switch (error) {
    case core::WaveError::CannotOpen:
    case core::WaveError::CannotWrite:
    case core::WaveError::None:
      return openFailure(path);
    case core::WaveError::NotWaveFile:
      return core::Message{core::MessageId::ReasonNotWaveFile}.text();
    case core::WaveError::CannotRead:
      return core::Message{core::MessageId::ReasonCannotRead}.text();
    case core::WaveError::CorruptFile:
      return core::Message{core::MessageId::ReasonCorruptFile}.text();
    case core::WaveError::OutOfMemory:
      return core::Message{core::MessageId::ReasonOutOfMemory}.text();
  }
  return openFailure(path);
}

}  // namespace

int reportReadError(Streams streams, core::WaveError error, const std::string& path,
                    const std::string& shownAs) {
  streams.err << core::Message{core::MessageId::ErrorReadingFile}.text() << " ("
              << core::waveErrorHex(error) << "): " << (shownAs.empty() ? path : shownAs) << ": "
              << readFailure(error, path) << "\n";
  return kExitBadInput;
}

int reportRefusal(Streams streams, const std::string& path, const core::Message& message) {
  streams.err << path << ": " << message.text() << "\n";
  return kExitBadInput;
}

int usageError(Streams streams, const std::string& what) {
  streams.err << core::Message{core::MessageId::UsageError, {what}}.text() << "\n";
  return kExitUsage;
}

std::optional<int> openForAnalysis(const Arguments& args, const std::string& path,
                                   core::SampleBuffer& buffer, Streams streams,
                                   const std::string& shownAs) {
  const std::string& name = shownAs.empty() ? path : shownAs;
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
    return reportRefusal(streams, name, *refused);
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
