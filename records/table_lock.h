// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keeps two programs from rewriting the client table at once: an fcntl write lock on a
// small lock file beside the table (the table itself is replaced by rename, so a lock on it
// would not survive the write). Released when the object goes away.

#include <chrono>
#include <string>

namespace sonarel::records {

class TableLock {
 public:
  // Waits up to `patience` for the lock; check held() afterwards.
  explicit TableLock(const std::string& tablePath,
                     std::chrono::milliseconds patience = std::chrono::seconds(5));
  ~TableLock();
  TableLock(const TableLock&) = delete;
  TableLock& operator=(const TableLock&) = delete;

  bool held() const { return held_; }

  // ".pacb.dbf.lock" beside "pacb.dbf".
  static std::string lockPathFor(const std::string& tablePath);

 private:
  int fd_ = -1;
  bool held_ = false;
};

}  // namespace sonarel::records
