// SPDX-License-Identifier: GPL-3.0-or-later
// The one writer every rewrite goes through: what it refuses to replace, and what it
// leaves behind.

#include "core/atomic_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <ctime>
#include <filesystem>
#include <vector>

#include "core/tests/wave_fixtures.h"

namespace sonarel::core {
namespace {

namespace fs = std::filesystem;
using testing::ScratchDir;

std::size_t entries(const ScratchDir& dir) {
  return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir.path()), {}));
}

TEST(AtomicFile, ReplacesAnOrdinaryFileKeepingItsMode) {
  ScratchDir dir;
  const auto path = dir.write("t.txt", {'o', 'l', 'd'});
  ASSERT_EQ(chmod(path.c_str(), 0640), 0);
  EXPECT_FALSE(replacementRefusal(path));
  EXPECT_FALSE(replacementRefusal(dir.file("absent.txt")));
  ASSERT_TRUE(writeFileAtomically(path, "new"));
  EXPECT_EQ(testing::readBytes(path), (testing::Bytes{'n', 'e', 'w'}));
  EXPECT_EQ(fs::status(path).permissions(), static_cast<fs::perms>(0640));
  EXPECT_EQ(entries(dir), 1u);
}

TEST(AtomicFile, ARefusedTargetIsLeftAsItWasAndNamed) {
  ScratchDir dir;
  const auto readOnly = dir.write("r.txt", {'o', 'l', 'd'});
  ASSERT_EQ(chmod(readOnly.c_str(), 0444), 0);
  const std::string fifo = dir.file("f.txt");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  fs::create_directory(dir.file("d.txt"));
  const struct {
    std::string path;
    std::string why;
  } rows[] = {
      {readOnly, readOnly + " is read-only; it was not replaced."},
      {fifo, fifo + " is not a regular file; nothing was written to it."},
      {dir.file("d.txt"), dir.file("d.txt") + " is not a regular file; nothing was written to it."},
  };
  for (const auto& row : rows) {
    const auto refusal = replacementRefusal(row.path);
    ASSERT_TRUE(refusal) << row.path;
    EXPECT_EQ(refusal->text(), row.why);
    EXPECT_EQ(AtomicFile::create(row.path), nullptr) << row.path;
    EXPECT_FALSE(writeFileAtomically(row.path, "new")) << row.path;
    EXPECT_EQ(writeFailure(row.path, Message{MessageId::CannotSaveTextFile}).text(), row.why);
  }
  EXPECT_EQ(testing::readBytes(readOnly), (testing::Bytes{'o', 'l', 'd'}));
  EXPECT_EQ(fs::status(readOnly).permissions(), static_cast<fs::perms>(0444));
  EXPECT_EQ(fs::status(fifo).type(), fs::file_type::fifo);
  EXPECT_EQ(entries(dir), 3u) << "no temporary file left behind";
  // A device is refused on sight; it is never written to here.
  EXPECT_TRUE(replacementRefusal("/dev/null"));
}

TEST(AtomicFile, OnlyItsOwnStaleTemporariesAreSweptAway) {
  ScratchDir dir;
  const auto target = dir.write("qv001.dat", {'o', 'l', 'd'});
  const auto aged = [&](const std::string& name, int seconds) {
    const auto path = dir.write(name, {'x'});
    const timespec when[2] = {{std::time(nullptr) - seconds, 0}, {std::time(nullptr) - seconds, 0}};
    EXPECT_EQ(utimensat(AT_FDCWD, path.c_str(), when, 0), 0);
    return path;
  };
  const auto stale = aged("qv001.dat.tmp-a1B2c3", 120);
  const std::vector<std::string> kept = {
      aged("qv001.dat.tmp-Zz9Yy8", 10),    // perhaps a write still in progress
      aged("qv002.dat.tmp-a1B2c3", 120),   // another target's
      aged("qv001.dat.tmp-a1B2c", 120),    // not a name mkstemp gives
      aged("qv001.dat.tmp-a1B2c3d", 120),  // nor this
      aged("qv001.dat.tmp-a1B.c3", 120),   // nor this
  };
  fs::create_directory(dir.file("qv001.dat.tmp-DIR123"));
  const timespec old[2] = {{std::time(nullptr) - 120, 0}, {std::time(nullptr) - 120, 0}};
  ASSERT_EQ(utimensat(AT_FDCWD, dir.file("qv001.dat.tmp-DIR123").c_str(), old, 0), 0);

  ASSERT_TRUE(writeFileAtomically(target, "new"));
  EXPECT_FALSE(fs::exists(stale));
  for (const auto& path : kept) EXPECT_TRUE(fs::exists(path)) << path;
  EXPECT_TRUE(fs::is_directory(dir.file("qv001.dat.tmp-DIR123")));
  EXPECT_EQ(removeStaleTemporaries(target), 0u) << "nothing more to remove";
}

TEST(AtomicFile, TheSweepOfAFolderTakesEveryTargetsStaleTemporariesOnly) {
  ScratchDir dir;
  const auto aged = [&](const std::string& name, int seconds) {
    const auto path = dir.write(name, {'x'});
    const timespec when[2] = {{std::time(nullptr) - seconds, 0}, {std::time(nullptr) - seconds, 0}};
    EXPECT_EQ(utimensat(AT_FDCWD, path.c_str(), when, 0), 0);
    return path;
  };
  const std::vector<std::string> stale = {aged("pacb.dbf.tmp-a1B2c3", 120),
                                          aged("lang.dat.tmp-000000", 3600)};
  const std::vector<std::string> kept = {
      aged("wv001.wav.tmp-Zz9Yy8", 10),  // perhaps a write still in progress
      aged("wv001.wav", 120),            // a recording
      aged(".tmp-a1B2c3", 120),          // no target's name before the mark
      aged("notes.tmp-a1B2c", 120),      // not a name mkstemp gives
  };
  EXPECT_EQ(removeStaleTemporariesIn(dir.path().string()), stale.size());
  for (const auto& path : stale) EXPECT_FALSE(fs::exists(path)) << path;
  for (const auto& path : kept) EXPECT_TRUE(fs::exists(path)) << path;
}

}  // namespace
}  // namespace sonarel::core
