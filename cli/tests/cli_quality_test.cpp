// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "cli/commands.h"
#include "cli/f0_figures.h"
#include "cli/tests/cli_runner.h"
#include "core/tests/wave_fixtures.h"
#include "quality/segment_cache.h"
#include "quality/tests/synthetic_vowel.h"

namespace sonarel::cli {
namespace {

using sonarel::testing::ScratchDir;

// 0.1 s of silence, a healthy-like vowel of 1.2 s, 0.1 s of silence.
std::string writeVowel(const ScratchDir& dir, const std::string& name) {
  testing::VowelRecipe recipe = testing::healthyLikeVowel();
  recipe.seconds = 1.2;
  std::vector<std::int16_t> samples(4410, 0);
  const auto vowel = testing::syntheticVowel(recipe);
  samples.insert(samples.end(), vowel.begin(), vowel.end());
  samples.insert(samples.end(), 4410, 0);
  return dir.write(name, testing::simpleWave(44100, samples));
}

TEST(CliQuality, PrintsEachSegmentAndItsFrames) {
  ScratchDir dir;
  const std::string wav = writeVowel(dir, "qv001.wav");
  const Outcome r = runCli({"quality", wav});
  ASSERT_EQ(r.status, kExitOk) << r.err;
  EXPECT_EQ(r.out.rfind("segments: 1\nsegment 1: start ", 0), 0u) << r.out;
  EXPECT_NE(r.out.find(", 3 frames\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("  frame   from (s)     to (s)  jitter (%)"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(dir.file("qv001.dat"))) << "no cache without --cache";
}

TEST(CliQuality, CacheIsWrittenBesideTheFileAndReused) {
  ScratchDir dir;
  const std::string wav = writeVowel(dir, "qv001.wav");
  const Outcome fresh = runCli({"quality", wav, "--cache"});
  ASSERT_EQ(fresh.status, kExitOk) << fresh.err;
  const std::string dat = dir.file("qv001.dat");
  ASSERT_TRUE(std::filesystem::exists(dat));
  EXPECT_EQ(runCli({"quality", wav, "--cache"}).out, fresh.out);
  EXPECT_EQ(runCli({"quality", wav}).out, fresh.out) << "the cache holds what the analysis gave";

  // A cache written by someone else for this length is believed, as the workstation does.
  const auto count = static_cast<std::uint32_t>((std::filesystem::file_size(wav) - 44) / 2);
  std::vector<quality::SegmentResult> planted(1);
  planted[0].start = 100;
  planted[0].length = 22100;
  planted[0].resizeFrames(1);
  planted[0].values(quality::Measure::F0)[0] = 432.25f;
  ASSERT_FALSE(quality::saveSegmentCache(dat, count, planted));
  const Outcome reused = runCli({"quality", wav, "--cache"});
  EXPECT_NE(reused.out.find("432.25"), std::string::npos) << reused.out;
}

TEST(CliQuality, RecordingsWithoutVoicingOrOfAnotherRateAreBadInput) {
  ScratchDir dir;
  const auto silent =
      dir.write("s.wav", testing::simpleWave(44100, std::vector<std::int16_t>(44100)));
  Outcome r = runCli({"quality", silent});
  EXPECT_EQ(r.status, kExitBadInput);
  EXPECT_EQ(r.err, "There is no area to be analysed!\n");
  const auto slow =
      dir.write("v.wav", testing::simpleWave(22050, testing::sine(150, 22050, 22050)));
  r = runCli({"quality-report", slow});
  EXPECT_EQ(r.status, kExitBadInput);
  EXPECT_EQ(r.err, "Sample Rate must be 44100 Hz, 16 bits,Mono!\n" + slow +
                       " is sampled at 22050 Hz; a vocal-quality file takes 44100 Hz. Import "
                       "converts the rate.\n");
}

TEST(CliQualityReport, PrintsTheAveragesAndGaugesOverTheRange) {
  ScratchDir dir;
  const std::string wav = writeVowel(dir, "qv001.wav");
  Outcome r = runCli({"quality-report", wav});
  ASSERT_EQ(r.status, kExitOk) << r.err;
  EXPECT_EQ(r.out.rfind("Statistics\n(from 0.00s to 1.40s)\nAverage F0: ", 0), 0u) << r.out;
  // The vowel's F0 is 120 Hz; the mean of the F0 contour over the range says so.
  const auto mean = r.out.find("Average F0: ");
  EXPECT_NEAR(std::stod(r.out.substr(mean + 12)), 120.0, 1.5) << r.out;
  for (const char* line : {"\nMode F0: ", "\nF0 SD: ", "\nSegments used: 1\nJitter  (PPQ): ",
                           "\nShimmer (EPQ): ", "\nCorrelation: ", "\nIrregularity SD: ",
                           "\nNoise SD: ", "\n  Jitter        green, bar "}) {
    EXPECT_NE(r.out.find(line), std::string::npos) << line;
  }
  // Nothing to average is a refusal: on standard error, with a failing status.
  r = runCli({"quality-report", wav, "--from", "0.5", "--to", "0.6"});
  EXPECT_EQ(r.status, kExitBadInput);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "There is no point available!\n");
}

TEST(CliQualityReport, BadRangesAreUsageErrors) {
  ScratchDir dir;
  const std::string wav = writeVowel(dir, "qv001.wav");
  for (const auto& words :
       std::vector<std::vector<std::string>>{{"quality-report", wav, "--from", "soon"},
                                             {"quality-report", wav, "--from", "-1"},
                                             {"quality-report", wav, "--from", "1", "--to", "0.5"},
                                             {"quality-report", wav, "--from", "100"},
                                             {"quality-report", wav, "--cache"},
                                             {"quality", wav, "--from", "1"},
                                             {"quality"}}) {
    EXPECT_EQ(runCli(words).status, kExitUsage) << ::testing::PrintToString(words);
  }
}

TEST(F0Figures, AtMostFourModesThenAnEllipsis) {
  core::VoiceStatistics s;
  s.modes = {101, 102, 103, 104, 105, 106};
  struct Row {
    int modes;
    std::string text;
  };
  for (const Row& row : {Row{1, "101.00 Hz"}, Row{4, "101.00 Hz; 102.00 Hz; 103.00 Hz; 104.00 Hz"},
                         Row{6, "101.00 Hz; 102.00 Hz; 103.00 Hz; 104.00 Hz ..."}}) {
    s.modeCount = row.modes;
    EXPECT_EQ(f0ModesText(s), row.text) << row.modes << " modes";
  }
}

}  // namespace
}  // namespace sonarel::cli
