// SPDX-License-Identifier: GPL-3.0-or-later
// "Import...": which file it fills, the questions it asks, and a client folder that stays
// as it was when the import is refused, fails or is cancelled.

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QRadioButton>
#include <algorithm>
#include <filesystem>

#include "app/commands/command_table.h"
#include "app/dialogs/import/converter_dialog.h"
#include "app/frame/main_frame.h"
#include "app/session/prompt.h"
#include "audio/scripted_playback_device.h"
#include "core/tests/wave_fixtures.h"
#include "core/wave_file.h"
#include "records/tests/folder_fixtures.h"

namespace sonarel::app {
namespace {

using core::MessageId;
using records::RecordingType;

class ImportCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    languages.apply(Language::English);
    frame = std::make_unique<CMainFrame>(FrameOptions{QString::fromStdString(data.path()), &prompt},
                                         languages, &playback);
    frame->show();
    folder = data.client(4);
    records::ClientRecord client;
    client.code = 4;
    client.name = "Ana";
    client.type = 1;
    ASSERT_TRUE(frame->clientTable().append(client).ok());
    frame->setCurrentClient(*frame->clientTable().find(4));
    frame->chooseImportPath = [this] { return QString::fromStdString(source); };
  }

  // A WAVE file outside the client folder.
  void makeSource(std::uint32_t rate, int channels, const std::vector<std::int16_t>& samples) {
    source = data.file("outside.wav");
    core::WaveFormat format = core::pcm16MonoFormat(rate);
    format.channels = static_cast<std::uint16_t>(channels);
    format.blockAlign = static_cast<std::uint16_t>(2 * channels);
    format.bytesPerSecond = rate * format.blockAlign;
    ASSERT_FALSE(core::writeWave(source, format, samples));
  }

  std::vector<std::string> listing() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
      names.push_back(entry.path().filename().string() + ":" +
                      std::to_string(std::filesystem::file_size(entry.path())));
    std::sort(names.begin(), names.end());
    return names;
  }

  bool saw(MessageId id) const {
    return std::any_of(prompt.shown.begin(), prompt.shown.end(),
                       [id](const core::Message& m) { return m.id == id; });
  }

  testing::DataFolder data;
  records::ClientFolder folder{"", 0};
  Languages languages;
  audio::ScriptedPlaybackDevice playback;
  ScriptedPrompt prompt;
  std::unique_ptr<CMainFrame> frame;
  std::string source;
};

TEST_F(ImportCommandTest, AFileInTheNeededFormatIsCopiedIntoThePreparedFile) {
  QAction* import = frame->action(cmd::Import);
  EXPECT_FALSE(import->isEnabled()) << "no client file";
  frame->runCommand(cmd::RecordVoiceAnalysis);
  ASSERT_TRUE(frame->preparedRecording());
  EXPECT_TRUE(import->isEnabled());

  makeSource(22050, 1, testing::sine(440, 22050, 5000));
  bool asked = false;
  frame->driveConverter = [&](CConverter&) { asked = true; };
  frame->runCommand(cmd::Import);
  EXPECT_FALSE(asked);
  const std::string target = folder.recordingPath(RecordingType::VoiceAnalysis, 1);
  EXPECT_EQ(testing::readBytes(target), testing::readBytes(source));
  EXPECT_EQ(frame->openFileNumber(), 1);
  EXPECT_EQ(frame->document().state().buffer().count(), 5000);
  EXPECT_EQ(frame->lastMessage(), "File Imported Successfully!");
  EXPECT_FALSE(saw(MessageId::ReplaceActualSoundFile)) << "the prepared file held nothing";
}

