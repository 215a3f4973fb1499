// SPDX-License-Identifier: GPL-3.0-or-later
// Analysing a copy of a view (as the window does on its worker) and taking the result back,
// and the clinical measures kept with the other results.

#include <gtest/gtest.h>

#include <cmath>

#include "app/session/view_state.h"
#include "core/tests/wave_fixtures.h"

namespace sonarel::app {
namespace {

using sonarel::testing::ScratchDir;

const ModeNeeds kF0Statistics{.f0 = true, .rangeStatistics = true};
const ModeNeeds kClinical{.clinical = true};

// A vowel-like sound: 150 Hz with falling harmonics, two seconds at 44100 Hz.
std::vector<std::int16_t> vowel(std::size_t count) {
  std::vector<std::int16_t> samples(count);
  for (std::size_t i = 0; i < count; ++i) {
    double v = 0;
    for (int h = 1; h <= 8; ++h) v += std::sin(2 * M_PI * 150.0 * h * double(i) / 44100.0) / h;
    samples[i] = static_cast<std::int16_t>(5000 * v);
  }
  return samples;
}

class ViewAnalysisCopy : public ::testing::Test {
 protected:
  void SetUp() override {
    path =
        dir.write("voice.wav", testing::simpleWave(11025, testing::sine(180, 11025, 22050, 9000)));
    ASSERT_FALSE(view.open(path, core::FileKind::VoiceAnalysis));
  }

  ScratchDir dir;
  std::string path;
  ViewState view;
};

TEST_F(ViewAnalysisCopy, TheResultOfTheCopyIsTakenWithoutReplacingTheSamples) {
  const std::int16_t* samples = view.buffer().samples.data();
  ViewState copy = view.analysisCopy();
  EXPECT_NE(copy.buffer().samples.data(), samples);  // its own, for the other thread
  ASSERT_FALSE(copy.showMode(2, kF0Statistics));
  // Nothing reaches the view before it is taken.
  EXPECT_EQ(view.displayMode(), mode::None);
  EXPECT_EQ(view.displayData().f0, nullptr);

  ASSERT_TRUE(view.adoptAnalysis(std::move(copy)));
  EXPECT_EQ(view.displayMode(), 2);
  // The samples a playback may be reading stay where they were.
  EXPECT_EQ(view.buffer().samples.data(), samples);
  const DisplayData data = view.displayData();
  ASSERT_NE(data.f0, nullptr);
  EXPECT_GT(data.f0->frameCount(), 0);
  EXPECT_TRUE(view.buffer().flags.f0Computed);
  EXPECT_GT(data.statistics->statistics.meanF0, 0);
}

TEST_F(ViewAnalysisCopy, AResultForSamplesEditedMeanwhileIsRefused) {
  ViewState copy = view.analysisCopy();
  ASSERT_FALSE(copy.showMode(2, kF0Statistics));
  view.changeSamples(
      [](std::vector<std::int16_t>& samples) { samples.resize(samples.size() / 2); });
  const std::vector<std::int16_t> edited = view.buffer().samples;

  EXPECT_FALSE(view.adoptAnalysis(std::move(copy)));
  EXPECT_EQ(view.displayMode(), mode::None);
  EXPECT_EQ(view.displayData().f0, nullptr);
  EXPECT_FALSE(view.buffer().flags.f0Computed);
  EXPECT_EQ(view.buffer().samples, edited);

  // Another file opened meanwhile is refused too, even at the same revision number.
  ViewState other = view.analysisCopy();
  ViewState elsewhere;
  ASSERT_FALSE(elsewhere.open(path, core::FileKind::VoiceAnalysis));
  ASSERT_FALSE(other.showMode(2, kF0Statistics));
  EXPECT_FALSE(elsewhere.adoptAnalysis(std::move(other)));
}

TEST_F(ViewAnalysisCopy, AZoomOnTheCopyComesBackWithItsRangeAndTheComparisonsResult) {
  ViewState& beside = view.makeComparison();
  ASSERT_FALSE(beside.open(path, core::FileKind::VoiceAnalysis));
  ASSERT_FALSE(view.showMode(2, kF0Statistics));
  view.pressStrip(100);
  view.dragStrip(300);
  view.releaseStrip(300);

  ViewState copy = view.analysisCopy();
  ASSERT_NE(copy.comparison(), nullptr);
  ASSERT_FALSE(copy.toggleZoom());
  copy.comparison()->selectAll();
  ASSERT_FALSE(copy.comparison()->toggleZoom());
  ASSERT_TRUE(view.adoptAnalysis(std::move(copy)));

  EXPECT_TRUE(view.zoomed());
  EXPECT_EQ(view.range().first, 100 * view.samplesPerPixel());
  EXPECT_TRUE(view.comparison()->zoomed());
  EXPECT_NE(view.comparison()->displayData().f0, nullptr);
  // The marked stretch is the window's own: the copy does not bring it back.
  EXPECT_TRUE(view.comparison()->selection().empty());
}

TEST_F(ViewAnalysisCopy, AModeThatClosesTheComparisonOnTheCopyClosesItHere) {
  ViewState& beside = view.makeComparison();
  ASSERT_FALSE(beside.open(path, core::FileKind::VoiceAnalysis));
  ViewState copy = view.analysisCopy();
  copy.showMode(3, ModeNeeds{.intensity = true, .closesComparison = true});
  ASSERT_TRUE(view.adoptAnalysis(std::move(copy)));
  EXPECT_EQ(view.comparison(), nullptr);
  EXPECT_EQ(view.displayMode(), 3);
}

class ClinicalResults : public ::testing::Test {
 protected:
  void SetUp() override {
    path = dir.write("vowel.wav", testing::simpleWave(44100, vowel(2 * 44100)));
    ASSERT_FALSE(view.open(path, core::FileKind::VocalQuality));
  }

