// SPDX-License-Identifier: GPL-3.0-or-later
// The comparison view: what opening one checks and computes, that it goes its own way from
// the main view (range, zoom, results) without ever touching the main recording, the common
// scales of the two pictures, and the model folder with its kill-safe save.

#include <gtest/gtest.h>

#include <filesystem>

#include "app/session/comparison.h"
#include "core/tests/kill_harness.h"
#include "core/tests/wave_fixtures.h"

namespace sonarel::app {
namespace {

using sonarel::testing::Bytes;
using sonarel::testing::readBytes;
using sonarel::testing::ScratchDir;

const ModeNeeds kF0Needs{.f0 = true, .rangeStatistics = true};
const ModeNeeds kPowerNeeds{.power = true};

class Comparison : public ::testing::Test {
 protected:
  void SetUp() override {
    mainPath = dir.write("main.wav",
                         testing::simpleWave(22050, testing::sine(160, 22050, 22050 * 2, 9000)));
    voice11k = dir.write("other.wav",
                         testing::simpleWave(11025, testing::sine(220, 11025, 11025 * 3, 8000)));
    quality = dir.write("quality.wav",
                        testing::simpleWave(44100, testing::sine(200, 44100, 44100, 8000)));
    ASSERT_FALSE(main.open(mainPath, core::FileKind::VoiceAnalysis));
    mainBytes = readBytes(mainPath);
    mainSamples = main.buffer().samples;
  }

  // The main recording as it was: on disk and in memory.
  void expectMainUntouched() {
    EXPECT_EQ(readBytes(mainPath), mainBytes);
    EXPECT_EQ(main.buffer().samples, mainSamples);
    EXPECT_EQ(main.buffer().path, mainPath);
  }

