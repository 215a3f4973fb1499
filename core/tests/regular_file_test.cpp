// SPDX-License-Identifier: GPL-3.0-or-later
// Outside files are read only when they are regular files; a FIFO with no writer, which
// would block an ordinary open for ever, is refused at once.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/regular_file.h"
#include "core/sample_buffer.h"
#include "core/tests/wave_fixtures.h"
#include "core/wave_file.h"

namespace sonarel::core {
namespace {

TEST(RegularFile, FifosAndFoldersAreRefusedWithoutBlocking) {
  testing::ScratchDir dir;
  const std::string fifo = dir.file("f.wav");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  for (const std::string& path : {fifo, dir.path().string(), std::string("/dev/null")}) {
    EXPECT_EQ(openRegularFile(path), -1) << path;
    EXPECT_EQ(openRegularFileStream(path), nullptr) << path;
    EXPECT_FALSE(isRegularFile(path)) << path;
    EXPECT_FALSE(readRegularFile(path, 100).has_value()) << path;
    EXPECT_EQ(loadWave(path).error, WaveError::CannotOpen) << path;
    SampleBuffer buffer;
    EXPECT_TRUE(openSoundFile(buffer, path).has_value()) << path;
  }
}

TEST(RegularFile, ReadsUpToTheLimitAndTheDescriptorBlocksAgain) {
  testing::ScratchDir dir;
  const auto path = dir.write("n.txt", testing::Bytes{'a', 'b', 'c', 'd', 'e'});
  EXPECT_EQ(readRegularFile(path, 3), "abc");
  EXPECT_EQ(readRegularFile(path, 100), "abcde");
  EXPECT_EQ(readRegularFile(dir.write("e.txt", {}), 100), "");
  EXPECT_FALSE(readRegularFile(dir.file("missing"), 100).has_value());
  const int fd = openRegularFile(path);
  ASSERT_GE(fd, 0);
  EXPECT_EQ(fcntl(fd, F_GETFL) & O_NONBLOCK, 0);
  close(fd);
}

}  // namespace
}  // namespace sonarel::core
