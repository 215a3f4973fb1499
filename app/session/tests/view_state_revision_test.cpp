// SPDX-License-Identifier: GPL-3.0-or-later
// A view's results belong to one revision of its recording: an edit drops them all, and a
// second view state is a value of its own.

#include <gtest/gtest.h>

#include "app/session/view_state.h"
#include "core/tests/wave_fixtures.h"

namespace sonarel::app {
namespace {

using sonarel::testing::ScratchDir;

class ViewRevision : public ::testing::Test {
 protected:
  void SetUp() override {
    path =
        dir.write("voice.wav", testing::simpleWave(11025, testing::sine(180, 11025, 22050, 9000)));
    ASSERT_FALSE(view.open(path, core::FileKind::VoiceAnalysis));
  }

  // Computes every result a view keeps, as the displays would.
  void computeEverything(ViewState& state) {
    ASSERT_FALSE(state.showMode(2, ModeNeeds{.f0 = true, .rangeStatistics = true}));
    state.ensureFormants();
    ASSERT_FALSE(state.showMode(9, ModeNeeds{.lpc = true, .power = true}));
    // A spectrogram picture, built whole.
    const DisplayData data = state.displayData();
    SpectrogramPictureCache& cache = data.spectral.caches->single;
    const spectral::SpectrogramRequest request{data.samples,
                                               data.range.first,
                                               data.range.last,
                                               data.sampleRate,
                                               spectral::SpectrogramBand::Wide,
                                               64};
    cache.picture(request, data.spectral.revision, true);
    ASSERT_FALSE(state.spectral().picturesGrowing());
  }

  ScratchDir dir;
  std::string path;
  ViewState view;
};

TEST_F(ViewRevision, AnEditRaisesTheRevisionAndDropsEveryResult) {
  computeEverything(view);
  const DisplayData before = view.displayData();
  ASSERT_NE(before.f0, nullptr);
  ASSERT_NE(before.intensity, nullptr);
  ASSERT_NE(before.formants, nullptr);
  ASSERT_NE(before.spectral.powerLevels, nullptr);
  ASSERT_NE(before.spectral.lpcLevels, nullptr);
  const std::uint64_t revision = view.revision();

  view.changeSamples([](std::vector<std::int16_t>& samples) {
    for (std::int16_t& s : samples) s = static_cast<std::int16_t>(s / 2);
  });
  EXPECT_GT(view.revision(), revision);
  const DisplayData after = view.displayData();
  EXPECT_EQ(after.f0, nullptr);
  EXPECT_EQ(after.intensity, nullptr);
  EXPECT_EQ(after.formants, nullptr);
  EXPECT_EQ(after.spectral.powerLevels, nullptr);
  EXPECT_EQ(after.spectral.lpcLevels, nullptr);
  EXPECT_FALSE(view.buffer().flags.f0Computed);
  EXPECT_FALSE(view.zoomed());
  EXPECT_EQ(view.range().first, 0);
  EXPECT_EQ(view.range().last, view.buffer().count());

  // The spectrogram picture of the old samples is not shown for the new ones: asked again
  // for the same range, it starts over.
  SpectrogramPictureCache& cache = after.spectral.caches->single;
  const spectral::SpectrogramRequest request{after.samples,
                                             after.range.first,
                                             after.range.last,
                                             after.sampleRate,
                                             spectral::SpectrogramBand::Wide,
                                             64};
  cache.picture(request, after.spectral.revision, false);
  EXPECT_EQ(cache.columnsDone(), 0);

  // Results computed again describe the edited samples.
  ASSERT_FALSE(view.ensureF0());
  EXPECT_NE(view.displayData().f0, nullptr);
}

TEST_F(ViewRevision, OpeningAgainIsANewRevisionEvenForTheSameFile) {
  const std::uint64_t first = view.revision();
  ASSERT_FALSE(view.open(path, core::FileKind::VoiceAnalysis));
  EXPECT_NE(view.revision(), first);
  const std::uint64_t second = view.revision();
  EXPECT_TRUE(view.open(dir.file("missing.wav"), core::FileKind::VoiceAnalysis));
  EXPECT_EQ(view.revision(), second) << "a refused file changes nothing";
  view.close();
  EXPECT_NE(view.revision(), second);
}

TEST_F(ViewRevision, ASecondViewStateLeavesTheFirstUntouched) {
  computeEverything(view);
  view.pressStrip(100);
  view.releaseStrip(300);
  ASSERT_FALSE(view.toggleZoom());
  const DisplayData before = view.displayData();
  const std::vector<float> power = *before.spectral.powerLevels;

  ViewState second = view;  // a comparison starts from a copy, then goes its own way
  second.changeSamples(
      [](std::vector<std::int16_t>& samples) { samples.assign(samples.size(), 0); });
  core::F0Settings settings = second.f0Settings();
  settings.maxPitch = 900;
  second.setF0Settings(settings);
  second.close();

  EXPECT_TRUE(view.isOpen());
  EXPECT_TRUE(view.zoomed());
  EXPECT_EQ(view.f0Settings().maxPitch, 400);
  EXPECT_TRUE(view.buffer().flags.f0Computed);
  const DisplayData after = view.displayData();
  ASSERT_NE(after.f0, nullptr);
  ASSERT_NE(after.spectral.powerLevels, nullptr);
  EXPECT_EQ(*after.spectral.powerLevels, power);
  EXPECT_NE(after.samples[100], 0);
}

}  // namespace
}  // namespace sonarel::app
