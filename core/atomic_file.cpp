// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/atomic_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <string_view>
#include <utility>
#include <vector>

namespace sonarel::core {
namespace {

// The new file keeps the mode of the file it replaces; a new one gets the usual mode.
mode_t modeFor(const std::string& target) {
  struct stat info {};
  if (stat(target.c_str(), &info) == 0) return info.st_mode & 07777;
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

constexpr char kTemporaryMark[] = ".tmp-";
constexpr std::size_t kTemporarySuffix = 6;  // the letters mkstemp puts in place of XXXXXX
constexpr time_t kStaleSeconds = 60;

bool mkstempSuffix(std::string_view s) {
  return s.size() == kTemporarySuffix && std::all_of(s.begin(), s.end(), [](char c) {
           return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
         });
}

}  // namespace

namespace {

// Removes the stale temporaries of ours in `folder` whose names begin with `prefix` (a
// target's name and the mark), or any target's when `prefix` is empty.
std::size_t sweepFolder(const std::string& folder, const std::string& prefix) {
  DIR* listing = opendir(folder.c_str());
  if (!listing) return 0;
  const time_t now = std::time(nullptr);
  std::size_t removed = 0;
  while (const dirent* entry = readdir(listing)) {
    const std::string_view name(entry->d_name);
    const std::size_t mark = name.rfind(kTemporaryMark);
    const bool ours =
        prefix.empty() ? mark != std::string_view::npos && mark > 0 &&
                             mkstempSuffix(name.substr(mark + sizeof kTemporaryMark - 1))
                       : name.size() == prefix.size() + kTemporarySuffix &&
                             name.starts_with(prefix) && mkstempSuffix(name.substr(prefix.size()));
    if (!ours) continue;
    struct stat info {};
    if (fstatat(dirfd(listing), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0 ||
        !S_ISREG(info.st_mode) || info.st_uid != geteuid() || now - info.st_mtime < kStaleSeconds) {
      continue;
    }
    if (unlinkat(dirfd(listing), entry->d_name, 0) == 0) ++removed;
  }
  closedir(listing);
  return removed;
}

}  // namespace

std::size_t removeStaleTemporaries(const std::string& target) {
  const auto slash = target.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : target.substr(0, slash + 1);
  return sweepFolder(
      folder, (slash == std::string::npos ? target : target.substr(slash + 1)) + kTemporaryMark);
}

std::size_t removeStaleTemporariesIn(const std::string& folder) {
  return sweepFolder(folder, "");
}

std::optional<Message> replacementRefusal(const std::string& target) {
  struct stat info {};
  if (stat(target.c_str(), &info) != 0) return std::nullopt;
  if (!S_ISREG(info.st_mode)) return Message{MessageId::TargetNotRegularFile, {target}};
  if ((info.st_mode & 0222) == 0 || access(target.c_str(), W_OK) != 0) {
    return Message{MessageId::TargetReadOnly, {target}};
  }
  return std::nullopt;
}

Message writeFailure(const std::string& target, Message otherwise) {
  return replacementRefusal(target).value_or(std::move(otherwise));
}

std::unique_ptr<AtomicFile> AtomicFile::create(const std::string& target) {
  if (replacementRefusal(target)) return nullptr;
  removeStaleTemporaries(target);
  std::string pattern = target + kTemporaryMark + "XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  const int fd = mkstemp(name.data());
  if (fd < 0) return nullptr;
  std::string temporary(name.data());
  fchmod(fd, modeFor(target));
  std::FILE* stream = fdopen(fd, "wb");
  if (!stream) {
    close(fd);
    unlink(temporary.c_str());
    return nullptr;
  }
  std::setvbuf(stream, nullptr, _IOFBF, 1 << 16);
  return std::unique_ptr<AtomicFile>(new AtomicFile(target, std::move(temporary), stream));
}

AtomicFile::AtomicFile(std::string target, std::string temporary, std::FILE* stream)
    : target_(std::move(target)), temporary_(std::move(temporary)), stream_(stream) {}

AtomicFile::~AtomicFile() {
  discard();
}

void AtomicFile::discard() {
  if (stream_) {
    std::fclose(stream_);
    stream_ = nullptr;
    unlink(temporary_.c_str());
  }
}

bool AtomicFile::commit() {
  if (!stream_) return false;
  const bool written =
      std::fflush(stream_) == 0 && std::ferror(stream_) == 0 && fsync(fileno(stream_)) == 0;
  const bool closed = std::fclose(stream_) == 0;
  stream_ = nullptr;
  if (!written || !closed || std::rename(temporary_.c_str(), target_.c_str()) != 0) {
    unlink(temporary_.c_str());
    return false;
  }
  return true;
}

bool writeFileAtomically(const std::string& target, const std::string& contents) {
  auto file = AtomicFile::create(target);
  if (!file) return false;
  if (!contents.empty() &&
      std::fwrite(contents.data(), 1, contents.size(), file->stream()) != contents.size()) {
    return false;
  }
  return file->commit();
}

}  // namespace sonarel::core
