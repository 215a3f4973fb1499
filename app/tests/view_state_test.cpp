// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/session/view_state.h"

#include <gtest/gtest.h>

#include "app/drawing/display_modes.h"
#include "core/tests/wave_fixtures.h"

namespace sonarel::app {
namespace {

using sonarel::testing::ScratchDir;

// Two seconds of a 200 Hz tone at 11025 Hz, silent for its last half second.
std::string toneFile(const ScratchDir& dir, std::size_t count = 22050) {
  auto samples = testing::sine(200, 11025, count, 12000);
  for (std::size_t i = count * 3 / 4; i < count; ++i) samples[i] = 0;
  return dir.write("tone.wav", testing::simpleWave(11025, samples));
}

TEST(ViewState, OpeningResetsAndARefusedFileKeepsTheOpenOne) {
  ScratchDir dir;
  ViewState state;
  ASSERT_FALSE(state.open(toneFile(dir), core::FileKind::VoiceAnalysis));
  EXPECT_EQ(state.displayMode(), mode::None);
  EXPECT_EQ(state.range(), (core::AnalysisRange{0, 22050}));
  ASSERT_FALSE(state.showMode(mode::F0));
  EXPECT_TRUE(state.buffer().flags.f0Computed);

  const auto fast = dir.write("fast.wav", testing::simpleWave(44100, {1, 2, 3}));
  auto refused = state.open(fast, core::FileKind::VoiceAnalysis);
  ASSERT_TRUE(refused);
  EXPECT_EQ(refused->id, core::MessageId::SampleRateVoiceAnalysis);
  EXPECT_EQ(state.buffer().count(), 22050) << "the open recording stays";
  EXPECT_EQ(state.displayMode(), mode::F0);

  ASSERT_FALSE(state.open(toneFile(dir), core::FileKind::VoiceAnalysis));
  EXPECT_FALSE(state.buffer().flags.f0Computed) << "a new load clears the results";
  state.close();
  EXPECT_FALSE(state.isOpen());
}

TEST(ViewState, StripSelectionFollowsTheMouse) {
  ScratchDir dir;
  ViewState state;
  ASSERT_FALSE(state.open(toneFile(dir), core::FileKind::VoiceAnalysis));
  const core::SampleIndex perPixel = 22050 / 680;

  state.pressStrip(100);
  state.dragStrip(150);
  EXPECT_TRUE(state.releaseStrip(200));
  const SampleStretch rightward = state.selectedStretch();
  EXPECT_EQ(rightward.start, 100 * perPixel);
  EXPECT_EQ(rightward.length, 100 * perPixel);

  state.pressStrip(200);
  EXPECT_TRUE(state.releaseStrip(100));
  EXPECT_EQ(state.selectedStretch().start, rightward.start) << "right to left, same stretch";
  EXPECT_EQ(state.selectedStretch().length, rightward.length);

  state.pressStrip(300);
  EXPECT_FALSE(state.releaseStrip(300)) << "a click clears";
  EXPECT_TRUE(state.selection().empty());

  state.pressStrip(600);
  EXPECT_TRUE(state.releaseStrip(5000)) << "clamped to the strip";
  EXPECT_EQ(state.selection().x2, 680);

  state.selectAll();
  EXPECT_EQ(state.selectedStretch().start, 0);
  EXPECT_EQ(state.selectedStretch().length, 680 * perPixel);
}

TEST(ViewState, ZoomNarrowsTheStatisticsAndZoomingOutRestoresThem) {
  ScratchDir dir;
  ViewState state;
  ASSERT_FALSE(state.open(toneFile(dir), core::FileKind::VoiceAnalysis));
  ASSERT_FALSE(state.showMode(mode::Statistics));
  const core::StatisticsReport whole = *state.displayData().statistics;
  EXPECT_NEAR(whole.statistics.meanF0, 200, 2);
  EXPECT_NEAR(whole.shares.voiced, 0.75, 0.05);

  auto refused = state.toggleZoom();
  ASSERT_TRUE(refused) << "nothing marked";
  EXPECT_EQ(refused->id, core::MessageId::NeedSelectArea);
  EXPECT_FALSE(state.zoomed());

  state.pressStrip(40);
  state.releaseStrip(400);  // voiced part only
  ASSERT_FALSE(state.toggleZoom());
  EXPECT_TRUE(state.zoomed());
  EXPECT_EQ(state.range().first, 40 * (22050 / 680));
  const core::StatisticsReport zoomed = *state.displayData().statistics;
  EXPECT_GT(zoomed.shares.voiced, whole.shares.voiced);
  EXPECT_EQ(zoomed.range, state.range());

  ASSERT_FALSE(state.toggleZoom());
  EXPECT_FALSE(state.zoomed());
  const core::StatisticsReport restored = *state.displayData().statistics;
  EXPECT_EQ(restored.range, whole.range);
  EXPECT_DOUBLE_EQ(restored.statistics.meanF0, whole.statistics.meanF0);
  EXPECT_DOUBLE_EQ(restored.shares.speech, whole.shares.speech);
}

TEST(ViewState, ShortRecordingsRefuseZoomInsteadOfDividingByZero) {
  ScratchDir dir;
  ViewState state;
  ASSERT_FALSE(state.open(toneFile(dir, 400), core::FileKind::VoiceAnalysis));
  EXPECT_EQ(state.samplesPerPixel(), 0);
  state.selectAll();
  EXPECT_TRUE(state.toggleZoom());
  for (int m : {mode::AudioSignal, mode::F0, mode::Intensity, mode::Histogram, mode::Statistics,
                mode::F0AndIntensity}) {
    EXPECT_FALSE(state.showMode(m)) << m;
  }
  EXPECT_EQ(state.f0().frameCount(), 0) << "shorter than three periods of the floor";
}

TEST(ViewState, SettingsClearTheirResultsAndCancellingKeepsTheMode) {
  ScratchDir dir;
  ViewState state;
  ASSERT_FALSE(state.open(toneFile(dir), core::FileKind::VoiceAnalysis));
  ASSERT_FALSE(state.showMode(mode::AudioSignal));

  std::stop_source stop;
  stop.request_stop();
  core::AnalysisControl cancelled;
  cancelled.stop = stop.get_token();
  auto failure = state.showMode(mode::F0, cancelled);
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->id, core::MessageId::AnalysisCancelled);
  EXPECT_EQ(state.displayMode(), mode::AudioSignal);
  EXPECT_FALSE(state.buffer().flags.f0Computed);