  ScratchDir dir;
  std::string path;
  ViewState view;
};

TEST_F(ClinicalResults, ComputedWithTheModeAndKeptPerRevisionAndRange) {
  EXPECT_EQ(view.displayData().clinical, nullptr);
  view.showMode(18, kClinical);
  const quality::clinical::ClinicalOutcome* whole = view.displayData().clinical;
  ASSERT_NE(whole, nullptr);
  ASSERT_TRUE(whole->measures) << (whole->refusal ? int(whole->refusal->id) : -1);
  EXPECT_NEAR(whole->measures->vowelSeconds, 2.0, 0.01);
  EXPECT_TRUE(whole->measured.empty());  // the numbers are kept, not the sound

  // A zoom measures the stretch zoomed into; out again, the whole recording.
  view.pressStrip(0);
  view.dragStrip(510);
  view.releaseStrip(510);
  ASSERT_FALSE(view.toggleZoom());
  const quality::clinical::ClinicalOutcome* part = view.displayData().clinical;
  ASSERT_NE(part, nullptr);
  ASSERT_TRUE(part->measures);
  EXPECT_NEAR(part->measures->vowelSeconds, 1.5, 0.01);
  ASSERT_FALSE(view.toggleZoom());
  ASSERT_NE(view.displayData().clinical, nullptr);
  EXPECT_NEAR(view.displayData().clinical->measures->vowelSeconds, 2.0, 0.01);

  // An edit drops them; a sound too short is refused with a message, not numbers.
  view.changeSamples([](std::vector<std::int16_t>& samples) { samples.resize(22050); });
  EXPECT_EQ(view.displayData().clinical, nullptr);
  view.showMode(18, kClinical);
  const quality::clinical::ClinicalOutcome* shortOne = view.displayData().clinical;
  ASSERT_NE(shortOne, nullptr);
  EXPECT_FALSE(shortOne->measures);
  EXPECT_TRUE(shortOne->refusal);
}

}  // namespace
}  // namespace sonarel::app
