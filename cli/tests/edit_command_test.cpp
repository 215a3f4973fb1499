// SPDX-License-Identifier: GPL-3.0-or-later
// sonarel-cli edit against results worked out by hand on a known file: 11025 Hz, one second,
// sample i = (i mod 200) - 100.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "cli/tests/cli_runner.h"
#include "core/tests/wave_fixtures.h"
#include "core/wave_file.h"

namespace sonarel::cli {
namespace {

using sonarel::testing::ScratchDir;

std::int16_t known(int i) {
  return static_cast<std::int16_t>(i % 200 - 100);
}

class EditCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    std::vector<std::int16_t> samples(11025);
    for (int i = 0; i < 11025; ++i) samples[static_cast<std::size_t>(i)] = known(i);
    input = dir.write("wv001.wav", testing::simpleWave(11025, samples));
    output = dir.file("out.wav");
  }
  std::vector<std::int16_t> written() const { return core::loadWave(output).samples; }

  ScratchDir dir;
  std::string input, output;
};

TEST_F(EditCommand, CutsThenAmplifiesInTheOrderGiven) {
  // 0.1 s is sample 1102 (1102.5 truncated), 0.2 s sample 2205: 1103 samples go. Then the
  // first 5512 samples of what is left are scaled by 1.5 toward zero.
  const Outcome r = runCli(
      {"edit", input, "--out", output, "--cut", "0.1", "0.2", "--amplify", "0", "0.5", "150"});
  ASSERT_EQ(r.status, kExitOk) << r.err;
  const auto out = written();
  ASSERT_EQ(out.size(), 9922u);
  EXPECT_EQ(out[0], -150);     // -100
  EXPECT_EQ(out[1101], 1);     // 1 * 1.5 = 1.5
  EXPECT_EQ(out[1102], -142);  // was sample 2205: -95 * 1.5 = -142.5
  EXPECT_EQ(out[5511], -129);  // was sample 6614: -86 * 1.5
  EXPECT_EQ(out[5512], -85);   // was sample 6615, past the amplified stretch
  EXPECT_EQ(out[9921], known(11024));
  EXPECT_EQ(core::loadWave(output).format.sampleRate, 11025u);
}

TEST_F(EditCommand, CopiesPastesAndSilences) {
  // 10 ms is 110 samples; pasted at 1 s, the end of the file. Then 1 ms (11 samples) silenced.
  const Outcome r = runCli({"edit", input, "--out", output, "--copy", "0", "0.01", "--paste-at",
                            "1", "--silence", "0", "0.001"});
  ASSERT_EQ(r.status, kExitOk) << r.err;
  const auto out = written();
  ASSERT_EQ(out.size(), 11135u);
  EXPECT_EQ(out[10], 0);
  EXPECT_EQ(out[11], known(11));
  EXPECT_EQ(out[11025], known(0));
  EXPECT_EQ(out[11134], known(109));
}

TEST_F(EditCommand, EditingInPlaceDropsTheSegmentCacheBesideIt) {
  const std::string cache = dir.file("wv001.dat");
  std::ofstream(cache) << "old segments";
  const Outcome r = runCli({"edit", input, "--out", input, "--silence", "0.5", "2"});
  ASSERT_EQ(r.status, kExitOk) << r.err;
  EXPECT_FALSE(std::filesystem::exists(cache));
  const auto out = core::loadWave(input).samples;
  EXPECT_EQ(out[5511], known(5511));
  EXPECT_EQ(out[5512], 0);
  EXPECT_EQ(out[11024], 0);  // the stretch stops at the end
}

TEST_F(EditCommand, UsageErrorsAndRefusedEditsWriteNothing) {
  const std::vector<std::vector<std::string>> usage = {
      {"edit", input, "--cut", "0", "0.1"},                             // no --out
      {"edit", input, "--out", output},                                 // no operation
      {"edit", input, "--out", output, "--cut", "0.2", "0.1"},          // end before start
      {"edit", input, "--out", output, "--cut", "0", "x"},              // not a time
      {"edit", input, "--out", output, "--amplify", "0", "1", "501"},   // beyond 500 %
      {"edit", input, "--out", output, "--copy", "0", "0.1", "--cut"},  // no --paste-at
      {"edit", input, "--out", output, "--silence", "0"},               // one time short
  };
  for (const auto& words : usage) {
    const Outcome r = runCli(words);
    EXPECT_EQ(r.status, kExitUsage) << words.back() << ": " << r.err;
  }
  const Outcome outside = runCli({"edit", input, "--out", output, "--cut", "1", "2"});
  EXPECT_EQ(outside.status, kExitBadInput);
  EXPECT_EQ(outside.err, "The stretch from 1 s to 2 s lies outside the sound file.\n");
  const Outcome whole = runCli({"edit", input, "--out", output, "--cut", "0", "1"});
  EXPECT_EQ(whole.status, kExitBadInput);
  const Outcome missing =
      runCli({"edit", dir.file("none.wav"), "--out", output, "--cut", "0", "1"});
  EXPECT_EQ(missing.status, kExitBadInput);
  EXPECT_FALSE(std::filesystem::exists(output));
}

}  // namespace
}  // namespace sonarel::cli
