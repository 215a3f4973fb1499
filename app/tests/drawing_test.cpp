// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "app/drawing/contour_grid.h"
#include "app/drawing/display_modes.h"
#include "app/session/view_state.h"
#include "core/tests/wave_fixtures.h"

namespace sonarel::app {
namespace {

using sonarel::testing::ScratchDir;

QImage render(const ViewState& state, int mode, const GraphGeometry& g = GraphGeometry::normal()) {
  QImage image(g.extent(), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  drawDisplayMode(painter, g, state.displayData(), mode);
  return image;
}

bool near(QColor a, QColor b, int tolerance) {
  return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
         std::abs(a.blue() - b.blue()) <= tolerance;
}

// Pixels of roughly `colour` inside and outside `inside`.
std::pair<int, int> countColour(const QImage& image, QColor colour, const QRect& inside) {
  int in = 0, out = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (!near(image.pixelColor(x, y), colour, 40)) continue;
      (inside.contains(x, y) ? in : out)++;
    }
  }
  return {in, out};
}

class DrawingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // One second of 220 Hz, then half a second of silence.
    auto samples = testing::sine(220, 11025, 16538, 12000);
    for (std::size_t i = 11025; i < samples.size(); ++i) samples[i] = 0;
    ASSERT_FALSE(state.open(dir.write("t.wav", testing::simpleWave(11025, samples)),
                            core::FileKind::VoiceAnalysis));
  }
  ScratchDir dir;
  ViewState state;
  const GraphGeometry g = GraphGeometry::normal();
};

TEST_F(DrawingTest, F0ContourSitsAtItsFrequencyInsideTheGraph) {
  ASSERT_FALSE(state.showMode(mode::F0));
  const QImage image = render(state, mode::F0);
  const int y = static_cast<int>(valueToY(g.graph, 220, 70, 400));
  // Somewhere in the voiced first two thirds, the contour crosses the expected row.
  int hits = 0;
  for (int x = g.graph.left() + 20; x < g.graph.left() + 400; x += 10) {
    for (int dy = -2; dy <= 2; ++dy) hits += near(image.pixelColor(x, y + dy), kF0Colour, 60);
  }
  EXPECT_GT(hits, 20);
  const auto [in, out] = countColour(image, kF0Colour, g.graph);
  EXPECT_GT(in, 300);
  EXPECT_EQ(out, 0) << "nothing drawn outside the graph";
  // The silent last third has no contour.
  int late = 0;
  for (int x = g.graph.left() + 480; x < g.graph.right(); ++x) {
    for (int row = g.graph.top(); row < g.graph.bottom(); ++row)
      late += near(image.pixelColor(x, row), kF0Colour, 40);
  }
  EXPECT_EQ(late, 0);
}

TEST_F(DrawingTest, GridLinesAndLabelsStandWhereTheScaleSays) {
  ASSERT_FALSE(state.showMode(mode::F0));
  const QImage image = render(state, mode::F0);
  const auto values = gridValues(70, 400);
  EXPECT_EQ(values[1], 103);
  EXPECT_EQ(values[10], 400);
  for (int value : values) {
    const int y = static_cast<int>(valueToY(g.graph, value, 70, 400));
    EXPECT_TRUE(
        near(image.pixelColor(g.graph.left() + 600, std::min(y, g.graph.bottom())), kGridColour, 8))
        << "grid line at " << value << " Hz";
    int ink = 0;  // the label to the left of the graph
    for (int x = g.graph.left() - 70; x < g.graph.left() - 4; ++x) {
      for (int dy = -6; dy <= 6; ++dy) ink += image.pixelColor(x, y + dy).lightness() < 128;
    }
    EXPECT_GT(ink, 5) << "label of " << value << " Hz";
  }
  for (int i = 1; i < 7; ++i) {
    EXPECT_TRUE(
        near(image.pixelColor(g.graph.left() + i * 113, g.graph.top() + 37), kGridColour, 8))
        << "time line " << i;
  }
}

TEST_F(DrawingTest, EveryModeDrawsAndTheStripShowsTheSelection) {
  for (int m : {mode::AudioSignal, mode::Intensity, mode::Histogram, mode::Statistics,
                mode::F0AndIntensity}) {
    ASSERT_FALSE(state.showMode(m)) << m;
    const QImage image = render(state, m);
    int ink = 0;
    for (int y = g.graph.top() + 2; y < g.graph.bottom() - 2; y += 2) {
      for (int x = g.graph.left() + 2; x < g.graph.right() - 2; x += 2) {
        ink += image.pixelColor(x, y) != Qt::white && !near(image.pixelColor(x, y), kGridColour, 2);
      }
    }
    EXPECT_GT(ink, 100) << "mode " << m << " drew its graph";
  }
  const QImage before = render(state, mode::AudioSignal);
  state.pressStrip(100);
  state.releaseStrip(300);
  const QImage marked = render(state, mode::AudioSignal);
  const QPoint inside(g.strip.left() + 200, g.strip.top() + 5);
  const QPoint outside(g.strip.left() + 500, g.strip.top() + 5);
  EXPECT_NE(before.pixelColor(inside), marked.pixelColor(inside)) << "marked stretch inverted";
  EXPECT_EQ(before.pixelColor(outside), marked.pixelColor(outside));
}

TEST_F(DrawingTest, EmptyRangesAndTinyRecordingsDrawWithoutFailing) {
  ASSERT_FALSE(state.showMode(mode::F0AndIntensity));
  ViewState tiny;
  ASSERT_FALSE(
      tiny.open(dir.write("tiny.wav", testing::simpleWave(11025, testing::sine(300, 11025, 300))),
                core::FileKind::VoiceAnalysis));
  for (int m : {mode::AudioSignal, mode::F0, mode::Intensity, mode::Histogram, mode::Statistics,
                mode::F0AndIntensity}) {
    ASSERT_FALSE(tiny.showMode(m));
    render(tiny, m);
    render(tiny, m, GraphGeometry::compactLayout());
  }
  ViewState closed;
  render(closed, mode::F0);
}

TEST_F(DrawingTest, CursorReadoutsFollowTheScale) {
  ASSERT_FALSE(state.showMode(mode::F0));
  const DisplayData data = state.displayData();
  const QPoint bottomLeft(g.graph.left(), g.graph.bottom() + 1 - 1);
  EXPECT_TRUE(cursorReadout(mode::F0, g, data, QPoint(g.graph.left() - 5, 100)).isEmpty());
  const QString atTop =
      cursorReadout(mode::F0, g, data, QPoint(g.graph.left() + 340, g.graph.top()));
  EXPECT_TRUE(atTop.startsWith("400.00 Hz")) << atTop.toStdString();
  EXPECT_TRUE(atTop.endsWith("0.75s")) << atTop.toStdString();
  EXPECT_TRUE(cursorReadout(mode::Intensity, g, data, bottomLeft).contains("dB   0.00s"));
  EXPECT_TRUE(cursorReadout(mode::F0AndIntensity, g, data, bottomLeft).startsWith("F0: "));
  EXPECT_TRUE(
      cursorReadout(mode::AudioSignal, g, data, QPoint(g.graph.left(), g.graph.center().y()))
          .contains("%   0.00s"));
}

}  // namespace
}  // namespace sonarel::app
