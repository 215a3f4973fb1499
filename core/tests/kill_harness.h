// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Kill-safety of a rewrite: a child process rewrites a target over and over, alternating
// between two contents, and is killed with SIGKILL at a random moment. Whatever the moment,
// the target must then hold one of the two contents whole, and the temporaries the killed
// write left must go once they are stale.

#include <fcntl.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "core/atomic_file.h"
#include "core/tests/wave_fixtures.h"

namespace sonarel::testing {

constexpr int kKillRuns = 100;

// The files beside `target` named like its temporaries.
inline std::vector<std::string> temporariesOf(const std::string& target) {
  namespace fs = std::filesystem;
  std::vector<std::string> found;
  const fs::path path(target);
  const std::string prefix = path.filename().string() + ".tmp-";
  for (const auto& entry : fs::directory_iterator(path.parent_path())) {
    const std::string name = entry.path().filename().string();
    if (name.rfind(prefix, 0) == 0) found.push_back(entry.path().string());
  }
  return found;
}

// Ages what a killed write left beside `target` past the writer's minute, as the next start
// would find it, and lets the writer's sweep remove it.
inline void sweepAsAtTheNextStart(const std::string& target) {
  const timespec longAgo[2] = {{time(nullptr) - 120, 0}, {time(nullptr) - 120, 0}};
  for (const std::string& temporary : temporariesOf(target)) {
    utimensat(AT_FDCWD, temporary.c_str(), longAgo, 0);
  }
  core::removeStaleTemporaries(target);
}

// Runs `rewrite(i)` for i = 0, 1, 2... in a child until it is killed after a random delay of
// up to `longest`, kKillRuns times. After each kill, `target` must read as `contentAt(0)` or
// `contentAt(1)` (the rewrite of an even i writes the first). `rewrite` returns false on a
// failure, which ends the child and fails the test.
inline void expectKillSafe(const std::string& target, const std::function<bool(int)>& rewrite,
                           const std::vector<Bytes>& contents,
                           std::chrono::microseconds longest = std::chrono::milliseconds(20)) {
  ASSERT_EQ(contents.size(), 2u);
  ASSERT_TRUE(rewrite(0));
  std::mt19937 random(20261208);
  std::uniform_int_distribution<long> delay(0, longest.count());
  int torn = 0, failedChildren = 0;
  for (int run = 0; run < kKillRuns; ++run) {
    const pid_t pid = fork();
    if (pid == 0) {
      for (int i = 1;; ++i) {
        if (!rewrite(i)) _exit(1);
      }
    }
    std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
    kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
    if (WIFEXITED(status)) ++failedChildren;
    const Bytes now = readBytes(target);
    if (now != contents[0] && now != contents[1]) ++torn;
    sweepAsAtTheNextStart(target);
    EXPECT_TRUE(temporariesOf(target).empty()) << "run " << run;
  }
  EXPECT_EQ(torn, 0) << "of " << kKillRuns << " kills";
  EXPECT_EQ(failedChildren, 0);
}

// Runs `write` in a child that may write no file longer than `room` bytes, as on a disk that
// fills up part way. The write must say it failed, and leave `target` byte for byte as it was
// with no temporary file beside it.
inline void expectFullDiskKeepsTheOldFile(const std::string& target,
                                          const std::function<bool()>& write, rlim_t room) {
  const Bytes before = readBytes(target);
  const pid_t pid = fork();
  if (pid == 0) {
    signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{room, room};
    setrlimit(RLIMIT_FSIZE, &limit);
    _exit(write() ? 1 : 0);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the failed write said so";
  EXPECT_EQ(readBytes(target), before);
  EXPECT_TRUE(temporariesOf(target).empty());
}

// Runs `body` in a child for which `folder` and everything in it are read-only: a read-only
// bind mount in a private mount namespace when running as root (root ignores permission
// bits), the folder's write permission taken away otherwise. Returns what `body` returned,
// or nothing where no read-only folder can be made.
inline std::optional<bool> inReadOnlyFolder(const std::string& folder,
                                            const std::function<bool()>& body) {
  namespace fs = std::filesystem;
  const fs::perms mode = fs::status(folder).permissions();
  constexpr int kNoReadOnlyFolder = 77;
  const pid_t pid = fork();
  if (pid == 0) {
    if (geteuid() == 0) {
      if (unshare(CLONE_NEWNS) != 0 ||
          mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
          mount(folder.c_str(), folder.c_str(), nullptr, MS_BIND, nullptr) != 0 ||
          mount(nullptr, folder.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0) {
        _exit(kNoReadOnlyFolder);
      }
    } else {
      fs::permissions(folder,
                      fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                      fs::perm_options::remove);
    }
    _exit(body() ? 1 : 0);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  fs::permissions(folder, mode);
  if (WIFEXITED(status) && WEXITSTATUS(status) == kNoReadOnlyFolder) return std::nullopt;
  EXPECT_TRUE(WIFEXITED(status)) << "status " << status;
  return WIFEXITED(status) && WEXITSTATUS(status) == 1;
}

// Runs `write` where the folder holding `target` is read-only. The write must say it failed
// and leave `target` byte for byte as it was, with no temporary file beside it.
inline void expectReadOnlyFolderKeepsTheOldFile(const std::string& target,
                                                const std::function<bool()>& write) {
  const Bytes before = readBytes(target);
  const auto written = inReadOnlyFolder(std::filesystem::path(target).parent_path(), write);
  if (!written) GTEST_SKIP() << "no read-only folder can be made here";
  EXPECT_FALSE(*written) << "the failed write said so";
  EXPECT_EQ(readBytes(target), before);
  EXPECT_TRUE(temporariesOf(target).empty());
}

}  // namespace sonarel::testing
