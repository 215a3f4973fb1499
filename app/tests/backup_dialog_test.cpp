// SPDX-License-Identifier: GPL-3.0-or-later
// "Backup/Restore" in the real window (offscreen): the four operations from the frame's
// command, the client selection, Cancel in the wait window, and the start-up offer to roll
// back a restore that a crash broke off.

#include <gtest/gtest.h>

#include <QAction>

#include "app/commands/command_table.h"
#include "app/dialogs/backup/backup_dialog.h"
#include "app/frame/main_frame.h"
#include "app/session/prompt.h"
#include "audio/scripted_playback_device.h"
#include "records/backup_files.h"
#include "records/backup_set.h"
#include "records/tests/backup_fixtures.h"

namespace sonarel::app {
namespace {

using core::MessageId;
using testing::DataFolder;
using testing::ScratchDir;
using testing::treeOf;

constexpr std::time_t kMarch7th2026 = 1772884800;

std::vector<MessageId> idsOf(const ScriptedPrompt& prompt) {
  std::vector<MessageId> ids;
  for (const auto& message : prompt.shown) ids.push_back(message.id);
  return ids;
}

class BackupDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    languages.apply(Language::English);
    testing::fillRegister(data);
    frame = std::make_unique<CMainFrame>(
        FrameOptions{QString::fromStdString(data.path()), &prompt, {}}, languages, &device);
  }
  // Runs `act` on the dialog the frame's command opens, set to answer from the test.
  void run(std::function<void(CBackup&)> act, std::optional<std::vector<int>> clients = {},
           QString folder = {}) {
    frame->driveBackupDialog = [&](CBackup& dialog) {
      dialog.now = [] { return kMarch7th2026; };
      dialog.chooseFolder = [&](const QString&) {
        return folder.isEmpty() ? QString::fromStdString(target.path().string()) : folder;
      };
      dialog.chooseClients = [&](const QString&) { return clients; };
      act(dialog);
    };
    frame->runCommand(cmd::BackupRestore);
  }
  std::string set() const { return target.file("bkp-sr03-07-2026"); }

  DataFolder data;
  ScratchDir target;
  Languages languages;
  audio::ScriptedPlaybackDevice device;
  ScriptedPrompt prompt;
  std::unique_ptr<CMainFrame> frame;
};

TEST_F(BackupDialog, BacksUpSendsAndAttachesFromTheFramesCommand) {
  EXPECT_TRUE(frame->action(cmd::BackupRestore)->isEnabled());
  EXPECT_TRUE(frame->action(cmd::Backup)->isEnabled());
  const auto before = treeOf(data.path());
  run([](CBackup& dialog) { dialog.createBackup(); });
  ASSERT_EQ(idsOf(prompt), std::vector<MessageId>{MessageId::BackupDone});
  EXPECT_EQ(prompt.shown[0].arguments, std::vector<std::string>{set()});
  EXPECT_TRUE(records::isFolder(set() + "/pac001"));

  prompt.shown.clear();
  ScratchDir otherTarget;  // another set, so that no question about replacing comes
  run([](CBackup& dialog) { dialog.sendToBackup(); }, std::vector<int>{1},
      QString::fromStdString(otherTarget.path().string()));
  ASSERT_EQ(idsOf(prompt), std::vector<MessageId>{MessageId::BackupDone});
  EXPECT_TRUE(records::statRegular(data.path() + "/pac001/wv001.bkp"));
  EXPECT_FALSE(records::statRegular(data.path() + "/pac001/wv001.wav"));

  prompt.shown.clear();
  run([](CBackup& dialog) { dialog.attachFiles(); }, std::vector<int>{1},
      QString::fromStdString(otherTarget.file("bkp-sr03-07-2026")));
  EXPECT_EQ(idsOf(prompt), std::vector<MessageId>{MessageId::RestoreFinished});
  EXPECT_EQ(treeOf(data.path()), before);
}

TEST_F(BackupDialog, RefusesTheDataFolderAndCancelLeavesTheDataAsTheyWere) {
  run([](CBackup& dialog) { dialog.createBackup(); });
  prompt.shown.clear();
  run([](CBackup& dialog) { dialog.restoreBackup(); }, {}, QString::fromStdString(data.path()));
  EXPECT_EQ(idsOf(prompt), std::vector<MessageId>{MessageId::RestoreSelectSet});
  prompt.shown.clear();
  run([](CBackup& dialog) { dialog.createBackup(); }, {}, QString::fromStdString(data.path()));
  EXPECT_EQ(idsOf(prompt), std::vector<MessageId>{MessageId::BackupIntoProgramFolder});

  DataFolder::put(data.path() + "/pac002/wv001.wav", "newer", 20260101);
  const auto before = treeOf(data.path());
  prompt.shown.clear();
  bool cancelWasEnabled = false;
  run(
      [&](CBackup& dialog) {
        int steps = 0;
        dialog.onStep = [&](BackupWaitWindow& wait) {
          EXPECT_TRUE(wait.isVisible());
          if (++steps == 2) {
            cancelWasEnabled = wait.cancelButton()->isEnabled();
            wait.cancelButton()->click();
          }
        };
        dialog.restoreBackup();
        EXPECT_FALSE(dialog.waitWindow().isVisible());
      },
      {}, QString::fromStdString(set()));
  EXPECT_TRUE(cancelWasEnabled);
  EXPECT_EQ(idsOf(prompt), std::vector<MessageId>{MessageId::RestoreNotFinished});
  EXPECT_EQ(treeOf(data.path()), before);
}

TEST_F(BackupDialog, TheClientSelectionNeedsOneClient) {
  CSelPacBkp select(data.path(), "Select the Clients You want to send to Backup:");
  select.setPrompt(&prompt);
  ASSERT_EQ(select.list()->topLevelItemCount(), 3);
  EXPECT_EQ(select.list()->topLevelItem(1)->text(1), "002");
  select.accept();
  EXPECT_EQ(idsOf(prompt), std::vector<MessageId>{MessageId::SelectAtLeastOneClient});
  select.toggleAll();
  EXPECT_EQ(select.chosen(), (std::vector<int>{1, 2, 3}));
  select.toggleAll();
  EXPECT_TRUE(select.chosen().empty());
}

TEST_F(BackupDialog, AtStartABrokenOffRestoreIsOfferedToBeRolledBack) {
  // As a crash would leave it: the register moved aside, another one in its place.
  const std::string area = records::rollbackFolder(data.path());
  const auto before = treeOf(data.path());
  std::filesystem::create_directories(area);
  DataFolder::put(area + "/journal", "M\tpacb.dbf\tpacb.dbf1\nC\tpacb.dbf\n");
  std::filesystem::rename(data.path() + "/pacb.dbf", data.path() + "/pacb.dbf1");
  DataFolder::put(data.path() + "/pacb.dbf", "half-copied");

  prompt.answers = {false};
  EXPECT_FALSE(offerToFinishInterruptedWork(data.path(), prompt));
  EXPECT_TRUE(records::findInterruptedWork(data.path()).restore);
  prompt.answers = {true};
  EXPECT_TRUE(offerToFinishInterruptedWork(data.path(), prompt));
  EXPECT_EQ(idsOf(prompt),
            (std::vector<MessageId>{MessageId::RestoreInterrupted, MessageId::RestoreInterrupted,
                                    MessageId::RestoreRolledBack}));
  EXPECT_EQ(treeOf(data.path()), before);
}

}  // namespace
}  // namespace sonarel::app
