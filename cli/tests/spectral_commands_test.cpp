// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>

#include "cli/tests/cli_runner.h"
#include "core/tests/wave_fixtures.h"

namespace sonarel::cli {
namespace {

using sonarel::testing::ScratchDir;

std::vector<double> numbers(const std::string& text) {
  std::vector<double> out;
  std::istringstream in(text);
  for (double v; in >> v;) out.push_back(v);
  return out;
}

std::string contents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

TEST(CliSpectrum, PrintsHalfTheTransformSizeAndPeaksAtTheTone) {
  ScratchDir dir;
  const auto wav =
      dir.write("t.wav", testing::simpleWave(11025, testing::sine(1000, 11025, 11025)));
  for (const int n : {256, 512, 1024}) {
    const Outcome r = runCli({"spectrum", wav, "--fft", std::to_string(n), "--window", "rect"});
    ASSERT_EQ(r.status, kExitOk) << r.err;
    const auto levels = numbers(r.out);
    ASSERT_EQ(levels.size(), static_cast<std::size_t>(n / 2));
    const auto peak = std::max_element(levels.begin(), levels.end()) - levels.begin();
    EXPECT_EQ(peak, std::lround(1000.0 * n / 11025)) << n;
  }
  // A range shorter than one frame gives zeros; bad options are usage errors.
  const Outcome shortRange = runCli({"spectrum", wav, "--from", "0.5", "--to", "0.51"});
  ASSERT_EQ(shortRange.status, kExitOk);
  EXPECT_EQ(shortRange.out.substr(0, 12), "0.000\n0.000\n");
  EXPECT_EQ(runCli({"spectrum", wav, "--fft", "2048"}).status, kExitUsage);
  EXPECT_EQ(runCli({"spectrum", wav, "--window", "hann"}).status, kExitUsage);
  EXPECT_EQ(runCli({"spectrum", wav, "--from", "soon"}).status, kExitUsage);
}

TEST(CliLpc, RefusesShortRangesAndRepeatsAResultForASeed) {
  ScratchDir dir;
  const auto wav = dir.write("n.wav", testing::simpleWave(11025, testing::noise(4000, 2)));
  const Outcome refused = runCli({"lpc", wav, "--to", "0.05"});  // 551 samples
  EXPECT_EQ(refused.status, kExitBadInput);
  EXPECT_EQ(refused.err, "There is no Available Points\nSelect a Bigger Area!\n");
  EXPECT_EQ(refused.out, "");

  const Outcome a = runCli({"lpc", wav, "--seed", "7", "--order", "28"});
  const Outcome b = runCli({"lpc", wav, "--seed", "7", "--order", "28"});
  const Outcome c = runCli({"lpc", wav, "--seed", "8", "--order", "28"});
  ASSERT_EQ(a.status, kExitOk) << a.err;
  EXPECT_EQ(numbers(a.out).size(), 680u);
  EXPECT_EQ(a.out, b.out);
  EXPECT_NE(a.out, c.out);
  EXPECT_EQ(runCli({"lpc", wav, "--order", "12"}).status, kExitUsage);
  EXPECT_EQ(runCli({"lpc", wav, "--seed", "-1"}).status, kExitUsage);
}

TEST(CliSpectrogram, WritesAPictureOfTheRequestedHeightOrPrintsItsLevels) {
  ScratchDir dir;
  const auto wav =
      dir.write("t.wav", testing::simpleWave(22050, testing::sine(3000, 22050, 22050)));
  const std::string png = dir.file("s.png");
  const Outcome r = runCli({"spectrogram", wav, "--png", png, "--height", "120", "--gray"});
  ASSERT_EQ(r.status, kExitOk) << r.err;
  const std::string picture = contents(png);
  ASSERT_GT(picture.size(), 33u);
  EXPECT_EQ(picture.substr(0, 8), "\x89PNG\r\n\x1a\n");
  EXPECT_EQ(picture.substr(12, 4), "IHDR");
  EXPECT_EQ(picture.substr(16, 8), std::string("\0\0\x02\xa8\0\0\0\x78", 8));  // 680 x 120

  const Outcome levels = runCli({"spectrogram", wav, "--levels", "--height", "100"});
  ASSERT_EQ(levels.status, kExitOk) << levels.err;
  std::istringstream rows(levels.out);
  std::vector<std::vector<double>> matrix;
  for (std::string line; std::getline(rows, line);) matrix.push_back(numbers(line));
  ASSERT_EQ(matrix.size(), 100u);
  ASSERT_EQ(matrix[0].size(), 680u);
  // 3000 Hz of 11025 lies 27 % up from the bottom: row 72 or 73 from the top.
  const auto& middle = matrix;
  int loudest = 0;
  for (int row = 0; row < 100; ++row)
    if (middle[row][340] > middle[loudest][340]) loudest = row;
  EXPECT_NEAR(loudest, 72, 1);

  EXPECT_EQ(runCli({"spectrogram", wav}).status, kExitUsage);
  EXPECT_EQ(runCli({"spectrogram", wav, "--levels", "--band", "huge"}).status, kExitUsage);
  EXPECT_EQ(runCli({"spectrogram", wav, "--levels", "--contrast", "2"}).status, kExitUsage);
  EXPECT_EQ(runCli({"spectrogram", wav, "--levels", "--height", "2000"}).status, kExitUsage);
  const Outcome unwritable = runCli({"spectrogram", wav, "--png", dir.file("no/such/s.png")});
  EXPECT_EQ(unwritable.status, kExitBadInput);
  EXPECT_NE(unwritable.err.find("could not be saved"), std::string::npos);
}

}  // namespace
}  // namespace sonarel::cli
