// SPDX-License-Identifier: GPL-3.0-or-later
// sonarel-cli backup, restore and recover: what they print, their exit status, and that
// they never ask.

#include <gtest/gtest.h>

#include "cli/tests/cli_runner.h"
#include "records/backup.h"
#include "records/backup_files.h"
#include "records/tests/backup_fixtures.h"

namespace sonarel::cli {
namespace {

using testing::DataFolder;
using testing::ScratchDir;
using testing::treeOf;

TEST(BackupCommands, BackUpSendRestoreAndAttach) {
  DataFolder data;
  testing::fillRegister(data);
  ScratchDir target;
  const auto before = treeOf(data.path());

  const Outcome made = runCli({"backup", data.path(), target.path().string()});
  ASSERT_EQ(made.status, kExitOk) << made.err;
  const std::string set = made.out.substr(0, made.out.find('\n'));
  EXPECT_TRUE(set.starts_with(target.path().string() + "/bkp-sr"));
  EXPECT_TRUE(records::statRegular(set + "/pac001/datas.txt"));

  // The same day again: refused without --replace, asking nothing.
  const Outcome again = runCli({"backup", data.path(), target.path().string()});
  EXPECT_EQ(again.status, kExitBadInput);
  EXPECT_NE(again.err.find("Previous Backup"), std::string::npos);
  const Outcome sent = runCli(
      {"backup", data.path(), target.path().string(), "--clients", "1,2", "--send", "--replace"});
  ASSERT_EQ(sent.status, kExitOk) << sent.err;
  EXPECT_TRUE(records::statRegular(data.path() + "/pac002/wv001.bkp"));

  const Outcome attached = runCli({"restore", data.path(), set, "--attach", "1,2"});
  ASSERT_EQ(attached.status, kExitOk) << attached.err;
  EXPECT_NE(attached.out.find("pac002/wv001.wav\n"), std::string::npos);
  EXPECT_NE(attached.out.find("2 clients, 5 files restored"), std::string::npos);
  EXPECT_EQ(treeOf(data.path()), before);

  const Outcome whole = runCli({"restore", data.path(), set});
  EXPECT_EQ(whole.status, kExitOk) << whole.err;
  EXPECT_EQ(runCli({"recover", data.path()}).out, "nothing to recover\n");
}

TEST(BackupCommands, RefusalsAndUsage) {
  DataFolder data;
  testing::fillRegister(data);
  EXPECT_EQ(runCli({"backup", data.path(), data.path()}).status, kExitBadInput);
  const Outcome unmounted = runCli({"backup", data.path(), data.path() + "-not-mounted"});
  EXPECT_EQ(unmounted.status, kExitBadInput);
  EXPECT_NE(unmounted.err.find("-not-mounted"), std::string::npos);
  EXPECT_FALSE(records::pathExists(data.path() + "-not-mounted"));
  EXPECT_EQ(runCli({"restore", data.path(), data.path()}).status, kExitBadInput);
  EXPECT_EQ(runCli({"backup", data.path()}).status, kExitUsage);
  EXPECT_EQ(runCli({"backup", data.path(), "/tmp", "--send"}).status, kExitUsage);
  EXPECT_EQ(runCli({"backup", data.path(), "/tmp", "--clients", "1,x"}).status, kExitUsage);
  ScratchDir empty;
  // A set without a register: nothing changes, exit 1.
  const auto before = treeOf(data.path());
  EXPECT_EQ(runCli({"restore", data.path(), empty.path().string()}).status, kExitBadInput);
  EXPECT_EQ(treeOf(data.path()), before);
}

}  // namespace
}  // namespace sonarel::cli
