// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>

namespace sonarel::core {

int openRegularFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return -1;
  struct stat info {};
  const int flags = fcntl(fd, F_GETFL);
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || flags < 0 ||
      fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
    ::close(fd);
    return -1;
  }
  return fd;
}

std::FILE* openRegularFileStream(const std::string& path) {
  const int fd = openRegularFile(path);
  if (fd < 0) return nullptr;
  std::FILE* stream = fdopen(fd, "rb");
  if (!stream) ::close(fd);
  return stream;
}

bool isRegularFile(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::optional<std::string> readRegularFile(const std::string& path, std::size_t limit) {
  const int fd = openRegularFile(path);
  if (fd < 0) return std::nullopt;
  std::string bytes;
  char block[1 << 14];
  while (bytes.size() < limit) {
    const std::size_t wanted = std::min(sizeof block, limit - bytes.size());
    const ssize_t got = ::read(fd, block, wanted);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      ::close(fd);
      return std::nullopt;
    }
    if (got == 0) break;
    bytes.append(block, static_cast<std::size_t>(got));
  }
  ::close(fd);
  return bytes;
}

}  // namespace sonarel::core
