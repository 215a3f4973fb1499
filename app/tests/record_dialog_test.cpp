// SPDX-License-Identifier: GPL-3.0-or-later
// The "Record" dialog driven offscreen over the scripted capture and playback devices: its
// buttons and panel through a recording, the replace question, Play, the failures it tells,
// the adapter's settling and the recovery of an unfinished recording.

#include "app/dialogs/recording/record_dialog.h"
#include "app/session/prompt.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <filesystem>

#include "app/dialogs/recording/record_trace.h"
#include "audio/recording_spool.h"
#include "audio/scripted_capture_device.h"
#include "audio/scripted_playback_device.h"
#include "core/tests/wave_fixtures.h"
#include "core/wave_file.h"

namespace sonarel::app {
namespace {

using sonarel::testing::ScratchDir;

class RecordDialogTest : public ::testing::Test {
 protected:
  audio::RecordingJob job(core::FileKind kind = core::FileKind::VoiceAnalysis,
                          std::uint32_t rate = 11025, audio::AdapterSettings adapter = {}) {
    return {dir.file(kind == core::FileKind::VocalQuality ? "qv001.wav" : "wv001.wav"), kind, rate,
            dir.path().string(), adapter};
  }
  std::unique_ptr<CGravacao> dialog(const audio::RecordingJob& j,
                                    const core::SampleBuffer* view = nullptr) {
    auto d = std::make_unique<CGravacao>(j, capture, &playback, view);
    d->setPrompt(&prompt);
    d->answer = [this](const QString& question) {
      questions << question;
      return yes;
    };
    QObject::connect(d.get(), &CGravacao::messageShown, [this](const QString& t) { shown << t; });
    return d;
  }
  // Lets queued calls (the messages told after a device delivery) run.
  static void settle() { QApplication::processEvents(); }

