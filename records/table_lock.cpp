// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/table_lock.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

namespace sonarel::records {

std::string TableLock::lockPathFor(const std::string& tablePath) {
  const auto slash = tablePath.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : tablePath.substr(0, slash);
  const std::string name = slash == std::string::npos ? tablePath : tablePath.substr(slash + 1);
  return folder + "/." + name + ".lock";
}

TableLock::TableLock(const std::string& tablePath, std::chrono::milliseconds patience) {
  fd_ = open(lockPathFor(tablePath).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
  if (fd_ < 0) return;
  const auto deadline = std::chrono::steady_clock::now() + patience;
  for (;;) {
    struct flock whole {};
    whole.l_type = F_WRLCK;
    whole.l_whence = SEEK_SET;
    if (fcntl(fd_, F_SETLK, &whole) == 0) {
      held_ = true;
      return;
    }
    if ((errno != EACCES && errno != EAGAIN && errno != EINTR) ||
        std::chrono::steady_clock::now() >= deadline) {
      return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

TableLock::~TableLock() {
  // Closing the descriptor releases the lock.
  if (fd_ >= 0) close(fd_);
}

}  // namespace sonarel::records
