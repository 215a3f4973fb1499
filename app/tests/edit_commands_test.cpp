// SPDX-License-Identifier: GPL-3.0-or-later
// The edit commands in the real window (offscreen): their enable rules, the "Amplify Volume"
// dialog, "Save Changes" and the question asked before the open file is replaced or the
// window closes.

#include <gtest/gtest.h>

#include <QAction>
#include <QDialogButtonBox>
#include <QPushButton>

#include "app/commands/command_table.h"
#include "app/dialogs/editing/amplify_dialog.h"
#include "app/frame/main_frame.h"
#include "app/session/prompt.h"
#include "audio/scripted_playback_device.h"
#include "core/tests/wave_fixtures.h"
#include "core/wave_file.h"
#include "records/tests/folder_fixtures.h"

namespace sonarel::app {
namespace {

using records::RecordingType;
using sonarel::testing::DataFolder;

class EditCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    languages.apply(Language::English);
    folder = data.client(2);
    original = testing::sine(180, 11025, 68000, 9000);  // 100 samples a strip column
    ASSERT_FALSE(core::writeWave(folder.recordingPath(RecordingType::VoiceAnalysis, 1),
                                 core::pcm16MonoFormat(11025), original));
    frame = std::make_unique<CMainFrame>(FrameOptions{QString::fromStdString(data.path()), &prompt},
                                         languages, &device);
    frame->resize(1024, 768);
    frame->show();
    records::ClientRecord client;
    client.code = 2;
    client.name = "Eva";
    frame->setCurrentClient(client);
    ASSERT_TRUE(frame->openClientFile(1, RecordingType::VoiceAnalysis));
  }

  bool enabled(int command) { return frame->action(command)->isEnabled(); }
  const ViewState& state() { return frame->document().state(); }
  void mark(int x1, int x2) {
    ViewState& view = frame->document().state();
    view.pressStrip(x1);
    view.dragStrip(x2);
    view.releaseStrip(x2);
  }
  std::string filePath(int number) const {
    return folder.recordingPath(RecordingType::VoiceAnalysis, number);
  }

  DataFolder data;
  records::ClientFolder folder{"", 2};
  std::vector<std::int16_t> original;
  Languages languages;
  audio::ScriptedPlaybackDevice device;
  ScriptedPrompt prompt;
  std::unique_ptr<CMainFrame> frame;
};

TEST_F(EditCommands, EachCommandIsOfferedOnlyWhenItCanAct) {
  for (int command : {cmd::Cut, cmd::Copy, cmd::Silence, cmd::AmplifyVolume}) {
    EXPECT_TRUE(enabled(command)) << command;
  }
  EXPECT_FALSE(enabled(cmd::Paste)) << "nothing copied";
  EXPECT_FALSE(enabled(cmd::Undo)) << "nothing changed";
  EXPECT_FALSE(enabled(cmd::SaveChanges)) << "nothing changed";

  frame->runCommand(cmd::SelectAll);
  EXPECT_EQ(state().selection().x2, 680);
  frame->runCommand(cmd::Copy);
  EXPECT_TRUE(enabled(cmd::Paste));
  EXPECT_FALSE(enabled(cmd::Undo)) << "a copy changes nothing";

  frame->runCommand(cmd::Paste);
  EXPECT_EQ(state().buffer().count(), 136000);
  EXPECT_FALSE(enabled(cmd::Paste)) << "pasted once";
  EXPECT_TRUE(enabled(cmd::Undo));
  EXPECT_TRUE(enabled(cmd::SaveChanges));
  EXPECT_TRUE(frame->view()->commandAvailable(cmd::Undo));

  frame->runCommand(cmd::Undo);
  EXPECT_EQ(state().buffer().samples, original);
  EXPECT_FALSE(enabled(cmd::Undo));
  EXPECT_TRUE(enabled(cmd::SaveChanges)) << "an undo is a change too";

  mark(10, 20);
  frame->runCommand(cmd::Cut);
  EXPECT_EQ(state().buffer().count(), 67000);
  EXPECT_FALSE(enabled(cmd::Paste)) << "a cut stretch is never pasted";
  EXPECT_FALSE(frame->view()->commandAvailable(cmd::Paste));

  prompt.saveAnswers = {SaveAnswer::DontSave};
  frame->runCommand(cmd::CloseSoundFile);
  for (int command : {cmd::Cut, cmd::Copy, cmd::Silence, cmd::AmplifyVolume, cmd::Undo}) {
    EXPECT_FALSE(enabled(command)) << command;
  }
}

