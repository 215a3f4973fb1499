// SPDX-License-Identifier: GPL-3.0-or-later
// The register survives what can go wrong while it is rewritten: a write that fails half
// way, a process killed in the middle, and two programs changing it at the same time.

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <set>
#include <thread>

#include "core/tests/kill_harness.h"
#include "records/client_table.h"
#include "records/table_lock.h"
#include "records/tests/table_fixtures.h"

namespace sonarel::records {
namespace {

using testing::client;
using testing::DataFolder;

// Runs `body` in a child process and returns its exit status (-1 if it did not exit).
template <typename Body>
int inChild(Body body) {
  const pid_t pid = fork();
  if (pid == 0) _exit(body());
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::vector<std::string> leftovers(const DataFolder& data) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(data.path())) {
    const std::string name = entry.path().filename().string();
    if (name.find("tmp") != std::string::npos) names.push_back(name);
  }
  return names;
}

TEST(TableSafety, AFailedWriteLeavesThePreviousTableByteForByte) {
  DataFolder data;
  const std::string path = data.file("pacb.dbf");
  ClientTable table(path);
  ASSERT_TRUE(table.create().ok());
  for (int code = 1; code <= 3; ++code) ASSERT_TRUE(table.append(client(code, "Kept")).ok());
  const auto before = testing::readBytes(path);

  // The child may write no file larger than the table is now: the rewrite that grows it
  // fails part way through, as on a full disk.
  const int status = inChild([&] {
    signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{before.size(), before.size()};
    setrlimit(RLIMIT_FSIZE, &limit);
    ClientTable child(path);
    const TableResult result = child.append(client(4, "Lost"));
    return !result.ok() && result.failure->id == core::MessageId::TableNotWritten ? 0 : 1;
  });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(testing::readBytes(path), before);
  EXPECT_TRUE(leftovers(data).empty());
  ASSERT_EQ(table.load().value, 1);
  EXPECT_EQ(table.count(), 3);
}

TEST(TableSafety, AReadOnlyFolderLeavesTheTableAsItWas) {
  DataFolder data;
  const std::string path = data.file("pacb.dbf");
  ClientTable table(path);
  ASSERT_TRUE(table.create().ok());
  ASSERT_TRUE(table.append(client(1, "Kept")).ok());
  sonarel::testing::expectReadOnlyFolderKeepsTheOldFile(path, [&] {
    ClientTable child(path);
    return child.append(client(2, "Lost")).ok();
  });
  EXPECT_TRUE(leftovers(data).empty());
}

TEST(TableSafety, KillingAWriterAtAnyMomentLeavesACompleteTable) {
  DataFolder data;
  const std::string path = data.file("pacb.dbf");
  ClientTable table(path);
  ASSERT_TRUE(table.create().ok());
  int expectedAtLeast = 0;
  std::mt19937 random(1208);
  std::uniform_int_distribution<int> delayMicros(500, 25000);
  for (int round = 0; round < 100; ++round) {
    const pid_t pid = fork();
    if (pid == 0) {
      ClientTable writer(path);
      writer.load();
      int code = writer.count();
      for (;;) {
        ++code;
        if (!writer.append(client(code, "Client " + std::to_string(code))).ok()) _exit(1);
      }
    }
    std::this_thread::sleep_for(std::chrono::microseconds(delayMicros(random)));
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    // Whatever the moment, the table reads whole, codes 1 to n in order.
    const TableResult loaded = table.load();
    ASSERT_TRUE(loaded.ok()) << round;
    ASSERT_GE(table.count(), expectedAtLeast);
    for (int i = 0; i < table.count(); ++i) {
      ASSERT_EQ(table.list()[static_cast<std::size_t>(i)].code, i + 1);
    }
    expectedAtLeast = table.count();
  }
  // A later change clears what the killed writers left behind.
  ASSERT_TRUE(table.append(client(expectedAtLeast + 1, "After")).ok());
  EXPECT_TRUE(leftovers(data).empty());
}

TEST(TableSafety, TwoProgramsAppendingAtOnceLoseNothing) {
  DataFolder data;
  const std::string path = data.file("pacb.dbf");
  ClientTable table(path);
  ASSERT_TRUE(table.create().ok());
  constexpr int kEach = 40;
  std::vector<pid_t> children;
  for (int writer = 0; writer < 2; ++writer) {
    const pid_t pid = fork();
    if (pid == 0) {
      ClientTable mine(path);
      for (int i = 0; i < kEach; ++i) {
        if (!mine.append(client(1 + writer * 1000 + i, "W")).ok()) _exit(1);
      }
      _exit(0);
    }
    children.push_back(pid);
  }
  for (pid_t pid : children) {
    int status = 0;
    waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  ASSERT_TRUE(table.load().ok());
  std::set<int> codes;
  for (const ClientRecord& r : table.list()) codes.insert(r.code);
  EXPECT_EQ(codes.size(), 2u * kEach);
  EXPECT_EQ(table.count(), 2 * kEach);
}

TEST(TableSafety, TheLockIsHeldByOneProgramAtATime) {
  DataFolder data;
  const std::string path = data.file("pacb.dbf");
  int ready[2];
  ASSERT_EQ(pipe(ready), 0);
  const pid_t holder = fork();
  if (holder == 0) {
    TableLock lock(path);
    const char byte = lock.held() ? 1 : 0;
    (void)!write(ready[1], &byte, 1);
    pause();  // until killed
    _exit(0);
  }
  char held = 0;
  ASSERT_EQ(read(ready[0], &held, 1), 1);
  ASSERT_EQ(held, 1);
  EXPECT_FALSE(TableLock(path, std::chrono::milliseconds(100)).held());
  kill(holder, SIGKILL);  // a killed holder's lock goes with it
  waitpid(holder, nullptr, 0);
  EXPECT_TRUE(TableLock(path, std::chrono::milliseconds(100)).held());
  close(ready[0]);
  close(ready[1]);
}

}  // namespace
}  // namespace sonarel::records
