// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/backup_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sndfile.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <vector>

#include "core/atomic_file.h"
#include "core/regular_file.h"
#include "core/wave_file.h"

namespace sonarel::records {
namespace {

constexpr std::size_t kChunk = 1 << 20;

// 64-bit FNV-1a over the bytes, eight lanes at a time so that it keeps up with the disk.
class ContentHash {
 public:
  void add(const unsigned char* bytes, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
      std::uint64_t& lane = lanes_[position_++ & 7];
      lane = (lane ^ bytes[i]) * 0x100000001b3ULL;
    }
  }
  std::uint64_t value() const {
    std::uint64_t h = 0xcbf29ce484222325ULL;
    for (std::uint64_t lane : lanes_) h = (h ^ lane) * 0x100000001b3ULL;
    return h ^ position_;
  }

 private:
  std::uint64_t lanes_[8] = {0xcbf29ce484222325ULL, 0x84222325cbf29ce4ULL, 1, 2, 3, 4, 5, 6};
  std::uint64_t position_ = 0;
};

ssize_t readSome(int fd, unsigned char* buffer, std::size_t size) {
  for (;;) {
    const ssize_t got = read(fd, buffer, size);
    if (got >= 0 || errno != EINTR) return got;
  }
}

}  // namespace

std::optional<Fingerprint> copyFile(const std::string& source, const std::string& target) {
  const int in = core::openRegularFile(source);
  if (in < 0) return std::nullopt;
  struct stat info {};
  if (fstat(in, &info) != 0) {
    close(in);
    return std::nullopt;
  }
  auto out = core::AtomicFile::create(target);
  if (!out) {
    close(in);
    return std::nullopt;
  }
  std::vector<unsigned char> buffer(kChunk);
  ContentHash hash;
  Fingerprint print;
  bool ok = true;
  for (;;) {
    const ssize_t got = readSome(in, buffer.data(), buffer.size());
    if (got < 0) ok = false;
    if (got <= 0) break;
    const auto count = static_cast<std::size_t>(got);
    hash.add(buffer.data(), count);
    print.size += count;
    if (std::fwrite(buffer.data(), 1, count, out->stream()) != count) {
      ok = false;
      break;
    }
  }
  close(in);
  if (!ok || std::fflush(out->stream()) != 0) return std::nullopt;
  // Dated once every byte is written, so that nothing moves the date afterwards.
  const timespec times[2] = {info.st_atim, info.st_mtim};
  if (futimens(fileno(out->stream()), times) != 0 || !out->commit()) return std::nullopt;
  print.hash = hash.value();
  return print;
}

std::optional<Fingerprint> fingerprintOf(const std::string& path) {
  const int in = core::openRegularFile(path);
  if (in < 0) return std::nullopt;
  posix_fadvise(in, 0, 0, POSIX_FADV_SEQUENTIAL);
  std::vector<unsigned char> buffer(kChunk);
  ContentHash hash;
  Fingerprint print;
  for (;;) {
    const ssize_t got = readSome(in, buffer.data(), buffer.size());
    if (got < 0) {
      close(in);
      return std::nullopt;
    }
    if (got == 0) break;
    hash.add(buffer.data(), static_cast<std::size_t>(got));
    print.size += static_cast<std::uint64_t>(got);
  }
  close(in);
  print.hash = hash.value();
  return print;
}

bool decodeCompressed(const std::string& source, const std::string& target) {
  if (!core::isRegularFile(source)) return false;
  SF_INFO info{};
  SNDFILE* file = sf_open(source.c_str(), SFM_READ, &info);
  if (!file) return false;
  const int channels = info.channels > 0 ? info.channels : 1;
  std::vector<short> frames(4096 * static_cast<std::size_t>(channels));
  std::vector<std::int16_t> mono;
  // Read to the end: the frame count of some compressed files is only an estimate.
  for (;;) {
    const sf_count_t got = sf_readf_short(file, frames.data(), 4096);
    if (got <= 0) break;
    for (sf_count_t f = 0; f < got; ++f) {
      int sum = 0;
      for (int c = 0; c < channels; ++c) sum += frames[static_cast<std::size_t>(f * channels + c)];
      mono.push_back(static_cast<std::int16_t>(sum / channels));
    }
  }
  const bool failed = sf_error(file) != SF_ERR_NO_ERROR;
  sf_close(file);
  if (failed || info.samplerate <= 0) return false;
  return !core::writeWave(target,
                          core::pcm16MonoFormat(static_cast<std::uint32_t>(info.samplerate)),
                          std::span<const std::int16_t>(mono));
}

bool writeMarker(const std::string& path, const timespec& when) {
  auto file = core::AtomicFile::create(path);
  if (!file) return false;
  const timespec times[2] = {when, when};
  return futimens(fileno(file->stream()), times) == 0 && file->commit();
}

bool setModificationTime(const std::string& path, const timespec& when) {
  const timespec times[2] = {when, when};
  return utimensat(AT_FDCWD, path.c_str(), times, 0) == 0;
}

std::optional<struct stat> statRegular(const std::string& path) {
  struct stat info {};
  if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
  return info;
}

bool isFolder(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool pathExists(const std::string& path) {
  struct stat info {};
  return lstat(path.c_str(), &info) == 0;
}

std::vector<std::string> folderEntries(const std::string& folder) {
  std::vector<std::string> names;
  DIR* listing = opendir(folder.c_str());
  if (!listing) return names;
  while (const dirent* entry = readdir(listing)) {
    const std::string name = entry->d_name;
    if (name != "." && name != "..") names.push_back(name);
  }
  closedir(listing);
  return names;
}

bool syncFolder(const std::string& folder) {
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool ok = fsync(fd) == 0;
  close(fd);
  return ok;
}

bool removeTree(const std::string& path) {
  std::error_code error;
  std::filesystem::remove_all(path, error);
  return !pathExists(path);
}

std::optional<std::string> readText(const std::string& path) {
  return core::readRegularFile(path, 64 << 20);
}

}  // namespace sonarel::records
