// SPDX-License-Identifier: GPL-3.0-or-later
// "diagram" and "report": the printed segment means, the follow-up's limits and refusals,
// and the PNG pictures drawn by the window's routines.

#include "cli/picture_commands.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <filesystem>

#include "cli/tests/cli_runner.h"
#include "core/tests/wave_fixtures.h"
#include "core/wave_file.h"
#include "quality/tests/synthetic_vowel.h"

namespace sonarel::cli {
namespace {

class PictureCommands : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { addPictureCommands(); }

  // A recording of `recipe` with 0.2 s of silence either side, in the client folder pac001.
  std::string vowelFile(const std::string& name, testing::VowelRecipe recipe) {
    std::filesystem::create_directories(scratch.path() / "pac001");
    recipe.seconds = 1.2;
    std::vector<std::int16_t> samples(8820, 0);
    const std::vector<std::int16_t> vowel = testing::syntheticVowel(recipe);
    samples.insert(samples.end(), vowel.begin(), vowel.end());
    samples.resize(samples.size() + 8820, 0);
    const std::string path = (scratch.path() / "pac001" / name).string();
    EXPECT_FALSE(core::writeWave(path, core::pcm16MonoFormat(44100), samples));
    return path;
  }
  std::string file(const std::string& name) { return (scratch.path() / name).string(); }

  sonarel::testing::ScratchDir scratch;
};

TEST_F(PictureCommands, DiagramPrintsEachSegmentsMeanAndDrawsThePlane) {
  const std::string healthy = vowelFile("qv001.wav", testing::healthyLikeVowel());
  const Outcome outcome = runCli({"diagram", healthy, "--png", file("one.png")});
  ASSERT_EQ(outcome.status, kExitOk) << outcome.err;
  EXPECT_NE(outcome.out.find(healthy + " segment 1: irregularity "), std::string::npos)
      << outcome.out;
  EXPECT_NE(outcome.out.find(" inside\n"), std::string::npos) << outcome.out;
  QImage picture(QString::fromStdString(file("one.png")));
  ASSERT_FALSE(picture.isNull());
  EXPECT_EQ(picture.size(), QSize(840, 470));
  // The plot's ground and the normal area, and the red mean of the one segment.
  EXPECT_EQ(picture.pixelColor(80 + 600, 40 + 20), QColor(200, 200, 200));
  EXPECT_EQ(picture.pixelColor(80 + 5, 400 - 5), QColor(220, 220, 220));
  bool red = false;
  for (int y = 40; y < 400 && !red; ++y)
    for (int x = 80; x < 760 && !red; ++x) red = picture.pixelColor(x, y) == QColor(255, 0, 0);
  EXPECT_TRUE(red);
}

TEST_F(PictureCommands, FollowUpTakesSixRecordingsOfOneClientAtMost) {
  const std::string main = vowelFile("qv001.wav", testing::healthyLikeVowel());
  const std::string rough = vowelFile("qv002.wav", testing::roughVowel());
  Outcome outcome = runCli({"diagram", main, rough, "--png", file("two.png")});
  ASSERT_EQ(outcome.status, kExitOk) << outcome.err;
  EXPECT_NE(outcome.out.find(rough + " segment 1: irregularity "), std::string::npos);
  EXPECT_NE(outcome.out.find(" outside\n"), std::string::npos) << outcome.out;
  EXPECT_EQ(QImage(QString::fromStdString(file("two.png"))).size(), QSize(840, 560));

  outcome = runCli({"diagram", main, main, "--png", file("same.png")});
  EXPECT_EQ(outcome.status, kExitBadInput);
  EXPECT_NE(outcome.err.find("The Selected File already is on the Diagram!"), std::string::npos);

  std::vector<std::string> words = {"diagram"};
  for (int i = 0; i < 7; ++i) words.push_back(main);
  words.insert(words.end(), {"--png", file("seven.png")});
  outcome = runCli(words);
  EXPECT_EQ(outcome.status, kExitBadInput);
  EXPECT_EQ(outcome.err, "Limit is 6 Sound Files!\nRemove a File before to insert a new...\n");
  EXPECT_FALSE(std::filesystem::exists(file("seven.png")));

  const std::string outside = file("qv003.wav");
  std::filesystem::copy_file(rough, outside);
  EXPECT_EQ(runCli({"diagram", main, outside, "--png", file("x.png")}).status, kExitUsage)
      << "another client's (or no client's) recording";
}

TEST_F(PictureCommands, ReportDrawsThePageOverTheRange) {
  const std::string healthy = vowelFile("qv001.wav", testing::healthyLikeVowel());
  Outcome outcome = runCli({"report", healthy, "--png", file("report.png")});
  ASSERT_EQ(outcome.status, kExitOk) << outcome.err;
  QImage picture(QString::fromStdString(file("report.png")));
  ASSERT_EQ(picture.size(), QSize(840, 460));
  // The irregularity gauge's bar (X0 + 581, Yt + 151 onwards) is green for a healthy voice.
  EXPECT_EQ(picture.pixelColor(80 + 582, 40 + 157), QColor(0, 255, 0));

  outcome = runCli({"report", healthy, "--png", file("empty.png"), "--from", "0", "--to", "0.1"});
  ASSERT_EQ(outcome.status, kExitOk) << outcome.err;
  EXPECT_NE(QImage(QString::fromStdString(file("empty.png"))).pixelColor(80 + 582, 40 + 157),
            QColor(0, 255, 0))
      << "no frame in range: no gauges";
  EXPECT_EQ(
      runCli({"report", healthy, "--png", file("r.png"), "--from", "1", "--to", "0.5"}).status,
      kExitUsage);
  EXPECT_EQ(runCli({"report", healthy}).status, kExitUsage);
}

}  // namespace
}  // namespace sonarel::cli