  ASSERT_FALSE(state.showMode(mode::F0));
  core::F0Settings settings = state.f0Settings();
  settings.method = static_cast<int>(core::F0Method::CrossCorrelation);
  state.setF0Settings(settings);
  EXPECT_FALSE(state.buffer().flags.f0Computed);
  ASSERT_FALSE(state.showMode(mode::F0));
  EXPECT_TRUE(state.buffer().flags.f0Computed);
}

TEST(ViewState, PlayTakesTheMarkedStretchOnlyWhenItShould) {
  ScratchDir dir;
  ViewState state;
  ASSERT_FALSE(state.open(toneFile(dir), core::FileKind::VoiceAnalysis));
  EXPECT_EQ(state.playStretch(false).length, 22050);
  EXPECT_EQ(state.playStretch(true).length, 22050) << "nothing marked: the whole file";
  state.pressStrip(0);
  state.releaseStrip(340);
  EXPECT_EQ(state.playStretch(false).length, 22050) << "not zoomed";
  EXPECT_EQ(state.playStretch(true).length, 340 * (22050 / 680));
  ASSERT_FALSE(state.toggleZoom());
  EXPECT_EQ(state.playStretch(false).length, 340 * (22050 / 680));
}

}  // namespace
}  // namespace sonarel::app