  ScratchDir dir;
  audio::ScriptedCaptureDevice capture;
  audio::ScriptedPlaybackDevice playback;
  ScriptedPrompt prompt;
  QStringList questions, shown;
  bool yes = true;
};

TEST_F(RecordDialogTest, RecordAndStopDriveTheButtonsPanelSliderAndTrace) {
  auto d = dialog(job(core::FileKind::VoiceAnalysis, 22050));
  d->show();
  EXPECT_TRUE(d->recordButton()->isEnabled());
  EXPECT_FALSE(d->stopButton()->isEnabled());
  EXPECT_FALSE(d->playButton()->isEnabled()) << "no file yet";
  EXPECT_EQ(d->slider()->maximum(), 1323000);
  EXPECT_EQ(d->panelLines(), (QStringList{"Pos. 0.00 s", "Rate: 22050Hz", "Max 120 s"}));

  QTest::mouseClick(d->recordButton(), Qt::LeftButton);
  ASSERT_TRUE(d->isRecording());
  EXPECT_FALSE(d->recordButton()->isEnabled());
  EXPECT_FALSE(d->playButton()->isEnabled());
  EXPECT_TRUE(d->stopButton()->isEnabled());
  EXPECT_TRUE(questions.isEmpty()) << "nothing to replace";
  capture.hear(testing::sine(200, 22050, 1323 * 25, 8000));  // 1.5 s in whole blocks
  EXPECT_EQ(d->panelLines()[0], "Pos. 1.50 s");
  EXPECT_EQ(d->slider()->value(), 1323 * 25 / 2) << "two samples a unit at 22050 Hz";
  EXPECT_GT(d->trace()->penX(), 100);

  QTest::mouseClick(d->stopButton(), Qt::LeftButton);
  EXPECT_FALSE(d->isRecording());
  EXPECT_TRUE(d->recordingMade());
  EXPECT_TRUE(d->recordButton()->isEnabled());
  EXPECT_TRUE(d->playButton()->isEnabled());
  EXPECT_FALSE(d->stopButton()->isEnabled());
  EXPECT_EQ(core::loadWave(dir.file("wv001.wav")).samples.size(), 1323u * 25);
  settle();
  EXPECT_TRUE(shown.isEmpty()) << shown.join("|").toStdString();
}

TEST_F(RecordDialogTest, VocalQualityRangeAndRate) {
  auto d = dialog(job(core::FileKind::VocalQuality));
  EXPECT_EQ(d->slider()->maximum(), 2646000);
  EXPECT_EQ(d->panelLines()[1], "Rate: 44100Hz");
}

TEST_F(RecordDialogTest, AsksOnceBeforeReplacingAndNoLeavesTheFile) {
  const auto old = testing::simpleWave(11025, testing::sine(100, 11025, 5000));
  dir.write("wv001.wav", old);
  auto d = dialog(job());
  EXPECT_TRUE(d->playButton()->isEnabled()) << "the target exists";
  yes = false;
  d->record();
  ASSERT_EQ(questions.size(), 1);
  EXPECT_EQ(questions[0],
            "This Record will replace the existent Sound File!\nAre You Sure You Want to "
            "Continue?");
  EXPECT_FALSE(d->isRecording());
  EXPECT_EQ(capture.starts, 0);
  EXPECT_EQ(testing::readBytes(dir.file("wv001.wav")), old);

  yes = true;
  d->record();
  capture.hearConstant(0.5, 300);
  d->stop();
  d->record();  // the second recording of this dialog asks nothing
  capture.hearConstant(0.3, 300);
  d->stop();
  EXPECT_EQ(questions.size(), 2);
  EXPECT_EQ(capture.starts, 2);
}

TEST_F(RecordDialogTest, PlaysTheViewsSoundThenTheNewRecording) {
  // The view shows the file to be recorded again.
  core::SampleBuffer view;
  view.samples = testing::sine(150, 11025, 11025);
  view.format = core::pcm16MonoFormat(11025);
  dir.write("wv001.wav", testing::simpleWave(11025, view.samples));
  auto d = dialog(job(), &view);
  ASSERT_TRUE(d->playButton()->isEnabled());
  QTest::mouseClick(d->playButton(), Qt::LeftButton);
  ASSERT_EQ(playback.played.size(), 1u);
  EXPECT_EQ(playback.played[0], view.samples);
  EXPECT_EQ(d->panelLines()[0], "Size 1.00 s");
  EXPECT_TRUE(d->stopButton()->isEnabled());
  playback.runOut();
  EXPECT_FALSE(d->isPlaying());
  EXPECT_FALSE(d->stopButton()->isEnabled());

  d->play();
  d->record();  // Record ends the playback
  EXPECT_FALSE(playback.isPlaying());
  const auto voice = testing::sine(220, 11025, 662 * 10);
  capture.hear(voice);
  d->stop();
  d->play();
  ASSERT_EQ(playback.played.size(), 3u);
  EXPECT_EQ(playback.played[2], voice);
  EXPECT_EQ(playback.lastFormat.sampleRate, 11025u);
}

TEST_F(RecordDialogTest, TellsEveryFailure) {
  capture.refusal =
      audio::CaptureError{audio::CaptureFault::StartRefused, {core::MessageId::CaptureFailed}};
  auto d = dialog(job());
  d->record();
  EXPECT_EQ(shown, QStringList{"It was not Possible to Start Recording"});
  EXPECT_TRUE(d->recordButton()->isEnabled());
  EXPECT_FALSE(d->stopButton()->isEnabled());

  capture.refusal.reset();
  shown.clear();
  d->record();
  capture.hearConstant(0.4, 1000);
  capture.breakOff(core::Message{core::MessageId::CaptureStopped});
  EXPECT_TRUE(shown.isEmpty()) << "told once the device's delivery has returned";
  settle();
  EXPECT_EQ(shown, (QStringList{"The sound input stopped delivering sound.",
                                "The recording stopped early; the sound recorded until then is "
                                "kept."}));
  EXPECT_TRUE(d->recordButton()->isEnabled());
  EXPECT_TRUE(d->recordingMade());
}

TEST_F(RecordDialogTest, SettlingSecondShowsTheNotice) {
  auto d = dialog(job(core::FileKind::VoiceAnalysis, 11025, {true, 0, 1}));
  d->record();
  capture.hearConstant(0.5, 100);
  EXPECT_EQ(d->trace()->notice(), "Wait, Calibrating...");
  EXPECT_EQ(d->panelLines()[0], "Pos. 0.00 s");
  capture.hearConstant(1.0, 100);
  EXPECT_TRUE(d->trace()->notice().isEmpty());
  d->stop();
}

TEST_F(RecordDialogTest, ClosingWhileRecordingKeepsTheRecording) {
  auto d = dialog(job());
  d->show();
  d->record();
  capture.hearConstant(1.0, 500);
  QTest::mouseClick(d->okButton(), Qt::LeftButton);
  EXPECT_FALSE(capture.isRunning());
  EXPECT_TRUE(d->recordingMade());
  EXPECT_FALSE(core::loadWave(dir.file("wv001.wav")).samples.empty());
}

TEST_F(RecordDialogTest, OffersToRecoverAnUnfinishedRecording) {
  const auto lost = testing::sine(330, 22050, 22050 * 3 / 2, 5000);
  dir.write("grav.tmp", testing::pcmBytes(lost));
  ASSERT_TRUE(audio::writePendingNote(
      dir.path().string(), {dir.file("wv001.wav"), 22050, core::FileKind::VoiceAnalysis, 0}));
  auto d = dialog(job());
  d->show();
  settle();  // the offer comes once the dialog is up
  ASSERT_EQ(questions.size(), 1);
  EXPECT_EQ(questions[0].toStdString(),
            "A recording of 1.50 s was not finished.\nDo you want to "
            "save it into the file " +
                dir.file("wv001.wav") + "?");
  EXPECT_EQ(core::loadWave(dir.file("wv001.wav")).samples, lost);
  EXPECT_TRUE(d->recordingMade());
  EXPECT_TRUE(d->playButton()->isEnabled());
  d->record();
  EXPECT_EQ(questions.size(), 1) << "the recovered file is the user's own choice";
  d->stop();

  // Declined: the note goes, the spool stays until the next recording.
  dir.write("grav.tmp", testing::pcmBytes(lost));
  ASSERT_TRUE(audio::writePendingNote(
      dir.path().string(), {dir.file("wv002.wav"), 22050, core::FileKind::VoiceAnalysis, 0}));
  yes = false;
  auto again = dialog(job());
  again->offerRecovery();
  EXPECT_EQ(questions.size(), 2);
  EXPECT_FALSE(std::filesystem::exists(dir.file("wv002.wav")));
  EXPECT_FALSE(audio::readPendingRecording(dir.path().string()));
}

}  // namespace
}  // namespace sonarel::app

