// SPDX-License-Identifier: GPL-3.0-or-later
// Every refused sound file keeps its refusal and says why, naming the file.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string_view>

#include "core/sample_buffer.h"
#include "core/tests/wave_fixtures.h"
#include "core/wave_file.h"

namespace sonarel::core {
namespace {

using testing::Bytes;
using testing::chunk;
using testing::fmtBody;
using testing::pcmBytes;
using testing::riffWave;
using testing::ScratchDir;

using namespace std::literals;

Bytes textBytes(std::string_view text) {
  return Bytes(text.begin(), text.end());
}

struct RefusalRow {
  const char* name;
  Bytes bytes;
  FileKind kind;
  MessageId refusal;
  std::vector<MessageId> reasons;
};

TEST(FileRefusal, EachRefusalCarriesItsReasonNamingTheFile) {
  ScratchDir dir;
  const auto voice = MessageId::SampleRateVoiceAnalysis;
  const auto reading = MessageId::ErrorReadingFile;
  Bytes truncated = testing::simpleWave(11025, std::vector<std::int16_t>(400, 7));
  truncated.resize(truncated.size() - 300);
  Bytes headerOnly = testing::simpleWave(11025, std::vector<std::int16_t>(400, 7));
  headerOnly.resize(30);  // cut inside the format chunk
  const RefusalRow rows[] = {
      {"text.wav",
       textBytes("just some words, not a sound\n"),
       FileKind::VoiceAnalysis,
       reading,
       {MessageId::FileNotWave}},
      {"empty.wav", {}, FileKind::VoiceAnalysis, reading, {MessageId::FileEmpty}},
      {"cut.wav", truncated, FileKind::VoiceAnalysis, reading, {MessageId::FileTruncated}},
      {"head.wav", headerOnly, FileKind::VoiceAnalysis, reading, {MessageId::FileTruncated}},
      {"nodata.wav",
       riffWave({chunk("fmt ", fmtBody(11025)), chunk("data", {})}),
       FileKind::VoiceAnalysis,
       reading,
       {MessageId::FileNoSamples}},
      {"flac.wav",
       textBytes("fLaC\0\0\0\"rest of a flac stream"sv),
       FileKind::VoiceAnalysis,
       reading,
       {MessageId::FileImportOnly}},
      {"take.aiff",
       textBytes("FORM\0\0\0\x40"
                 "AIFFCOMM"sv),
       FileKind::VoiceAnalysis,
       reading,
       {MessageId::FileImportOnly}},
      {"stereo.wav",
       riffWave({chunk("fmt ", fmtBody(22050, 2)), chunk("data", pcmBytes({1, 2, 3, 4}))}),
       FileKind::VoiceAnalysis,
       voice,
       {MessageId::FileStereo}},
      {"cd.wav",
       testing::simpleWave(44100, {1, 2, 3}),
       FileKind::VoiceAnalysis,
       voice,
       {MessageId::FileRateVoiceAnalysis}},
      {"low.wav",
       testing::simpleWave(22050, {1, 2, 3}),
       FileKind::VocalQuality,
       MessageId::SampleRateVocalQuality,
       {MessageId::FileRateVocalQuality}},
      {"wide.wav",
       riffWave({chunk("fmt ", fmtBody(22050, 1, 24)), chunk("data", Bytes(30, 1))}),
       FileKind::VoiceAnalysis,
       voice,
       {MessageId::FileImportOnly}},
      {"all.wav",
       riffWave({chunk("fmt ", fmtBody(48000, 2, 24)), chunk("data", Bytes(60, 1))}),
       FileKind::VoiceAnalysis,
       voice,
       {MessageId::FileImportOnly, MessageId::FileStereo, MessageId::FileRateVoiceAnalysis}},
  };
  for (const RefusalRow& row : rows) {
    const std::string path = dir.write(row.name, row.bytes);
    SampleBuffer buffer;
    buffer.kind = row.kind;
    const auto refused = openSoundFile(buffer, path);
    ASSERT_TRUE(refused) << row.name;
    EXPECT_EQ(refused->id, row.refusal) << row.name;
    ASSERT_EQ(refused->details.size(), row.reasons.size()) << row.name << ": " << refused->lines();
    for (std::size_t i = 0; i < row.reasons.size(); ++i) {
      EXPECT_EQ(refused->details[i].id, row.reasons[i]) << row.name << ": " << refused->lines();
      EXPECT_EQ(refused->details[i].arguments.at(0), path) << row.name;
    }
  }
}

TEST(FileRefusal, ReasonsSayWhatIsWrongInWords) {
  ScratchDir dir;
  SampleBuffer buffer;
  const std::string missing = dir.file("gone.wav");
  EXPECT_EQ(openSoundFile(buffer, missing)->lines(),
            "Error Reading File!\n" + missing + " does not exist.");
  EXPECT_EQ(openSoundFile(buffer, dir.file(""))->details.at(0).id, MessageId::FileIsFolder);

  const std::string fifo = dir.file("pipe.wav");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(openSoundFile(buffer, fifo)->details.at(0).id, MessageId::FileNotRegular);

  const std::string flac = dir.write("voice.flac", textBytes("fLaC\0\0\0\"..."sv));
  EXPECT_EQ(openSoundFile(buffer, flac)->detailText(),
            flac + " is a FLAC file: only Import reads it, and makes a 16-bit mono copy.");

  const std::string stereo = dir.write(
      "two.wav", riffWave({chunk("fmt ", fmtBody(11025, 2)), chunk("data", pcmBytes({1, 2}))}));
  EXPECT_EQ(openSoundFile(buffer, stereo)->detailText(),
            stereo + " has 2 channels; recordings are analysed in mono. Import makes a mono copy.");

  const std::string fast = dir.write("fast.wav", testing::simpleWave(48000, {1, 2}));
  EXPECT_EQ(openSoundFile(buffer, fast)->detailText(),
            fast +
                " is sampled at 48000 Hz; a voice-analysis file takes up to 22050 Hz. Import "
                "converts the rate.");
}

TEST(FileRefusal, TheReaderCarriesTheReasonAndTheDataLength) {
  ScratchDir dir;
  const std::string stereo = dir.write(
      "s.wav", riffWave({chunk("fmt ", fmtBody(22050, 2)), chunk("data", pcmBytes({1, 2, 3, 4}))}));
  const LoadedWave loaded = loadWave(stereo);
  EXPECT_FALSE(loaded.reason);
  EXPECT_EQ(loaded.dataBytes, 8u);
  EXPECT_EQ(frameBytes(loaded.format), 4u);

  const LoadedWave text = loadWave(dir.write("t.wav", textBytes("hello there, no riff")));
  EXPECT_EQ(text.error, WaveError::NotWaveFile);
  ASSERT_TRUE(text.reason);
  EXPECT_EQ(text.reason->id, MessageId::FileNotWave);
}

}  // namespace
}  // namespace sonarel::core
