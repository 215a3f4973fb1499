// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/recording_spool.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>

#include "core/atomic_file.h"
#include "core/butterworth.h"
#include "core/regular_file.h"
#include "core/wave_file.h"

namespace sonarel::audio {
namespace {

std::string notePath(const std::string& dataFolder) {
  return dataFolder + "/grav.pending";
}

void filterBytes(std::vector<std::uint8_t>& bytes, double cutoffHz, double rate) {
  // A second-order band-stop from 0 Hz to the cutoff, over the whole recording.
  auto designed =
      core::designButterworth(static_cast<int>(core::FilterType::BandStop), 2, 0, cutoffHz, rate);
  auto* filter = std::get_if<core::ButterworthHandle>(&designed);
  if (!filter) return;
  std::vector<std::int16_t> samples(bytes.size() / 2);
  for (std::size_t i = 0; i < samples.size(); ++i) {
    samples[i] = static_cast<std::int16_t>(bytes[2 * i] | bytes[2 * i + 1] << 8);
  }
  core::runButterworth(**filter, samples);
  for (std::size_t i = 0; i < samples.size(); ++i) {
    const auto v = static_cast<std::uint16_t>(samples[i]);
    bytes[2 * i] = static_cast<std::uint8_t>(v);
    bytes[2 * i + 1] = static_cast<std::uint8_t>(v >> 8);
  }
}

// A note names its target itself, so a damaged or planted note could point anywhere: only a
// WAVE file inside the data folder is ever written by a recovery.
bool insideFolder(const std::string& target, const std::string& folder) {
  namespace fs = std::filesystem;
  if (target.empty()) return false;
  std::error_code error;
  const fs::path path = fs::weakly_canonical(target, error);
  if (error) return false;
  const fs::path root = fs::weakly_canonical(folder, error);
  if (error || path.extension() != ".wav") return false;
  const auto [rootEnd, pathRest] =
      std::mismatch(root.begin(), root.end(), path.begin(), path.end());
  return rootEnd == root.end() && pathRest != path.end();
}

}  // namespace

RecordingSpool::~RecordingSpool() {
  close();
}

bool RecordingSpool::open(const std::string& path) {
  close();
  path_ = path;
  // Without blocking, and only onto a regular file: a FIFO left in the spool's place would
  // otherwise hang the start of the recording until something read it.
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  struct stat info {};
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
      fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) {
    ::close(fd);
    return false;
  }
  file_ = fdopen(fd, "wb");
  if (!file_) ::close(fd);
  return file_ != nullptr;
}

bool RecordingSpool::append(std::span<const std::uint8_t> bytes) {
  if (!file_) return false;
  const std::size_t written = std::fwrite(bytes.data(), 1, bytes.size(), file_);
  return std::fflush(file_) == 0 && written == bytes.size();
}

std::optional<std::vector<std::uint8_t>> RecordingSpool::readBack() {
  close();
  std::ifstream in(path_, std::ios::binary);
  if (!in) return std::nullopt;
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                  std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return bytes;
}

void RecordingSpool::close() {
  if (file_) std::fclose(file_);
  file_ = nullptr;
}

std::string spoolPath(const std::string& dataFolder) {
  return dataFolder + "/grav.tmp";
}

bool writePendingNote(const std::string& dataFolder, const PendingRecording& pending) {
  std::ostringstream text;
  text << "rate=" << pending.sampleRate << "\n"
       << "kind=" << static_cast<int>(pending.kind) << "\n"
       << "filter=" << pending.noiseCutoffHz << "\n"
       << "target=" << pending.targetPath << "\n";
  return core::writeFileAtomically(notePath(dataFolder), text.str());
}

void clearPendingNote(const std::string& dataFolder) {
  std::error_code ignored;
  std::filesystem::remove(notePath(dataFolder), ignored);
}

std::optional<PendingRecording> readPendingRecording(const std::string& dataFolder) {
  constexpr std::size_t kLongestNote = 16384;
  const auto note = core::readRegularFile(notePath(dataFolder), kLongestNote);
  if (!note) return std::nullopt;
  std::istringstream in(*note);
  PendingRecording pending;
  std::string line;
  while (std::getline(in, line)) {
    const auto equals = line.find('=');
    if (equals == std::string::npos) continue;
    const std::string key = line.substr(0, equals), value = line.substr(equals + 1);
    try {
      if (key == "rate") pending.sampleRate = static_cast<std::uint32_t>(std::stoul(value));
      if (key == "kind") pending.kind = static_cast<core::FileKind>(std::stoi(value));
      if (key == "filter") pending.noiseCutoffHz = std::stod(value);
    } catch (const std::exception&) {
      return std::nullopt;
    }
    if (key == "target") pending.targetPath = value;
  }
  const bool knownRate =
      pending.sampleRate == 11025 || pending.sampleRate == 22050 || pending.sampleRate == 44100;
  const bool knownKind =
      pending.kind == core::FileKind::VoiceAnalysis || pending.kind == core::FileKind::VocalQuality;
  const bool possibleFilter =
      pending.noiseCutoffHz >= 0 && pending.noiseCutoffHz < pending.sampleRate / 2.0;
  if (!knownRate || !knownKind || !possibleFilter ||
      !insideFolder(pending.targetPath, dataFolder)) {
    return std::nullopt;
  }
  std::error_code error;
  const auto size = std::filesystem::file_size(spoolPath(dataFolder), error);
  if (error || size < 2 || !core::isRegularFile(spoolPath(dataFolder))) return std::nullopt;
  pending.spooledBytes = size - size % 2;
  return pending;
}

std::optional<core::Message> finishSpooledRecording(const std::string& dataFolder,
                                                    const PendingRecording& pending,
                                                    std::vector<std::uint8_t> bytes) {
  bytes.resize(bytes.size() - bytes.size() % 2);
  if (pending.noiseCutoffHz > 0) filterBytes(bytes, pending.noiseCutoffHz, pending.sampleRate);
  auto failure = core::writeWave(pending.targetPath, core::pcm16MonoFormat(pending.sampleRate),
                                 std::span<const std::uint8_t>(bytes));
  if (!failure) clearPendingNote(dataFolder);
  return failure;
}

std::optional<core::Message> recoverPendingRecording(const std::string& dataFolder,
                                                     const PendingRecording& pending) {
  const auto spooled =
      core::readRegularFile(spoolPath(dataFolder), std::numeric_limits<std::size_t>::max());
  if (!spooled) return core::Message{core::MessageId::ErrorReadingFile};
  return finishSpooledRecording(dataFolder, pending,
                                std::vector<std::uint8_t>(spooled->begin(), spooled->end()));
}

}  // namespace sonarel::audio
