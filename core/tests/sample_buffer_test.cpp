// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/sample_buffer.h"

#include <gtest/gtest.h>

#include "core/tests/wave_fixtures.h"

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
