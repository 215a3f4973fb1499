// SPDX-License-Identifier: GPL-3.0-or-later
// The frame's recording commands: when "&Record..." may run and what follows it, the
// settings dialogs and the files they write.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QTimer>
#include <filesystem>

#include "app/commands/command_table.h"
#include "app/commands/record_command.h"
#include "app/dialogs/recording/adapter_settings_dialog.h"
#include "app/dialogs/recording/configure_record_dialog.h"
#include "app/dialogs/recording/record_dialog.h"
#include "app/frame/main_frame.h"
#include "app/session/prompt.h"
#include "audio/scripted_capture_device.h"
#include "audio/scripted_playback_device.h"
#include "core/tests/wave_fixtures.h"
#include "core/wave_file.h"
#include "records/tests/folder_fixtures.h"

namespace sonarel::app {
namespace {

using records::RecordingType;
using sonarel::testing::ScratchDir;

class RecordingCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    languages.apply(Language::English);
    frame = std::make_unique<CMainFrame>(FrameOptions{QString::fromStdString(data.path()), &prompt},
                                         languages, &playback);
    frame->setCaptureDevice(&capture);
    frame->show();
    folder = data.client(4);
  }
  // Makes client 4 of `type` current.
  void chooseClient(int type) {
    records::ClientRecord client;
    client.code = 4;
    client.name = "Ana";
    client.type = type;
    ASSERT_TRUE(frame->clientTable().append(client).ok());
    frame->setCurrentClient(*frame->clientTable().find(4));
  }
  // Writes file `number` of client 4 and opens it.
  void openClientFile(int number, RecordingType type) {
    const std::uint32_t rate = type == RecordingType::VocalQuality ? 44100 : 11025;
    ASSERT_FALSE(core::writeWave(folder.recordingPath(type, number), core::pcm16MonoFormat(rate),
                                 testing::sine(200, rate, rate / 2)));
    ASSERT_TRUE(frame->openClientFile(number, type));
  }
  // Runs `body` on the next modal dialog, then accepts it.
  template <class Dialog>
  void onNextDialog(std::function<void(Dialog&)> body) {
    QTimer::singleShot(0, [body] {
      auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      body(*dialog);
      dialog->accept();
    });
  }
  // Records `samples` in the Record dialog once "&Record..." opens it.
  void recordOnNextDialog(std::vector<std::int16_t> samples) {
    frame->driveRecordDialog = [this, samples](CGravacao& dialog) {
      dialog.answer = [](const QString&) { return true; };
      dialog.record();
      capture.hear(samples);
      dialog.stop();
    };
  }

  testing::DataFolder data;
  records::ClientFolder folder{"", 0};
  Languages languages;
  audio::ScriptedPlaybackDevice playback;
  audio::ScriptedCaptureDevice capture;
  ScriptedPrompt prompt;
  std::unique_ptr<CMainFrame> frame;
};

TEST_F(RecordingCommandsTest, RecordNeedsAClientFileOpenedOrPrepared) {
  QAction* record = frame->action(cmd::Record);
  EXPECT_FALSE(record->isEnabled()) << "no client";
  chooseClient(1);
  EXPECT_FALSE(record->isEnabled()) << "a client but no file";
  frame->runCommand(cmd::RecordVoiceAnalysis);
  ASSERT_TRUE(frame->preparedRecording());
  EXPECT_TRUE(record->isEnabled()) << "a prepared new file";
  openClientFile(1, RecordingType::VoiceAnalysis);
  EXPECT_TRUE(record->isEnabled()) << "an opened file";
  const QString outside = QString::fromStdString(data.file("loose.wav"));
  ASSERT_FALSE(core::writeWave(outside.toStdString(), core::pcm16MonoFormat(11025),
                               testing::sine(200, 11025, 5000)));
  ASSERT_TRUE(frame->openFile(outside));
  EXPECT_FALSE(record->isEnabled()) << "the view shows a file of no client";
}

TEST_F(RecordingCommandsTest, WithoutASoundInputRecordExplains) {
  chooseClient(0);
  frame->runCommand(cmd::RecordVoiceAnalysis);
  capture.present = false;
  bool opened = false;
  frame->driveRecordDialog = [&](CGravacao&) { opened = true; };
  frame->runCommand(cmd::Record);
  EXPECT_FALSE(opened);
  EXPECT_TRUE(frame->lastMessage().startsWith("No sound input was found"));
}

TEST_F(RecordingCommandsTest, APreparedFileIsRecordedAtTheClientsRateAndOpened) {
  chooseClient(3);  // a singer: 22050 Hz
  frame->runCommand(cmd::RecordVoiceAnalysis);
  const auto prepared = *frame->preparedRecording();
  const auto voice = testing::sine(300, 22050, 2646 * 20, 9000);
  recordOnNextDialog(voice);
  frame->runCommand(cmd::Record);
  EXPECT_EQ(capture.format().sampleRate, 22050u);
  EXPECT_EQ(capture.blockBytes(), 2646u);
  EXPECT_EQ(frame->openFileNumber(), prepared.number);
  EXPECT_FALSE(frame->preparedRecording());
  EXPECT_EQ(frame->document().state().buffer().samples, voice);
  EXPECT_EQ(frame->document().state().buffer().path, prepared.path.toStdString());
}

