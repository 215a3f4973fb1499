// SPDX-License-Identifier: GPL-3.0-or-later
// Dragging a selection across a two-minute recording in the real window (offscreen, scaled up
// to a large screen): every step repaints the view from what is kept, and no analysis and no
// reduction of the curves runs again. The time a step takes is measured by the display
// benchmark, not here.

#include <gtest/gtest.h>

#include <QTest>
#include <cmath>

#include "app/commands/command_table.h"
#include "app/drawing/display_modes.h"
#include "app/frame/main_frame.h"
#include "app/session/prompt.h"
#include "app/views/mfc_view.h"
#include "audio/scripted_playback_device.h"
#include "core/tests/wave_fixtures.h"

namespace sonarel::app {
namespace {

using sonarel::testing::ScratchDir;

// Two minutes at 11025 Hz: a 180-Hz tone in two-second stretches, every third one silent.
std::vector<std::int16_t> twoMinutes() {
  constexpr int kRate = 11025;
  std::vector<std::int16_t> samples(120 * kRate);
  for (std::size_t i = 0; i < samples.size(); ++i) {
    if ((i / (2 * kRate)) % 3 == 2) continue;
    samples[i] = static_cast<std::int16_t>(6000 * std::sin(2 * M_PI * 180 * double(i) / kRate));
  }
  return samples;
}

bool isSelectionGround(QColor colour) {
  return std::abs(colour.red() - kSelectionGround.red()) < 30 &&
         std::abs(colour.green() - kSelectionGround.green()) < 30 &&
         std::abs(colour.blue() - kSelectionGround.blue()) < 30;
}

TEST(SelectionDrag, EveryStepRepaintsWithoutRecomputingAnything) {
  ScratchDir dir;
  const std::string path = dir.write("long.wav", testing::simpleWave(11025, twoMinutes()));
  Languages languages;
  languages.apply(Language::English);
  ScriptedPrompt prompt;
  audio::ScriptedPlaybackDevice device;
  CMainFrame frame(FrameOptions{QString::fromStdString(dir.path().string()), &prompt}, languages,
                   &device);
  frame.resize(1920, 1080);
  frame.show();
  ASSERT_TRUE(frame.openFile(QString::fromStdString(path)));
  frame.runCommand(cmd::F0AndIntensity);
  const ViewState& state = frame.document().state();
  // Waits for the analyses, should they run apart from the window.
  ASSERT_TRUE(QTest::qWaitFor([&] { return state.displayMode() == mode::F0AndIntensity; }, 60000));

  CMfcView* view = frame.view();
  const ScaledLayout layout = view->layout();
  ASSERT_GT(layout.scale, 1.5) << "the view is scaled up to the large window";
  view->grab();  // the first paint reduces the curves
  const CurveCache& curves = *state.displayData().curves;
  const int reductions = curves.reductions();
  ASSERT_EQ(reductions, 2) << "the waveform strip and the intensity";
  const std::uint64_t revision = state.revision();
  const float* f0 = state.f0().values.data();
  const float* intensity = state.displayData().intensity->values.data();

  const QRect strip = layout.geometry.strip;
  const auto at = [&](int x) { return layout.toWidget(QPoint(strip.left() + x, strip.top() + 6)); };
  QTest::mousePress(view, Qt::LeftButton, {}, at(0));
  for (int x = 17; x <= kGraphWidth; x += 17) {
    QTest::mouseMove(view, at(x));
    ASSERT_EQ(state.selection().x2, x);
    const QImage shot = view->grab().toImage();
    // The step was painted: the marked stretch reaches the pointer, and no further.
    EXPECT_TRUE(isSelectionGround(shot.pixelColor(at(x - 1)))) << x;
    if (x < kGraphWidth) {
      EXPECT_FALSE(isSelectionGround(shot.pixelColor(at(x + 1)))) << x;
    }
    // Nothing was computed again: the same results of the same samples, no new reduction.
    ASSERT_EQ(curves.reductions(), reductions) << x;
    ASSERT_EQ(state.revision(), revision);
    ASSERT_EQ(state.f0().values.data(), f0);
    ASSERT_EQ(state.displayData().intensity->values.data(), intensity);
    ASSERT_TRUE(state.buffer().flags.f0Computed);
  }
}

}  // namespace
}  // namespace sonarel::app