  ScratchDir dir;
  std::string mainPath, voice11k, quality;
  ViewState main;
  Bytes mainBytes;
  std::vector<std::int16_t> mainSamples;
};

TEST_F(Comparison, A22050HzFileIsComparedWithAn11025HzOneAndEachIsComputed) {
  ASSERT_FALSE(main.showMode(2, kF0Needs));
  ASSERT_FALSE(openComparison(main, {voice11k, std::nullopt}));
  const ViewState* other = main.comparison();
  ASSERT_NE(other, nullptr);
  EXPECT_EQ(other->buffer().format.sampleRate, 11025u);
  EXPECT_EQ(other->displayMode(), 2) << "takes the main view's mode";
  EXPECT_NE(other->displayData().f0, nullptr) << "and computes it";
  EXPECT_EQ(other->range().last, other->buffer().count()) << "over its whole recording";
  EXPECT_FALSE(other->zoomed());

  // Every later display is computed for both, each over its own range.
  ASSERT_FALSE(main.showMode(7, kPowerNeeds));
  EXPECT_EQ(main.comparison()->displayMode(), 7);
  EXPECT_FALSE(main.comparison()->spectral().powerLevels().empty());
  expectMainUntouched();
}

TEST_F(Comparison, EachTypeMismatchIsToldAndClosesTheComparison) {
  ASSERT_FALSE(openComparison(main, {voice11k, std::nullopt}));
  const auto refused = openComparison(main, {quality, std::nullopt});
  ASSERT_TRUE(refused);
  EXPECT_EQ(refused->text(), "File types are different\nSelect a Voice Analysis File!");
  EXPECT_EQ(main.comparison(), nullptr);

  ViewState qualityMain;
  ASSERT_FALSE(qualityMain.open(quality, core::FileKind::VocalQuality));
  const auto other = openComparison(qualityMain, {voice11k, std::nullopt});
  ASSERT_TRUE(other);
  EXPECT_EQ(other->text(), "File types are different\nSelect a Vocal Quality File!");
  EXPECT_EQ(qualityMain.comparison(), nullptr);
  // A client file's kind comes from the file list: a 44100 Hz main takes a 44100 Hz file.
  EXPECT_FALSE(openComparison(qualityMain, {quality, core::FileKind::VocalQuality}).has_value());
  EXPECT_NE(qualityMain.comparison(), nullptr);
  expectMainUntouched();
}

TEST_F(Comparison, AnUnreadableFileOrAnUndefinedClientTypeLeavesNoComparison) {
  const std::string broken = dir.write("broken.wav", Bytes{'R', 'I', 'F', 'F', 1, 2});
  const auto unreadable = openComparison(main, {broken, std::nullopt});
  ASSERT_TRUE(unreadable);
  EXPECT_EQ(unreadable->id, core::MessageId::ErrorReadingFile);
  EXPECT_EQ(main.comparison(), nullptr);

  main.setClientType(7);
  const auto undefined = openComparison(main, {voice11k, std::nullopt});
  ASSERT_TRUE(undefined);
  EXPECT_EQ(undefined->id, core::MessageId::UndefinedType);
  EXPECT_EQ(main.comparison(), nullptr);
  expectMainUntouched();
}

TEST_F(Comparison, TheClientTypeSetsTheComparisonsPitchRangeAndTheOtherSettingsFollowTheMain) {
  main.setClientType(2);  // child: 200 to 550 Hz
  core::F0Settings f0 = main.f0Settings();
  f0.silenceThreshold = 25;
  main.setF0Settings(f0);
  ASSERT_FALSE(openComparison(main, {voice11k, std::nullopt}));
  ViewState& other = *main.comparison();
  EXPECT_EQ(other.f0Settings().minPitch, 200);
  EXPECT_EQ(other.f0Settings().maxPitch, 550);
  EXPECT_EQ(other.f0Settings().silenceThreshold, 25);
  EXPECT_EQ(other.clientType(), 2);

  // New settings in the main view clear the comparison's contour and reach it.
  ASSERT_FALSE(main.showMode(2, kF0Needs));
  ASSERT_TRUE(other.buffer().flags.f0Computed);
  f0.silenceThreshold = 30;
  f0.minPitch = 60;
  main.setF0Settings(f0);
  EXPECT_FALSE(other.buffer().flags.f0Computed);
  EXPECT_EQ(other.f0Settings().silenceThreshold, 30);
  EXPECT_EQ(other.f0Settings().minPitch, 200) << "its range stays its client type's";
  main.spectral().setBand(spectral::SpectrogramBand::Wide);
  main.shareSettingsWithComparison();
  EXPECT_EQ(other.spectral().spectrogramSettings().band, spectral::SpectrogramBand::Wide);
}

TEST_F(Comparison, ItsZoomAndSelectionAreItsOwnAndTheMainRecordingNeverChanges) {
  ASSERT_FALSE(main.showMode(7, kPowerNeeds));
  ASSERT_FALSE(openComparison(main, {voice11k, std::nullopt}));
  ViewState& other = *main.comparison();
  const std::vector<float> mainPower = main.spectral().powerLevels();
  other.pressStrip(100);
  other.dragStrip(300);
  ASSERT_TRUE(other.releaseStrip(300));
  ASSERT_FALSE(other.toggleZoom());
  EXPECT_TRUE(other.zoomed());
  EXPECT_FALSE(main.zoomed());
  EXPECT_EQ(main.range().first, 0);
  EXPECT_EQ(main.range().last, main.buffer().count());
  EXPECT_TRUE(main.selection().empty());
  EXPECT_EQ(main.spectral().powerLevels(), mainPower) << "the main results stay";
  expectMainUntouched();

  // Reusing the view for another comparison starts it afresh; closing leaves the main view.
  ASSERT_FALSE(openComparison(main, {voice11k, std::nullopt}));
  EXPECT_FALSE(main.comparison()->zoomed());
  main.closeComparison();
  EXPECT_EQ(main.comparison(), nullptr);
  EXPECT_EQ(main.displayMode(), 7);
  expectMainUntouched();
}

TEST_F(Comparison, ADisplayOfOneRecordingWithItsOwnClosesTheComparison) {
  const ModeNeeds alone{.closesComparison = true};
  ASSERT_FALSE(main.showMode(17, alone));
  // Opening a comparison from there leaves the main view showing nothing.
  ASSERT_FALSE(openComparison(main, {voice11k, std::nullopt}));
  EXPECT_EQ(main.displayMode(), mode::None);
  EXPECT_EQ(main.comparison()->displayMode(), mode::None);
  ASSERT_FALSE(main.showMode(17, alone));
  EXPECT_EQ(main.comparison(), nullptr);
  // A new main recording, or none, takes the comparison with it; a copy never has it.
  ASSERT_FALSE(openComparison(main, {voice11k, std::nullopt}));
  const ViewState copy = main;
  EXPECT_EQ(copy.comparison(), nullptr);
  ASSERT_FALSE(main.open(mainPath, core::FileKind::VoiceAnalysis));
  EXPECT_EQ(main.comparison(), nullptr);
}

TEST_F(Comparison, AComparisonWithoutAnAnalysableStretchShowsNothing) {
  ViewState qualityMain;
  ASSERT_FALSE(qualityMain.open(quality, core::FileKind::VocalQuality));
  const std::string silent =
      dir.write("silent.wav", testing::simpleWave(44100, std::vector<std::int16_t>(44100, 0)));
  const ModeNeeds diagram{.segments = true, .segmentsRequired = true};
  qualityMain.showMode(12, diagram);
  const int shown = qualityMain.displayMode();
  const auto told = openComparison(qualityMain, {silent, core::FileKind::VocalQuality});
  if (shown == 12) {
    ASSERT_TRUE(told);
    EXPECT_EQ(told->id, core::MessageId::NoAreaToAnalyse);
    ASSERT_NE(qualityMain.comparison(), nullptr);
    EXPECT_EQ(qualityMain.comparison()->displayMode(), mode::None);
  }
}

TEST(ComparisonScales, BothGraphsShareTheirScalesAndTheTimeAxisWhenTheDurationsAllow) {
  DisplayData a, b;
  a.sampleRate = 11025;
  a.range = {0, 11025 * 3};
  a.f0Display = {70, 400, 10, true};
  a.intensityDisplay = {10, 100};
  b.sampleRate = 22050;
  b.range = {0, 22050 * 2};
  b.f0Display = {200, 550, 10, true};
  b.intensityDisplay = {20, 90};
  scaleTogether(a, b);
  for (const DisplayData* d : {&a, &b}) {
    EXPECT_EQ(d->f0Display.minPitch, 70);
    EXPECT_EQ(d->f0Display.maxPitch, 550);
    EXPECT_EQ(d->intensityDisplay.lowLimit, 10);
    EXPECT_EQ(d->intensityDisplay.highLimit, 100);
    EXPECT_DOUBLE_EQ(d->axisSpanSeconds(), 3.0);
  }
  EXPECT_DOUBLE_EQ(b.axisSpanSamples(), 22050.0 * 3);
  // A recording under half the other's length keeps its own axis, and so does the other.
  b.range = {0, 22050};
  scaleTogether(a, b);
  EXPECT_DOUBLE_EQ(a.axisSpanSeconds(), 3.0);
  EXPECT_DOUBLE_EQ(b.axisSpanSeconds(), 1.0);
}

TEST(Models, TheFolderIsMadeOnFirstUseAndASaveCopiesTheFileWhole) {
  ScratchDir dir;
  const auto folder = modelFolder(dir.path().string());
  ASSERT_TRUE(folder);
  EXPECT_TRUE(std::filesystem::is_directory(dir.file("Modelos")));
  const Bytes first = testing::simpleWave(11025, testing::noise(5000, 3));
  const Bytes second = testing::simpleWave(22050, testing::noise(9000, 4));
  const std::string a = dir.write("a.wav", first), b = dir.write("b.wav", second);
  const std::string model = *folder + "/vowel.wav";
  ASSERT_FALSE(saveAsModel(a, model));
  EXPECT_EQ(readBytes(model), first);
  ASSERT_FALSE(saveAsModel(b, model)) << "replaces an existing model";
  EXPECT_EQ(readBytes(model), second);
  EXPECT_EQ(readBytes(b), second) << "the source stays as it was";
  EXPECT_FALSE(saveAsModel(model, model)) << "a model saved onto itself stays whole";
  EXPECT_EQ(readBytes(model), second);

  const auto missing = saveAsModel(dir.file("none.wav"), *folder + "/x.wav");
  ASSERT_TRUE(missing);
  EXPECT_EQ(missing->text(), "Error saving File as a Model!");
  EXPECT_FALSE(std::filesystem::exists(*folder + "/x.wav"));
  // A model folder that is a file cannot be made.
  ScratchDir other;
  other.write("Modelos", Bytes{1});
  EXPECT_FALSE(modelFolder(other.path().string()));
}

TEST(Models, AKilledSaveLeavesTheOldOrTheNewModelWhole) {
  ScratchDir dir;
  const std::string sources[2] = {
      dir.write("a.wav", testing::simpleWave(22050, testing::noise(22050 * 3, 1))),
      dir.write("b.wav", testing::simpleWave(22050, testing::noise(22050 * 5, 2)))};
  const std::string model = *modelFolder(dir.path().string()) + "/model.wav";
  testing::expectKillSafe(model, [&](int i) { return !saveAsModel(sources[i % 2], model); },
                          {readBytes(sources[0]), readBytes(sources[1])});
}

TEST(Models, AFullDiskOrAReadOnlyFolderKeepsTheOldModel) {
  ScratchDir dir;
  const std::string small = dir.write("a.wav", testing::simpleWave(22050, testing::noise(2205, 1)));
  const std::string large =
      dir.write("b.wav", testing::simpleWave(22050, testing::noise(22050 * 2, 2)));
  const std::string model = *modelFolder(dir.path().string()) + "/model.wav";
  ASSERT_FALSE(saveAsModel(small, model));
  testing::expectFullDiskKeepsTheOldFile(
      model, [&] { return !saveAsModel(large, model); }, 16384);
  testing::expectReadOnlyFolderKeepsTheOldFile(model, [&] { return !saveAsModel(large, model); });
}

}  // namespace
}  // namespace sonarel::app
