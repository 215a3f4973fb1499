// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/sample_buffer.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/tests/wave_fixtures.h"
#include "core/wave_file.h"

namespace sonarel::core {
namespace {

using testing::chunk;
using testing::fmtBody;
using testing::riffWave;
using testing::ScratchDir;

struct AcceptanceRow {
  FileKind kind;
  std::uint32_t rate;
  std::uint16_t channels;
  std::uint16_t bits;
  std::optional<MessageId> expected;
};

TEST(Acceptance, FollowsTheRateWidthAndChannelRules) {
  const auto voice = MessageId::SampleRateVoiceAnalysis;
  const auto quality = MessageId::SampleRateVocalQuality;
  const AcceptanceRow rows[] = {
      {FileKind::VoiceAnalysis, 8000, 1, 16, std::nullopt},
      {FileKind::VoiceAnalysis, 11025, 1, 16, std::nullopt},
      {FileKind::VoiceAnalysis, 22050, 1, 16, std::nullopt},
      {FileKind::VoiceAnalysis, 22051, 1, 16, voice},
      {FileKind::VoiceAnalysis, 44100, 1, 16, voice},
      {FileKind::VoiceAnalysis, 11025, 1, 8, voice},
      {FileKind::VoiceAnalysis, 22050, 2, 16, voice},  // stereo is refused, not misread
      {FileKind::VoiceAnalysis, 0, 1, 16, voice},
      {FileKind::VocalQuality, 44100, 1, 16, std::nullopt},
      {FileKind::VocalQuality, 22050, 1, 16, quality},
      {FileKind::VocalQuality, 48000, 1, 16, quality},
      {FileKind::VocalQuality, 44100, 1, 24, quality},
      {FileKind::VocalQuality, 44100, 2, 16, quality},
  };
  for (const auto& row : rows) {
    WaveFormat format = pcm16MonoFormat(row.rate);
    format.channels = row.channels;
    format.bitsPerSample = row.bits;
    EXPECT_EQ(acceptanceMessage(row.kind, format), row.expected)
        << "kind " << static_cast<int>(row.kind) << ", " << row.rate << " Hz, " << row.channels
        << " channels, " << row.bits << " bits";
  }
}

TEST(Acceptance, NonPcmWith16BitsPassesTheWidthTest) {
  WaveFormat format = pcm16MonoFormat(11025);
  format.formatTag = 0xFFFE;
  EXPECT_EQ(acceptanceMessage(FileKind::VoiceAnalysis, format), std::nullopt);
}

TEST(KindForRate, OnlyCdRateIsVocalQuality) {
  EXPECT_EQ(kindForRate(44100), FileKind::VocalQuality);
  EXPECT_EQ(kindForRate(22050), FileKind::VoiceAnalysis);
  EXPECT_EQ(kindForRate(48000), FileKind::VoiceAnalysis);
}

TEST(OpenSoundFile, LoadsAndResetsTheViewState) {
  ScratchDir dir;
  const auto samples = testing::sine(200, 11025, 11025);
  const auto path = dir.write("wv001.wav", testing::simpleWave(11025, samples));
  SampleBuffer buffer;
  buffer.flags.f0Computed = buffer.flags.intensityComputed = true;
  buffer.range = {5, 7};
  ASSERT_FALSE(openSoundFile(buffer, path));
  EXPECT_EQ(buffer.samples, samples);
  EXPECT_EQ(buffer.count(), 11025);
  EXPECT_EQ(buffer.path, path);
  EXPECT_EQ(buffer.state, kStateLoaded);
  EXPECT_FALSE(buffer.flags.f0Computed);
  EXPECT_FALSE(buffer.flags.intensityComputed);
  EXPECT_EQ(buffer.range, (SampleRange{0, 11025}));
  EXPECT_DOUBLE_EQ(buffer.durationSeconds(), 1.0);
}

TEST(OpenSoundFile, RefusalsReleaseThePreviousRecording) {
  ScratchDir dir;
  const auto good = dir.write("good.wav", testing::simpleWave(11025, {1, 2, 3}));
  const auto fast = dir.write("fast.wav", testing::simpleWave(44100, {1, 2, 3}));
  const auto empty =
      dir.write("empty.wav", riffWave({chunk("fmt ", fmtBody(11025)), chunk("data", {})}));
  const auto broken = dir.write("broken.wav", testing::Bytes{'R', 'I', 'F', 'F'});

  struct Case {
    std::string path;
    FileKind kind;
    MessageId expected;
    WaveError error;
  } cases[] = {
      {fast, FileKind::VoiceAnalysis, MessageId::SampleRateVoiceAnalysis, WaveError::None},
      {good, FileKind::VocalQuality, MessageId::SampleRateVocalQuality, WaveError::None},
      {empty, FileKind::VoiceAnalysis, MessageId::ErrorReadingFile, WaveError::None},
      {broken, FileKind::VoiceAnalysis, MessageId::ErrorReadingFile, WaveError::NotWaveFile},
      {dir.file("missing.wav"), FileKind::VoiceAnalysis, MessageId::ErrorReadingFile,
       WaveError::CannotOpen},
  };
  for (const Case& c : cases) {
    SampleBuffer buffer;
    ASSERT_FALSE(openSoundFile(buffer, good));
    buffer.kind = c.kind;
    WaveError error{};
    auto refused = openSoundFile(buffer, c.path, &error);
    ASSERT_TRUE(refused) << c.path;
    EXPECT_EQ(refused->id, c.expected) << c.path;
    EXPECT_EQ(error, c.error) << c.path;
    EXPECT_FALSE(buffer.loaded()) << c.path;
    EXPECT_EQ(buffer.state, kStateReleased) << c.path;
  }
}

// A WAVE of `samples` zero samples at 11025 Hz; the data is a hole in a sparse file, so
// even half an hour costs no time to write.
std::string silentWave(const ScratchDir& dir, const std::string& name, std::uint64_t samples) {
  testing::Bytes bytes = testing::simpleWave(11025, {});
  const std::uint64_t dataBytes = samples * 2;
  const auto put = [&bytes](std::size_t at, std::uint64_t v) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
  };
  put(4, bytes.size() - 8 + dataBytes);
  put(bytes.size() - 4, dataBytes);  // the data chunk's size, its header last in the file
  const std::string path = dir.write(name, bytes);
  std::filesystem::resize_file(path, bytes.size() + dataBytes);
  return path;
}

TEST(OpenSoundFile, RefusesRecordingsLongerThanHalfAnHour) {
  ScratchDir dir;
  const std::uint64_t longest = static_cast<std::uint64_t>(kLongestRecordingSeconds * 11025);
  SampleBuffer buffer;
  buffer.kind = FileKind::VoiceAnalysis;
  EXPECT_FALSE(openSoundFile(buffer, silentWave(dir, "full.wav", longest)));
  EXPECT_EQ(buffer.count(), static_cast<std::int32_t>(longest));

  const std::string over = silentWave(dir, "over.wav", longest + 1);
  WaveError error = WaveError::CorruptFile;
  const auto refused = openSoundFile(buffer, over, &error);
  ASSERT_TRUE(refused);
  EXPECT_EQ(refused->id, MessageId::RecordingTooLong);
  EXPECT_EQ(refused->text(), over +
                                 " lasts longer than 30 minutes, the longest recording that "
                                 "can be opened.");
  EXPECT_EQ(error, WaveError::None);
  EXPECT_FALSE(buffer.loaded());

  const LoadedWave unread = loadWave(over, kLongestRecordingSeconds);
  EXPECT_TRUE(unread.tooLong);
  EXPECT_TRUE(unread.samples.empty());
  EXPECT_EQ(unread.format.sampleRate, 11025u);
  EXPECT_FALSE(loadWave(over).tooLong) << "no limit unless one is asked for";
}

TEST(ReleaseSoundFile, EmptiesTheBuffer) {
  SampleBuffer buffer;
  buffer.samples = {1, 2};
  buffer.flags.f0Computed = true;
  releaseSoundFile(buffer);
  EXPECT_EQ(buffer.count(), 0);
  EXPECT_FALSE(buffer.flags.f0Computed);
  EXPECT_EQ(buffer.state, kStateReleased);
}

}  // namespace
}  // namespace sonarel::core