namespace sonarel::app {
namespace {

TEST_F(RecordDialogTest, TheLevelShowsBeforeATakeAndTheTakeStaysWholeAfterStop) {
  auto d = dialog(job());
  d->show();
  ASSERT_TRUE(d->isMonitoring()) << "the input is heard before Record";
  capture.hear(testing::sine(200, 11025, 662 * 3, 8000));
  EXPECT_TRUE(d->levelText().startsWith("Input: -12.")) << d->levelText().toStdString();
  EXPECT_FALSE(d->clippingShown());
  capture.hear(std::vector<std::int16_t>(662, -32768));
  EXPECT_TRUE(d->clippingShown());
  EXPECT_FALSE(std::filesystem::exists(dir.file("wv001.wav"))) << "listening writes nothing";

  d->record();
  ASSERT_TRUE(d->isRecording());
  EXPECT_FALSE(d->isMonitoring());
  // Two seconds at -6 dBFS: more than one sweep of the running trace.
  capture.hear(testing::sine(150, 11025, 662 * 34, 16384));
  const int height = d->trace()->picture().height();
  d->stop();
  settle();
  EXPECT_TRUE(d->isMonitoring()) << "listening again after the take";

  // The whole take: every column is lit, and half of full scale reaches about a quarter of
  // the height from the top, not the edge.
  const QImage& picture = d->trace()->picture();
  int litColumns = 0, top = height;
  for (int x = 0; x < picture.width(); ++x) {
    bool lit = false;
    for (int y = 0; y < picture.height(); ++y) {
      if (picture.pixelColor(x, y) == Qt::black) continue;
      lit = true;
      top = std::min(top, y);
    }
    litColumns += lit;
  }
  EXPECT_EQ(litColumns, picture.width());
  EXPECT_NEAR(top, height / 4, 3);
  EXPECT_GT(top, 0);
}

}  // namespace
}  // namespace sonarel::app