TEST_F(RecordingCommandsTest, ARecordedVocalQualityFileLosesItsSegmentCache) {
  chooseClient(1);
  openClientFile(3, RecordingType::VocalQuality);
  testing::DataFolder::put(folder.segmentCachePath(3), std::string(40, 'x'));
  const auto vowel = testing::sine(180, 44100, 5292 * 10, 9000);
  recordOnNextDialog(vowel);
  frame->runCommand(cmd::Record);
  EXPECT_EQ(capture.format().sampleRate, 44100u);
  const ViewState& state = frame->document().state();
  EXPECT_EQ(state.buffer().samples, vowel);
  EXPECT_EQ(state.buffer().kind, core::FileKind::VocalQuality);
  EXPECT_FALSE(std::filesystem::exists(folder.segmentCachePath(3)));
  EXPECT_TRUE(frame->action(cmd::Record)->isEnabled()) << "the same file may be recorded again";
}

TEST_F(RecordingCommandsTest, NothingRecordedChangesNothing) {
  chooseClient(1);
  openClientFile(3, RecordingType::VocalQuality);
  testing::DataFolder::put(folder.segmentCachePath(3), std::string(40, 'x'));
  const auto before = frame->document().state().buffer().samples;
  frame->driveRecordDialog = [](CGravacao&) {};
  frame->runCommand(cmd::Record);
  EXPECT_EQ(frame->document().state().buffer().samples, before);
  EXPECT_TRUE(std::filesystem::exists(folder.segmentCachePath(3)));
}

TEST_F(RecordingCommandsTest, ConfigureRecordStoresTheInputAndSetsTheRate) {
  chooseClient(0);
  onNextDialog<CConfGravar>([](CConfGravar& d) {
    EXPECT_EQ(d.inputBox()->currentText(), "Microphone") << "no cfg1.dat: microphone";
    EXPECT_EQ(d.rateBox()->currentText(), "11025");
    d.inputBox()->setCurrentIndex(1);
    d.rateBox()->setCurrentIndex(1);
  });
  frame->runCommand(cmd::ConfigureRecord);
  EXPECT_EQ(testing::readBytes(data.file("cfg1.dat")), (testing::Bytes{0, 0, 0, 0, 1, 0, 0, 0}));
  EXPECT_EQ(frame->recordingRate(), 22050);
  frame->runCommand(cmd::RecordVoiceAnalysis);
  recordOnNextDialog({});
  frame->runCommand(cmd::Record);
  EXPECT_EQ(capture.format().sampleRate, 22050u);
  // The choice lasts until a file is opened: then the client's type decides again.
  openClientFile(1, RecordingType::VoiceAnalysis);
  EXPECT_EQ(frame->recordingRate(), 11025);
}

TEST_F(RecordingCommandsTest, AdapterSettingsWriteBothFilesAndDriveTheRecorder) {
  capture.names = {"Built-in Audio", "Andrea PureAudio USB-SA Headset Mono"};
  onNextDialog<AdapterSettingsDialog>([](AdapterSettingsDialog& d) {
    EXPECT_TRUE(d.inUseBox()->isChecked()) << "an input of the adapter's name is present";
    EXPECT_EQ(d.filterBox()->currentIndex(), 1) << "the defaults of a missing cfg_aa.dat";
    EXPECT_EQ(d.gainBox()->currentIndex(), 1);
    d.filterBox()->setCurrentIndex(0);
    d.gainBox()->setCurrentIndex(2);
  });
  frame->runCommand(cmd::ConfigureAdapter);
  EXPECT_EQ(testing::readBytes(data.file("cfg_aa.dat")), (testing::Bytes{0, 0, 0, 0, 2, 0, 0, 0}));
  EXPECT_EQ(testing::readBytes(data.file("cfg_aa_use.dat")), (testing::Bytes{1, 0, 0, 0}));

  chooseClient(0);
  frame->runCommand(cmd::RecordVoiceAnalysis);
  recordOnNextDialog(std::vector<std::int16_t>(11025 * 6 / 5, 20000));
  frame->runCommand(cmd::Record);
  const auto& samples = frame->document().state().buffer().samples;
  ASSERT_FALSE(samples.empty());
  EXPECT_LT(samples.size(), 11025u / 4) << "the settling second is not in the file";
  EXPECT_EQ(samples.front(), 32767) << "10 dB of gain";

  // Set by hand, the choice holds whatever inputs are present.
  onNextDialog<AdapterSettingsDialog>([](AdapterSettingsDialog& d) {
    EXPECT_TRUE(d.inUseBox()->isChecked());
    d.inUseBox()->setChecked(false);
  });
  frame->runCommand(cmd::ConfigureAdapter);
  onNextDialog<AdapterSettingsDialog>(
      [](AdapterSettingsDialog& d) { EXPECT_FALSE(d.inUseBox()->isChecked()); });
  frame->runCommand(cmd::ConfigureAdapter);
}

TEST(RecordCommand, RealTimeModesBlockRecording) {
  EXPECT_FALSE(recordCommandAvailable(false, 0));
  EXPECT_TRUE(recordCommandAvailable(true, -1));
  EXPECT_TRUE(recordCommandAvailable(true, 19));
  EXPECT_FALSE(recordCommandAvailable(true, 20));
}

}  // namespace
}  // namespace sonarel::app
