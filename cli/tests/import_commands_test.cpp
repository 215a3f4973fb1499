// SPDX-License-Identifier: GPL-3.0-or-later
// sonarel-cli resample and import: what is written, where, and what is left alone.

#include <gtest/gtest.h>

#include <filesystem>

#include "cli/tests/cli_runner.h"
#include "core/tests/wave_fixtures.h"
#include "core/wave_file.h"
#include "records/client_table.h"
#include "records/tests/folder_fixtures.h"

namespace sonarel::cli {
namespace {

using records::RecordingType;
using sonarel::testing::DataFolder;

std::string Stereo(const DataFolder& data, const std::string& name, std::uint32_t rate) {
  std::vector<std::int16_t> frames;
  for (int i = 0; i < 4000; ++i) {
    frames.push_back(static_cast<std::int16_t>(i % 100 * 50));
    frames.push_back(static_cast<std::int16_t>(-(i % 37) * 20 - 1));
  }
  const std::string path = data.file(name);
  EXPECT_FALSE(core::writeWave(path, core::WaveFormat{1, 2, rate, rate * 4, 4, 16, 0, {}},
                               std::span<const std::int16_t>(frames)));
  return path;
}

TEST(ResampleCommand, WritesMonoAtTheRateAsked) {
  DataFolder data;
  const std::string in = Stereo(data, "in.wav", 48000);
  const std::string out = data.file("out.wav");
  Outcome r = runCli({"resample", in, out, "--rate", "44100", "--channel", "left"});
  ASSERT_EQ(r.status, 0) << r.err;
  auto written = core::loadWave(out);
  EXPECT_EQ(written.format, core::pcm16MonoFormat(44100));
  EXPECT_EQ(written.samples.size(), 3675u);

  // The same rate: only the channel, exactly.
  const std::string same = Stereo(data, "same.wav", 22050);
  r = runCli({"resample", same, out, "--rate", "22050", "--channel", "right"});
  ASSERT_EQ(r.status, 0) << r.err;
  written = core::loadWave(out);
  EXPECT_EQ(written.format, core::pcm16MonoFormat(22050));
  ASSERT_EQ(written.samples.size(), 4000u);
  EXPECT_EQ(written.samples[36], -721);

  for (const auto& bad : std::vector<std::vector<std::string>>{
           {"resample", in, out},
           {"resample", in, out, "--rate", "16000"},
           {"resample", in, out, "--rate", "22050", "--channel", "centre"},
           {"resample", in, "--rate", "22050"}}) {
    EXPECT_EQ(runCli(bad).status, kExitUsage);
  }
  r = runCli({"resample", data.file("missing.flac"), out, "--rate", "22050"});
  EXPECT_EQ(r.status, kExitBadInput);
  EXPECT_EQ(r.err, "File can´t be opened!\n");
}

class ImportCommand : public ::testing::Test {
 protected:
  DataFolder data;
  void SetUp() override {
    records::ClientTable table(data.file("pacb.dbf"));
    ASSERT_TRUE(table.create().ok());
    records::ClientRecord client;
    client.code = 7;
    client.name = "Ana";
    client.type = 1;
    ASSERT_TRUE(table.append(client).ok());
    const auto folder = data.client(7);
    DataFolder::put(folder.recordingPath(RecordingType::VoiceAnalysis, 1));
    DataFolder::put(folder.segmentCachePath(2), "stale");
  }
};

TEST_F(ImportCommand, TakesTheNextNumberOfTheKind) {
  const auto folder = data.client(7, false);
  const std::string in = Stereo(data, "in.wav", 48000);
  Outcome r = runCli({"import", data.path(), "7", in});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, folder.recordingPath(RecordingType::VoiceAnalysis, 2) + "\n");
  EXPECT_EQ(core::loadWave(folder.recordingPath(RecordingType::VoiceAnalysis, 2)).format,
            core::pcm16MonoFormat(22050));

  // A vocal-quality import replaces no recording and drops a stale cache under its name.
  DataFolder::put(folder.segmentCachePath(3), "stale");
  r = runCli({"import", data.path(), "7", in, "--kind", "quality"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, folder.recordingPath(RecordingType::VocalQuality, 3) + "\n");
  EXPECT_FALSE(std::filesystem::exists(folder.segmentCachePath(3)));

  // A 16-bit mono file at a suitable rate is copied as it is.
  const std::string mono = data.file("mono.wav");
  const auto bytes = testing::simpleWave(11025, testing::sine(300, 11025, 2000));
  DataFolder::put(mono, std::string(bytes.begin(), bytes.end()));
  r = runCli({"import", data.path(), "7", mono});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(testing::readBytes(folder.recordingPath(RecordingType::VoiceAnalysis, 4)),
            testing::readBytes(mono));
}

TEST_F(ImportCommand, RefusalsLeaveTheFolderAsItWas) {
  const auto folder = data.client(7, false);
  const auto listing = [&folder] {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  };
  const auto before = listing();
  const std::string in = Stereo(data, "in.wav", 48000);
  EXPECT_EQ(runCli({"import", data.path(), "8", in}).status, kExitUsage);  // no such client
  EXPECT_EQ(runCli({"import", data.path(), "7", in, "--kind", "quality", "--rate", "22050"}).status,
            kExitUsage);
  Outcome r = runCli({"import", data.path(), "7", data.file("pacb.dbf")});
  EXPECT_EQ(r.status, kExitBadInput);
  EXPECT_EQ(r.err, "File can´t be opened!\n");
  // 32000 Hz to 11025 Hz has no factors with a denominator below 1000.
  const std::string odd = Stereo(data, "odd.wav", 32000);
  r = runCli({"import", data.path(), "7", odd, "--rate", "11025"});
  EXPECT_EQ(r.status, kExitBadInput);
  EXPECT_EQ(r.err, "No simple factors for ratio\nError Importing File!\n");
  EXPECT_EQ(listing(), before);
}

}  // namespace
}  // namespace sonarel::cli
