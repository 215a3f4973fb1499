// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/wave_file.h"

#include <gtest/gtest.h>

#include <cstring>

#include "core/tests/wave_fixtures.h"

namespace sonarel::core {
namespace {

using testing::Bytes;
using testing::chunk;
using testing::fmtBody;
using testing::pcmBytes;
using testing::riffWave;
using testing::ScratchDir;

const std::vector<std::int16_t> kRamp = {0, 1, -1, 32767, -32768, 1234, -4321, 7};

TEST(LoadWave, ReadsFormatAndSamplesAroundOtherChunks) {
  ScratchDir dir;
  Bytes list = chunk("LIST", {'I', 'N', 'F', 'O', 'I', 'S', 'F', 'T', 3, 0, 0, 0, 'a', 'b', 0});
  const auto path = dir.write(
      "a.wav", riffWave({chunk("JUNK", Bytes(5, 0xAA)), chunk("fmt ", fmtBody(22050)), list,
                         chunk("data", pcmBytes(kRamp)), chunk("id3 ", Bytes(4, 1))}));
  LoadedWave wave = loadWave(path);
  ASSERT_EQ(wave.error, WaveError::None);
  EXPECT_EQ(wave.samples, kRamp);
  EXPECT_EQ(wave.format.sampleRate, 22050u);
  EXPECT_EQ(wave.format.channels, 1);
  EXPECT_EQ(wave.format.bitsPerSample, 16);
  EXPECT_EQ(wave.format.blockAlign, 2);
  EXPECT_EQ(wave.format.bytesPerSecond, 44100u);
  EXPECT_EQ(wave.format.extraSize, 0);
}

TEST(WaveDuration, FromTheFormatAndTheDataReallyPresent) {
  ScratchDir dir;
  const auto mono =
      dir.write("m.wav", testing::simpleWave(11025, std::vector<std::int16_t>(11025)));
  EXPECT_DOUBLE_EQ(*waveDurationSeconds(mono), 1.0);
  // Stereo frames of four bytes: 22050 samples are half a second at 22050 Hz.
  const auto stereo =
      dir.write("s.wav", riffWave({chunk("fmt ", fmtBody(22050, 2)),
                                   chunk("data", pcmBytes(std::vector<std::int16_t>(22050)))}));
  EXPECT_DOUBLE_EQ(*waveDurationSeconds(stereo), 0.5);
  // A data chunk that claims more than the file holds counts what is there.
  const auto cut = dir.write(
      "c.wav", riffWave({chunk("fmt ", fmtBody(11025)),
                         chunk("data", pcmBytes(std::vector<std::int16_t>(1102)), 1000000)}));
  EXPECT_NEAR(*waveDurationSeconds(cut), 0.1, 1e-3);
  EXPECT_FALSE(waveDurationSeconds(dir.write("t.wav", Bytes{'n', 'o'})));
  EXPECT_FALSE(waveDurationSeconds(dir.path().string() + "/missing.wav"));
}

TEST(LoadWave, FindsDataChunkBeforeFmtChunk) {
  ScratchDir dir;
  const auto path =
      dir.write("a.wav", riffWave({chunk("data", pcmBytes(kRamp)), chunk("fmt ", fmtBody(11025))}));
  LoadedWave wave = loadWave(path);
  ASSERT_EQ(wave.error, WaveError::None);
  EXPECT_EQ(wave.samples, kRamp);
}

TEST(LoadWave, OddDataChunkDropsTheLastByte) {
  ScratchDir dir;
  Bytes data = pcmBytes({100, -200, 300});
  data.push_back(0x7F);
  const auto path =
      dir.write("a.wav", riffWave({chunk("fmt ", fmtBody(11025)), chunk("data", data)}));
  LoadedWave wave = loadWave(path);
  ASSERT_EQ(wave.error, WaveError::None);
  EXPECT_EQ(wave.samples, (std::vector<std::int16_t>{100, -200, 300}));
}

TEST(LoadWave, NonPcmFormatKeepsItsExtraBytes) {
  ScratchDir dir;
  Bytes fmt = fmtBody(22050, 1, 16, /*tag=*/0xFFFE);
  testing::append16(fmt, 4);
  fmt.insert(fmt.end(), {9, 8, 7, 6});
  const auto path =
      dir.write("a.wav", riffWave({chunk("fmt ", fmt), chunk("data", pcmBytes(kRamp))}));
  LoadedWave wave = loadWave(path);
  ASSERT_EQ(wave.error, WaveError::None);
  EXPECT_EQ(wave.format.formatTag, 0xFFFE);
  EXPECT_EQ(wave.format.extraSize, 4);
  EXPECT_EQ(wave.format.extra, (std::vector<std::uint8_t>{9, 8, 7, 6}));
  EXPECT_EQ(wave.samples, kRamp);
}

TEST(LoadWave, EmptyDataChunkGivesNoSamples) {
  ScratchDir dir;
  const auto path =
      dir.write("a.wav", riffWave({chunk("fmt ", fmtBody(11025)), chunk("data", {})}));
  LoadedWave wave = loadWave(path);
  EXPECT_EQ(wave.error, WaveError::None);
  EXPECT_TRUE(wave.samples.empty());
}

struct BadFile {
  const char* name;
  Bytes bytes;
  WaveError expected;
};

class LoadWaveRefuses : public ::testing::TestWithParam<BadFile> {};

TEST_P(LoadWaveRefuses, WithTheRightCode) {
  ScratchDir dir;
  const auto path = dir.write("bad.wav", GetParam().bytes);
  LoadedWave wave = loadWave(path);
  EXPECT_EQ(wave.error, GetParam().expected) << waveErrorHex(wave.error);
  EXPECT_TRUE(wave.samples.empty());
}

Bytes fmtWithExtra(std::uint16_t extraSize, std::size_t extraPresent) {
  Bytes fmt = fmtBody(22050, 1, 16, 3);
  testing::append16(fmt, extraSize);
  fmt.insert(fmt.end(), extraPresent, 0x55);
  return fmt;
}

Bytes truncatedCopy(Bytes bytes, std::size_t drop) {
  bytes.resize(bytes.size() - drop);
  return bytes;
}

const Bytes kGood = testing::simpleWave(11025, kRamp);

INSTANTIATE_TEST_SUITE_P(
    BadFiles, LoadWaveRefuses,
    ::testing::Values(
        BadFile{"empty", {}, WaveError::NotWaveFile},
        BadFile{"notRiff", Bytes{'R', 'I', 'F', 'X', 4, 0, 0, 0, 'W', 'A', 'V', 'E'},
                WaveError::NotWaveFile},
        BadFile{"notWave", chunk("RIFF", {'A', 'V', 'I', ' '}), WaveError::NotWaveFile},
        BadFile{"fmt14", riffWave({chunk("fmt ", Bytes(14, 0)), chunk("data", pcmBytes(kRamp))}),
                WaveError::NotWaveFile},
        BadFile{"noFmt", riffWave({chunk("data", pcmBytes(kRamp))}), WaveError::NotWaveFile},
        BadFile{"noData", riffWave({chunk("fmt ", fmtBody(11025))}), WaveError::NotWaveFile},
        // The fmt chunk says 16 bytes but the file ends inside them.
        BadFile{"fmtCutShort", truncatedCopy(riffWave({chunk("fmt ", fmtBody(11025))}), 6),
                WaveError::CannotRead},
        // A non-PCM record without room for its extraSize field.
        BadFile{"noExtraSize", riffWave({chunk("fmt ", fmtBody(11025, 1, 16, 3))}),
                WaveError::CannotRead},
        BadFile{"shortExtra", riffWave({chunk("fmt ", fmtWithExtra(40000, 3))}),
                WaveError::NotWaveFile},
        BadFile{"dataCut", truncatedCopy(kGood, 5), WaveError::CorruptFile},
        BadFile{
            "dataSizeLies",
            riffWave({chunk("fmt ", fmtBody(11025)), chunk("data", pcmBytes(kRamp), 0x7FFFFFF0)}),
            WaveError::CorruptFile}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(LoadWave, MissingFileCannotBeOpened) {
  EXPECT_EQ(loadWave("/nonexistent/folder/a.wav").error, WaveError::CannotOpen);
  ScratchDir dir;
  EXPECT_EQ(loadWave(dir.path().string()).error, WaveError::CannotOpen) << "a folder";
}

TEST(StepwiseRead, ReadsTheDataInPieces) {
  ScratchDir dir;
  const auto path = dir.write("a.wav", kGood);
  OpenedWave opened = openWaveForRead(path);
  ASSERT_EQ(opened.error, WaveError::None);
  RiffChunk data;
  ASSERT_EQ(findDataChunk(*opened.handle, data), WaveError::None);
  EXPECT_EQ(data.size, kRamp.size() * 2);

  std::vector<std::int16_t> first(3), rest(kRamp.size());
  PcmRead a = readPcm16(*opened.handle, 6, data, first);
  PcmRead b = readPcm16(*opened.handle, 1000, data, rest);
  EXPECT_EQ(a.samplesRead, 3u);
  EXPECT_EQ(b.samplesRead, kRamp.size() - 3);
  EXPECT_EQ(b.error, WaveError::None);
  first.insert(first.end(), rest.begin(), rest.begin() + static_cast<long>(b.samplesRead));
  EXPECT_EQ(first, kRamp);
  closeWaveRead(opened.handle, opened.format);
  EXPECT_EQ(opened.handle, nullptr);
}

TEST(WriteWave, WritesTheExactLayout) {
  ScratchDir dir;
  const auto path = dir.file("out.wav");
  const std::vector<std::int16_t> samples = {1, -2, 3};
  ASSERT_FALSE(writeWave(path, pcm16MonoFormat(11025), samples));

  Bytes expected;
  testing::appendId(expected, "RIFF");
  testing::append32(expected, 4 + 26 + 12 + 8 + 6);
  testing::appendId(expected, "WAVE");
  testing::appendId(expected, "fmt ");
  testing::append32(expected, 18);
  Bytes record = fmtBody(11025);
  expected.insert(expected.end(), record.begin(), record.end());
  testing::append16(expected, 0);
  testing::appendId(expected, "fact");
  testing::append32(expected, 4);
  testing::append32(expected, 0);
  testing::appendId(expected, "data");
  testing::append32(expected, 6);
  Bytes data = pcmBytes(samples);
  expected.insert(expected.end(), data.begin(), data.end());
  EXPECT_EQ(testing::readBytes(path), expected);
}

TEST(WriteWave, RoundTripsThroughTheReader) {
  ScratchDir dir;
  for (std::uint32_t rate : {8000u, 11025u, 22050u, 44100u, 48000u}) {
    const auto samples = testing::noise(rate / 10 + 1, rate);
    const auto path = dir.file(std::to_string(rate) + "-hz.wav");
    ASSERT_FALSE(writeWave(path, pcm16MonoFormat(rate), samples));
    LoadedWave wave = loadWave(path);
    ASSERT_EQ(wave.error, WaveError::None) << rate;
    EXPECT_EQ(wave.format, pcm16MonoFormat(rate));
    EXPECT_EQ(wave.samples, samples) << rate;
  }
}

TEST(WriteWave, OddByteCountIsPadded) {
  ScratchDir dir;
  const auto path = dir.file("odd.wav");
  const Bytes bytes = {1, 2, 3};
  ASSERT_FALSE(writeWave(path, pcm16MonoFormat(11025), std::span<const std::uint8_t>(bytes)));
  const Bytes file = testing::readBytes(path);
  ASSERT_EQ(file.size(), 58u + 4u);
  EXPECT_EQ(file[54], 3);          // the data chunk's own size stays odd
  EXPECT_EQ(file[4], 58 - 8 + 4);  // the RIFF size counts the pad byte
  EXPECT_EQ(loadWave(path).samples, (std::vector<std::int16_t>{0x0201}));
}

TEST(WriteWave, FailureNamesThePathAndKeepsThePreviousFile) {
  ScratchDir dir;
  const std::string missingFolder = dir.file("no-such-folder/wv001.wav");
  auto failure = writeWave(missingFolder, pcm16MonoFormat(11025), kRamp);
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->id, MessageId::FileCannotBeRecorded);
  EXPECT_NE(failure->text().find(missingFolder), std::string::npos);

  const auto existing = dir.write("keep.wav", kGood);
  ASSERT_FALSE(writeWave(existing, pcm16MonoFormat(22050), std::vector<std::int16_t>{5, 6}));
  EXPECT_EQ(loadWave(existing).samples, (std::vector<std::int16_t>{5, 6}));
  // Nothing but the target is left in the folder.
  std::size_t files = 0;
  for ([[maybe_unused]] auto& entry : std::filesystem::directory_iterator(dir.path())) ++files;
  EXPECT_EQ(files, 1u);
}

TEST(WaveErrorHex, FormatsLikeTheFileLayer) {
  EXPECT_EQ(waveErrorHex(WaveError::NotWaveFile), "0xE101");
  EXPECT_EQ(waveErrorHex(WaveError::None), "0x0000");
}

}  // namespace
}  // namespace sonarel::core