TEST_F(EditCommands, ACutWithoutAMarkedStretchIsExplained) {
  frame->runCommand(cmd::Cut);
  EXPECT_EQ(frame->lastMessage(), "You need to Select an Area!");
  EXPECT_EQ(state().buffer().samples, original);
}

TEST_F(EditCommands, TheAmplifyDialogAcceptsZeroToFiveHundredPercent) {
  const QStringList typed = {"501", "-1", "x", "200"};
  bool stayedOpen = true;
  frame->driveAmplifyDialog = [&](AmplifyDialog& dialog) {
    EXPECT_EQ(dialog.magnitudeField()->text(), "180");
    auto* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    for (const QString& text : typed) {
      dialog.magnitudeField()->setText(text);
      ok->click();
      if (text != "200") {
        stayedOpen = stayedOpen && dialog.isVisible() && dialog.result() != QDialog::Accepted;
        EXPECT_EQ(frame->lastMessage(), text == "x" ? QString("\"x\" is not a number.")
                                                    : "Please enter an integer between 0 and 500.");
      }
    }
  };
  mark(0, 10);  // samples 0..1000
  frame->runCommand(cmd::AmplifyVolume);
  EXPECT_TRUE(stayedOpen);
  const auto& samples = state().buffer().samples;
  for (int i : {1, 250, 999}) EXPECT_EQ(samples[i], std::clamp(original[i] * 2, -32767, 32767));
  EXPECT_EQ(samples[1000], original[1000]);

  const std::vector<std::int16_t> amplified = samples;
  frame->driveAmplifyDialog = [&](AmplifyDialog& dialog) {
    dialog.magnitudeField()->setText("0");
    dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
  };
  frame->runCommand(cmd::AmplifyVolume);
  EXPECT_EQ(state().buffer().samples, amplified) << "cancelled: nothing amplified";
}

TEST_F(EditCommands, SaveChangesWritesOverTheFileOrAsTheNextNumber) {
  mark(0, 100);
  frame->runCommand(cmd::Silence);
  prompt.saveAnswers = {SaveAnswer::DontSave};
  frame->runCommand(cmd::SaveChanges);
  EXPECT_TRUE(enabled(cmd::SaveChanges)) << "not saving keeps the changes unsaved";
  EXPECT_EQ(core::loadWave(filePath(1)).samples, original);

  prompt.saveAnswers = {SaveAnswer::SaveAsNew};
  frame->runCommand(cmd::SaveChanges);
  EXPECT_EQ(core::loadWave(filePath(2)).samples, state().buffer().samples);
  EXPECT_EQ(frame->windowTitle(), "Eva - wv002.wav - Sonarel");
  EXPECT_EQ(frame->openFileNumber(), 2);
  EXPECT_FALSE(enabled(cmd::SaveChanges));

  frame->runCommand(cmd::Undo);
  prompt.saveAnswers = {SaveAnswer::SaveOver};
  frame->runCommand(cmd::SaveChanges);
  EXPECT_EQ(core::loadWave(filePath(2)).samples, original);
  EXPECT_EQ(core::loadWave(filePath(1)).samples, original);
}

TEST_F(EditCommands, ReplacingTheFileAsksFirstAndCancellingKeepsIt) {
  mark(0, 100);
  frame->runCommand(cmd::Silence);
  prompt.saveAnswers = {SaveAnswer::Cancel};
  EXPECT_FALSE(frame->openClientFile(1, RecordingType::VoiceAnalysis));
  EXPECT_EQ(frame->lastMessage(), "The Actual sound file was change. What do you want to do?");
  EXPECT_NE(state().buffer().samples, original) << "the changes stay open";

  prompt.saveAnswers = {SaveAnswer::Cancel};
  frame->runCommand(cmd::CloseSoundFile);
  EXPECT_TRUE(state().isOpen());

  prompt.saveAnswers = {SaveAnswer::SaveOver};
  ASSERT_TRUE(frame->openClientFile(1, RecordingType::VoiceAnalysis));
  EXPECT_EQ(state().buffer().samples[50], 0) << "saved, then opened again";
}

TEST_F(EditCommands, QuittingWithChangesAsksAndCancellingKeepsTheWindowOpen) {
  mark(0, 100);
  frame->runCommand(cmd::Silence);
  prompt.saveAnswers = {SaveAnswer::Cancel};
  EXPECT_FALSE(frame->close());
  EXPECT_TRUE(frame->isVisible());
  EXPECT_EQ(prompt.shown.back().id, core::MessageId::SaveChangesQuestion);

  prompt.saveAnswers = {SaveAnswer::SaveOver};
  EXPECT_TRUE(frame->close());
  EXPECT_EQ(core::loadWave(filePath(1)).samples, state().buffer().samples);
}

}  // namespace
}  // namespace sonarel::app