TEST_F(ImportCommandTest, AStereoFileIsConvertedAsTheDialogSays) {
  ASSERT_FALSE(core::writeWave(folder.recordingPath(RecordingType::VoiceAnalysis, 1),
                               core::pcm16MonoFormat(11025), testing::sine(200, 11025, 3000)));
  ASSERT_TRUE(frame->openClientFile(1, RecordingType::VoiceAnalysis));
  std::vector<std::int16_t> frames;
  for (int i = 0; i < 48000; ++i) {
    frames.push_back(static_cast<std::int16_t>(i % 2 ? 8000 : -8000));  // left: 24 kHz
    frames.push_back(static_cast<std::int16_t>(
        std::lround(8000 * std::sin(2 * M_PI * 500 * i / 48000.0))));  // right: 500 Hz
  }
  makeSource(48000, 2, frames);

  // "No" to the replace question: nothing happens.
  prompt.answers = {false};
  bool asked = false;
  frame->driveConverter = [&](CConverter&) { asked = true; };
  const auto before = listing();
  frame->runCommand(cmd::Import);
  EXPECT_TRUE(saw(MessageId::ReplaceActualSoundFile));
  EXPECT_FALSE(asked);
  EXPECT_EQ(listing(), before);

  // Cancel in "Convert File": nothing either.
  frame->driveConverter = [&](CConverter& dialog) {
    asked = true;
    dialog.reject();
  };
  frame->runCommand(cmd::Import);
  EXPECT_TRUE(asked);
  EXPECT_EQ(listing(), before);

  // The right channel at 11025 Hz.
  frame->driveConverter = [](CConverter& dialog) {
    EXPECT_EQ(dialog.rateBox()->count(), 2);
    EXPECT_EQ(dialog.targetRate(), 22050) << "preset";
    EXPECT_TRUE(dialog.channelButton(spectral::ChannelChoice::Mix)->isChecked());
    EXPECT_TRUE(dialog.channelButton(spectral::ChannelChoice::Left)->isEnabled());
    dialog.rateBox()->setCurrentIndex(0);
    dialog.channelButton(spectral::ChannelChoice::Right)->setChecked(true);
    dialog.accept();
  };
  frame->runCommand(cmd::Import);
  const auto& buffer = frame->document().state().buffer();
  EXPECT_EQ(buffer.format.sampleRate, 11025u);
  EXPECT_EQ(buffer.count(), 11025);
  double peak = 0;
  for (int i = 1000; i < 10000; ++i) peak = std::max(peak, std::fabs(double(buffer.samples[i])));
  // The stages' passband ripple adds up to about a decibel; the 24 kHz channel would be gone.
  EXPECT_NEAR(peak, 8000, 8000 * 0.12) << "the 500 Hz channel, not the 24 kHz one";
  EXPECT_EQ(frame->lastMessage(), "File Imported Successfully!");
}

TEST_F(ImportCommandTest, AVocalQualityTargetLosesItsSegmentCache) {
  frame->runCommand(cmd::RecordVocalQuality);
  ASSERT_TRUE(frame->preparedRecording());
  const auto number = frame->preparedRecording()->number;
  testing::DataFolder::put(folder.segmentCachePath(number), "stale segments");
  makeSource(48000, 1, testing::sine(300, 48000, 24000));
  frame->driveConverter = [](CConverter& dialog) {
    EXPECT_EQ(dialog.rateBox()->count(), 1);
    EXPECT_EQ(dialog.targetRate(), 44100);
    EXPECT_FALSE(dialog.channelButton(spectral::ChannelChoice::Left)->isEnabled()) << "mono";
    dialog.accept();
  };
  frame->runCommand(cmd::Import);
  EXPECT_FALSE(std::filesystem::exists(folder.segmentCachePath(number)));
  EXPECT_EQ(frame->document().state().buffer().format.sampleRate, 44100u);
  EXPECT_EQ(frame->document().state().buffer().count(), 22050);
}

TEST_F(ImportCommandTest, RefusalsFailuresAndCancelsLeaveTheFolderAsItWas) {
  ASSERT_FALSE(core::writeWave(folder.recordingPath(RecordingType::VoiceAnalysis, 1),
                               core::pcm16MonoFormat(11025), testing::sine(200, 11025, 3000)));
  ASSERT_TRUE(frame->openClientFile(1, RecordingType::VoiceAnalysis));
  const auto before = listing();
  frame->driveConverter = [](CConverter& dialog) { dialog.accept(); };

  source = data.file("notes.txt");
  testing::DataFolder::put(source, "not a sound");
  frame->runCommand(cmd::Import);
  EXPECT_EQ(frame->lastMessage(), "File can´t be opened!");

  makeSource(48000, 1, testing::noise(48000, 5));
  frame->onImportProgress = [](double share) { return share < 0.3; };
  frame->runCommand(cmd::Import);
  EXPECT_EQ(frame->lastMessage(),
            "The import was cancelled; the client's folder was left as it was.");
  EXPECT_EQ(listing(), before);
  EXPECT_EQ(frame->document().state().buffer().count(), 3000) << "the view still shows file 1";

  // A target that cannot be replaced: the reason, then the failure.
  frame->onImportProgress = {};
  std::filesystem::permissions(folder.recordingPath(RecordingType::VoiceAnalysis, 1),
                               std::filesystem::perms::owner_read);
  frame->runCommand(cmd::Import);
  EXPECT_EQ(frame->lastMessage(), "Error Importing File!");
  EXPECT_TRUE(saw(MessageId::TargetReadOnly));
  EXPECT_EQ(listing(), before);
}

}  // namespace
}  // namespace sonarel::app
