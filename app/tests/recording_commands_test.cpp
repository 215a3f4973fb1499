// The frame's recording commands: when "&Record..." may run and what follows it, the
// settings dialogs and the files they write, and which paths count as client files.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QTimer>
#include <filesystem>

#include "app/command_table.h"
#include "app/dialogs/adapter_settings_dialog.h"
#include "app/dialogs/configure_record_dialog.h"
#include "app/dialogs/record_dialog.h"
#include "app/main_frame.h"
#include "app/recording_slot.h"
#include "audio/scripted_capture_device.h"
#include "audio/scripted_playback_device.h"
#include "core/tests/wave_fixtures.h"
#include "core/wave_file.h"

namespace sonarel::app {
namespace {

using sonarel::testing::ScratchDir;

class RecordingCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    languages.apply(Language::English);
    frame = std::make_unique<CMainFrame>(
        FrameOptions{QString::fromStdString(dir.path().string()), true}, languages, &playback);
    frame->setCaptureDevice(&capture);
    frame->show();
    std::filesystem::create_directory(dir.file("pac004"));
  }
  QString clientFile(const char* name, std::uint32_t rate) {
    return QString::fromStdString(
        dir.write(std::string("pac004/") + name,
                  testing::simpleWave(rate, testing::sine(200, rate, rate / 2))));
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

  ScratchDir dir;
  Languages languages;
  audio::ScriptedPlaybackDevice playback;
  audio::ScriptedCaptureDevice capture;
  std::unique_ptr<CMainFrame> frame;
};

TEST_F(RecordingCommandsTest, RecordNeedsAClientFile) {
  QAction* record = frame->action(cmd::Record);
  EXPECT_FALSE(record->isEnabled()) << "nothing open";
  const QString outside = QString::fromStdString(
      dir.write("loose.wav", testing::simpleWave(11025, testing::sine(200, 11025, 5000))));
  ASSERT_TRUE(frame->openFile(outside));
  EXPECT_FALSE(record->isEnabled()) << "a file outside every client folder has no number";
  ASSERT_TRUE(frame->openFile(clientFile("wv002.wav", 11025)));
  EXPECT_TRUE(record->isEnabled());
  frame->runCommand(cmd::CloseSoundFile);
  EXPECT_FALSE(record->isEnabled());
}

TEST_F(RecordingCommandsTest, WithoutASoundInputRecordExplains) {
  ASSERT_TRUE(frame->openFile(clientFile("wv002.wav", 11025)));
  capture.present = false;
  bool opened = false;
  frame->driveRecordDialog = [&](CGravacao&) { opened = true; };
  frame->runCommand(cmd::Record);
  EXPECT_FALSE(opened);
  EXPECT_TRUE(frame->lastMessage().startsWith("No sound input was found"));
}

TEST_F(RecordingCommandsTest, TheNewRecordingIsLoadedAndTheSegmentCacheGoes) {
  const QString path = clientFile("qv003.wav", 44100);
  dir.write("pac004/qv003.dat", testing::Bytes(40, 7));
  ASSERT_TRUE(frame->openFile(path));
  const auto voice = testing::sine(180, 44100, 2646 * 30, 9000);
  frame->driveRecordDialog = [&](CGravacao& dialog) {
    dialog.answer = [](const QString&) { return true; };
    dialog.record();
    capture.hear(voice);
    dialog.stop();
  };
  frame->runCommand(cmd::Record);
  EXPECT_EQ(capture.format().sampleRate, 44100u);
  const ViewState& state = frame->document().state();
  ASSERT_TRUE(state.isOpen());
  EXPECT_EQ(state.buffer().samples, voice);
  EXPECT_EQ(state.buffer().kind, core::FileKind::VocalQuality);
  EXPECT_FALSE(std::filesystem::exists(dir.file("pac004/qv003.dat")));
  EXPECT_TRUE(frame->action(cmd::Record)->isEnabled()) << "the same file may be recorded again";
}

TEST_F(RecordingCommandsTest, NothingRecordedChangesNothing) {
  const QString path = clientFile("qv003.wav", 44100);
  dir.write("pac004/qv003.dat", testing::Bytes(40, 7));
  ASSERT_TRUE(frame->openFile(path));
  const auto before = frame->document().state().buffer().samples;
  frame->driveRecordDialog = [](CGravacao&) {};
  frame->runCommand(cmd::Record);
  EXPECT_EQ(frame->document().state().buffer().samples, before);
  EXPECT_TRUE(std::filesystem::exists(dir.file("pac004/qv003.dat")));
}

TEST_F(RecordingCommandsTest, ConfigureRecordStoresTheInputAndSetsTheRate) {
  ASSERT_TRUE(frame->openFile(clientFile("wv002.wav", 11025)));
  onNextDialog<CConfGravar>([](CConfGravar& d) {
    EXPECT_EQ(d.inputBox()->currentText(), "Microphone") << "no cfg1.dat: microphone";
    EXPECT_EQ(d.rateBox()->currentText(), "11025");
    d.inputBox()->setCurrentIndex(1);
    d.rateBox()->setCurrentIndex(1);
  });
  frame->runCommand(cmd::ConfigureRecord);
  EXPECT_EQ(testing::readBytes(dir.file("cfg1.dat")), (testing::Bytes{0, 0, 0, 0, 1, 0, 0, 0}));
  EXPECT_EQ(frame->document().state().recordingSlot().voiceAnalysisRate, 22050u);
  frame->driveRecordDialog = [&](CGravacao& dialog) {
    dialog.answer = [](const QString&) { return true; };
    dialog.record();
    dialog.stop();
  };
  frame->runCommand(cmd::Record);
  EXPECT_EQ(capture.format().sampleRate, 22050u);
  EXPECT_EQ(capture.blockBytes(), 2646u);
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
  EXPECT_EQ(testing::readBytes(dir.file("cfg_aa.dat")), (testing::Bytes{0, 0, 0, 0, 2, 0, 0, 0}));
  EXPECT_EQ(testing::readBytes(dir.file("cfg_aa_use.dat")), (testing::Bytes{1, 0, 0, 0}));

  ASSERT_TRUE(frame->openFile(clientFile("wv002.wav", 11025)));
  frame->driveRecordDialog = [&](CGravacao& dialog) {
    dialog.answer = [](const QString&) { return true; };
    dialog.record();
    capture.hearConstant(1.2, 20000);
    dialog.stop();
  };
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

TEST(RecordingSlot, ClientFilesAreRecognisedByTheirNames) {
  ScratchDir dir;
  const std::string data = dir.path().string();
  const auto ref = clientFileAt(data, data + "/pac012/qv007.wav");
  ASSERT_TRUE(ref);
  EXPECT_EQ(ref->clientCode, 12);
  EXPECT_EQ(ref->fileNumber, 7);
  EXPECT_EQ(ref->kind, core::FileKind::VocalQuality);
  EXPECT_TRUE(clientFileAt(data, data + "/pac1234/wv151.wav"));
  for (const char* other :
       {"/pac012/xv007.wav", "/pac012/wv7.wav", "/pac012/wv007.wav.bak", "/pac012/an007.rtf",
        "/clients/wv007.wav", "/pac012/x/wv007.wav", "/pac012/wv000.wav"}) {
    EXPECT_FALSE(clientFileAt(data, data + other)) << other;
  }
  EXPECT_FALSE(clientFileAt(data, "/elsewhere/pac012/wv007.wav"));
  EXPECT_EQ(recordingRateForClientType(3), 22050u);
  for (int type : {0, 1, 2}) EXPECT_EQ(recordingRateForClientType(type), 11025u);
}

TEST(RecordingSlot, RealTimeModesBlockRecording) {
  RecordingSlot slot;
  EXPECT_FALSE(recordCommandAvailable(slot, 0));
  slot.file = ClientFileRef{1, 1, core::FileKind::VoiceAnalysis, "/d/pac001/wv001.wav"};
  EXPECT_TRUE(recordCommandAvailable(slot, -1));
  EXPECT_TRUE(recordCommandAvailable(slot, 19));
  EXPECT_FALSE(recordCommandAvailable(slot, 20));
}

}  // namespace
}  // namespace sonarel::app
