// SPDX-License-Identifier: GPL-3.0-or-later
// A display mode added through the registry alone is computed, drawn, read out, listed in
// the menus and on the tool bar, and kept to the file kinds it names.

#include <gtest/gtest.h>

#include <QAction>
#include <QImage>
#include <QMenuBar>
#include <QPainter>
#include <QToolBar>

#include "app/drawing/display_modes.h"
#include "app/frame/main_frame.h"
#include "app/session/prompt.h"
#include "app/views/display_registry.h"
#include "audio/scripted_playback_device.h"
#include "core/tests/wave_fixtures.h"

namespace sonarel::app {
namespace {

using sonarel::testing::ScratchDir;

constexpr int kProbeMode = 99;
constexpr int kProbeCommand = 39999;
const QColor kProbeColour(250, 0, 250);

DisplayModeEntry probeEntry() {
  DisplayModeEntry entry;
  entry.code = kProbeMode;
  entry.command = kProbeCommand;
  entry.menuText = "Probe Display";
  entry.tip = "Show the probe";
  entry.kinds = MenuSet::Voice;
  entry.needs = ModeNeeds{.f0 = true};
  entry.draw = [](QPainter& painter, const QRect& graph, const DisplayData& data) {
    // Drawn only from what the entry said it needs.
    if (data.f0) painter.fillRect(graph, kProbeColour);
  };
  entry.readout = [](const QRect& graph, const DisplayData& data, QPoint point) {
    return QString("probe %1 %2").arg(point.x() - graph.left()).arg(data.f0 ? "f0" : "-");
  };
  entry.paintIcon = [](QPainter& painter) { painter.fillRect(4, 4, 24, 24, kProbeColour); };
  entry.screenshot = "probe";
  return entry;
}

class DisplayRegistryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!displayRegistry().byCode(kProbeMode)) {
      ASSERT_TRUE(displayRegistry().add(probeEntry()));
    }
    voice =
        dir.write("voice.wav", testing::simpleWave(11025, testing::sine(190, 11025, 22050, 9000)));
    quality = dir.write("quality.wav",
                        testing::simpleWave(44100, testing::sine(190, 44100, 88200, 9000)));
  }

  ScratchDir dir;
  std::string voice, quality;
};

TEST_F(DisplayRegistryTest, AModeAddedToTheRegistryIsComputedDrawnAndReadOut) {
  EXPECT_FALSE(displayRegistry().add(probeEntry())) << "a code is registered once";
  ViewState state;
  ASSERT_FALSE(state.open(voice, core::FileKind::VoiceAnalysis));
  ASSERT_FALSE(state.showMode(kProbeMode));
  EXPECT_EQ(state.displayMode(), kProbeMode);
  EXPECT_TRUE(state.buffer().flags.f0Computed) << "its needs were computed";

  const GraphGeometry g = GraphGeometry::normal();
  QImage image(g.extent(), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  drawDisplayMode(painter, g, state.displayData(), kProbeMode);
  painter.end();
  EXPECT_EQ(image.pixelColor(g.graph.center()), kProbeColour);
  EXPECT_NE(image.pixelColor(g.strip.center()), kProbeColour) << "the strip is drawn beneath";

  EXPECT_EQ(cursorReadout(kProbeMode, g, state.displayData(), g.graph.topLeft() + QPoint(7, 3)),
            "probe 7 f0");
}

TEST_F(DisplayRegistryTest, AModeAddedToTheRegistryIsListedWhereItsFileKindIs) {
  Languages languages;
  languages.apply(Language::English);
  audio::ScriptedPlaybackDevice device;
  ScriptedPrompt prompt;
  CMainFrame frame(FrameOptions{QString::fromStdString(dir.path().string()), &prompt}, languages,
                   &device);
  frame.resize(1024, 768);
  frame.show();
  QAction* action = frame.action(kProbeCommand);
  ASSERT_NE(action, nullptr);
  EXPECT_EQ(action->text(), "Probe Display");

  const auto inAnalysisMenu = [&] {
    for (QAction* top : frame.menuBar()->actions())
      if (top->text() == "A&nalysis" && top->menu()->actions().contains(action)) return true;
    return false;
  };
  const auto onToolBar = [&] {
    for (QToolBar* bar : frame.findChildren<QToolBar*>())
      if (bar->actions().contains(action)) return true;
    return false;
  };
  EXPECT_TRUE(inAnalysisMenu());
  EXPECT_TRUE(onToolBar());
  EXPECT_FALSE(action->isEnabled()) << "nothing open";

  ASSERT_TRUE(frame.openFile(QString::fromStdString(voice)));
  EXPECT_TRUE(action->isEnabled());
  frame.runCommand(kProbeCommand);
  EXPECT_EQ(frame.document().state().displayMode(), kProbeMode);

  // A vocal-quality recording has no such display: not in its menu, not on its tool bar, and
  // the command does nothing, however it is reached.
  ASSERT_TRUE(frame.openFile(QString::fromStdString(quality)));
  EXPECT_FALSE(inAnalysisMenu());
  EXPECT_FALSE(onToolBar());
  EXPECT_FALSE(action->isEnabled());
  frame.runCommand(kProbeCommand);
  EXPECT_EQ(frame.document().state().displayMode(), mode::None);
}

}  // namespace
}  // namespace sonarel::app
