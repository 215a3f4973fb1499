// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <sstream>

#include "cli/commands.h"
#include "cli/tests/cli_runner.h"
#include "core/tests/signal_fixtures.h"
#include "core/tests/wave_fixtures.h"

namespace sonarel::cli {
namespace {

using sonarel::testing::ScratchDir;

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) out.push_back(line);
  return out;
}

TEST(CliF0, PrintsOneExportLinePerFrameOrTimedFrames) {
  ScratchDir dir;
  // 1 s at 11025 Hz: ac frames = floor((1 - 3/70) / 0.02) + 1 = 48.
  const auto wav =
      dir.write("v.wav", testing::simpleWave(11025, testing::pulseTrain(200, 11025, 11025)));
  Outcome r = runCli({"f0", wav});
  ASSERT_EQ(r.status, kExitOk) << r.err;
  const auto exported = lines(r.out);
  ASSERT_EQ(exported.size(), 48u);
  EXPECT_EQ(exported[20], "200.000;");

  r = runCli({"f0", wav, "--method", "cc", "--min", "100", "--max", "300", "--frames"});
  ASSERT_EQ(r.status, kExitOk) << r.err;
  const auto timed = lines(r.out);
  ASSERT_EQ(timed.size(), 50u);  // floor((1 - 2/100) / 0.02) + 1
  EXPECT_EQ(timed[0].substr(0, 9), "0.000000 ");
  EXPECT_EQ(timed[1].substr(0, 9), "0.020000 ");  // frame 1 of 50 at 1/50 of the file
  EXPECT_NEAR(std::stod(timed[10].substr(9)), 200.0, 1.0);

  const auto silent = dir.write("s.wav", testing::simpleWave(11025, {0, 0, 0}));
  r = runCli({"f0", silent});
  EXPECT_EQ(r.status, kExitOk);
  EXPECT_EQ(r.out, "") << "too short for one frame: an empty export";
}

TEST(CliF0, SettingsAreCheckedAsTheDialogChecksThem) {
  ScratchDir dir;
  const auto wav = dir.write("v.wav", testing::simpleWave(11025, testing::sine(200, 11025, 800)));
  struct Row {
    std::vector<std::string> options;
    const char* message;
  } rows[] = {
      {{"--min", "45", "--max", "40"}, "Usage error: Minimal Value: 50 Hz\n"},
      {{"--max", "1500"}, "Usage error: Max Value: 1200 Hz\n"},
      {{"--min", "400"}, "Usage error: Min Value >= Max Value\n"},
      {{"--min", "low"}, "Usage error: Minimal Value: 50 Hz\n"},
      {{"--method", "yin"}, "Usage error: --method takes ac, cc, srpd, amdf or rapt\n"},
  };
  for (const Row& row : rows) {
    std::vector<std::string> words = {"f0", wav};
    words.insert(words.end(), row.options.begin(), row.options.end());
    const Outcome r = runCli(words);
    EXPECT_EQ(r.status, kExitUsage) << row.message;
    EXPECT_EQ(r.err, row.message);
  }
  const auto quality = dir.write("q.wav", testing::simpleWave(44100, {1, 2}));
  const Outcome refused = runCli({"f0", quality, "--kind", "voice"});
  EXPECT_EQ(refused.status, kExitBadInput);
  EXPECT_EQ(refused.err, quality + ": Sample Rate must be 11025 Hz or 22050 Hz, 16 bits,Mono!\n");
}

// Each of the other trackers through the command line: its own frame rate, the F0 of a tone,
// and nothing on standard error.
TEST(CliF0, RunsSrpdAmdfAndTheNccfTrackerWithTheirOwnFrames) {
  ScratchDir dir;
  const auto wav = dir.write("v.wav", testing::simpleWave(11025, testing::sine(200, 11025, 11025)));
  struct Row {
    const char* method;
    std::size_t frames;
  } rows[] = {
      {"srpd", 119},  // (11025 - 474) / 89 + 1 frames of 89 samples
      {"amdf", 96},   // (11025 - 551) / 110 + 1 windows of 551 samples
      {"rapt", 100},  // 100 frames per second
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.method);
    const Outcome r = runCli({"f0", wav, "--method", row.method});
    ASSERT_EQ(r.status, kExitOk) << r.err;
    EXPECT_EQ(r.err, "");
    const auto exported = lines(r.out);
    ASSERT_EQ(exported.size(), row.frames);
    EXPECT_NEAR(std::stod(exported[row.frames / 2]), 200.0, 2.0);
  }
  // The NCCF tracker searches 60-1000 Hz whatever the range asked for.
  const Outcome narrow = runCli({"f0", wav, "--method", "rapt", "--min", "300", "--max", "400"});
  ASSERT_EQ(narrow.status, kExitOk);
  EXPECT_EQ(narrow.out, runCli({"f0", wav, "--method", "rapt"}).out);
}

TEST(CliIntensity, PrintsThe340ColumnsOrTheWholeContour) {
  ScratchDir dir;
  const auto wav =
      dir.write("q.wav", testing::simpleWave(44100, std::vector<std::int16_t>(44100, 32767)));
  Outcome r = runCli({"intensity", wav});
  ASSERT_EQ(r.status, kExitOk) << r.err;
  const auto columns = lines(r.out);
  ASSERT_EQ(columns.size(), 340u);
  EXPECT_EQ(columns[0], "100.885;");  // 22-point window at 44100 Hz, vocal quality

  r = runCli({"intensity", wav, "--frames"});
  const auto frames = lines(r.out);
  EXPECT_EQ(frames.size(), 4008u);  // (44100 - 22) / 11 + 1
  EXPECT_EQ(frames.back().substr(9), "100.885");

  const auto empty = dir.write("e.wav", testing::simpleWave(11025, {5}));
  r = runCli({"intensity", empty});
  EXPECT_EQ(r.status, kExitOk);
  EXPECT_EQ(lines(r.out), std::vector<std::string>(340, "0.000;")) << "shorter than a window";
  EXPECT_EQ(runCli({"intensity", wav, "--min", "70"}).status, kExitUsage);
}

}  // namespace
}  // namespace sonarel::cli
