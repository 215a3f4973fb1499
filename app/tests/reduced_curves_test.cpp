// SPDX-License-Identifier: GPL-3.0-or-later
// The waveforms and contours drawn from their column reductions: sharp per device pixel in a
// scaled-up view, the same picture whether the reductions come from the view's cache or not,
// gaps kept, and a reduction made again when the samples change.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cmath>

#include "app/drawing/contour_grid.h"
#include "app/drawing/display_modes.h"
#include "app/drawing/polyline_pieces.h"
#include "app/session/sound_editing.h"
#include "app/session/view_state.h"
#include "core/tests/wave_fixtures.h"

namespace sonarel::app {
namespace {

using sonarel::testing::ScratchDir;

const GraphGeometry kLayout = GraphGeometry::normal();

QImage render(const DisplayData& data, int mode, double scale) {
  QImage image((QSizeF(kLayout.extent()) * scale).toSize(), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setTransform(QTransform::fromScale(scale, scale));
  drawDisplayMode(painter, kLayout, data, mode);
  return image;
}

bool near(QColor a, QColor b, int tolerance) {
  return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
         std::abs(a.blue() - b.blue()) <= tolerance;
}

// The device columns of `area` (logical) holding ink of `colour`.
std::vector<int> inkedColumns(const QImage& image, double scale, const QRect& area, QColor colour) {
  std::vector<int> columns;
  const QRect device = QTransform::fromScale(scale, scale).mapRect(QRectF(area)).toRect();
  for (int x = device.left() + 2; x < device.right() - 2; ++x) {
    for (int y = device.top() + 2; y < device.bottom() - 2; ++y) {
      if (near(image.pixelColor(x, y), colour, 60)) {
        columns.push_back(x);
        break;
      }
    }
  }
  return columns;
}

class ReducedCurves : public ::testing::Test {
 protected:
  // One second of 220 Hz, half a second of silence, one second of 220 Hz again; one loud
  // click in the middle of the silence.
  void SetUp() override {
    samples = testing::sine(220, 11025, 27563, 12000);
    for (std::size_t i = 11025; i < 16538; ++i) samples[i] = 0;
    samples[13781] = 30000;
    ASSERT_FALSE(state.open(dir.write("t.wav", testing::simpleWave(11025, samples)),
                            core::FileKind::VoiceAnalysis));
  }
  // The device columns well inside the silent stretch.
  static std::pair<double, double> silentStretch(double scale) {
    const double perColumn = 27563.0 / kGraphWidth / scale;
    const double margin = 15 * scale;
    return {kLayout.graph.left() * scale + 11025 / perColumn + margin,
            kLayout.graph.left() * scale + 16538 / perColumn - margin};
  }

  ScratchDir dir;
  std::vector<std::int16_t> samples;
  ViewState state;
};

TEST_F(ReducedCurves, AScaledViewDrawsOneLinePerDevicePixel) {
  ASSERT_FALSE(state.showMode(mode::AudioSignal));
  for (const double scale : {1.0, 2.5}) {
    const QImage image = render(state.displayData(), mode::AudioSignal, scale);
    const auto [from, to] = silentStretch(scale);
    std::vector<int> click;
    const QRect upperHalf(kLayout.graph.topLeft(),
                          QSize(kGraphWidth, kLayout.graph.height() / 2 - 4));
    for (const int x : inkedColumns(image, scale, upperHalf, kWaveColour)) {
      if (x > from && x < to) click.push_back(x);
    }
    // The single loud sample stands in one device column at any scale, as tall as it is.
    ASSERT_EQ(click.size(), 1u) << scale;
    const int top = static_cast<int>(std::round(
        (kLayout.graph.top() + kLayout.graph.height() * (0.5 - 30000 / 65536.0)) * scale));
    EXPECT_TRUE(near(image.pixelColor(click[0], top + 2), kWaveColour, 60)) << scale;
    EXPECT_FALSE(near(image.pixelColor(click[0] + 1, top + 2), kWaveColour, 60)) << scale;
  }
}

TEST_F(ReducedCurves, TheCacheChangesNothingDrawnAndFollowsEdits) {
  for (const int m : {mode::AudioSignal, mode::F0, mode::Intensity, mode::F0AndIntensity}) {
    ASSERT_FALSE(state.showMode(m));
    for (const double scale : {1.0, 1.7}) {
      DisplayData uncached = state.displayData();
      uncached.curves = nullptr;
      const QImage fresh = render(uncached, m, scale);
      EXPECT_EQ(render(state.displayData(), m, scale), fresh) << m << " first paint " << scale;
      EXPECT_EQ(render(state.displayData(), m, scale), fresh) << m << " from the cache " << scale;
    }
  }
  ASSERT_FALSE(state.showMode(mode::AudioSignal));
  const QImage before = render(state.displayData(), mode::AudioSignal, 1);
  const int reductions = state.displayData().curves->reductions();
  // Silence all of it: the kept columns belong to the old samples.
  state.pressStrip(0);
  state.releaseStrip(kGraphWidth);
  ASSERT_FALSE(editView(state, EditCommand::Silence));
  ASSERT_FALSE(state.showMode(mode::AudioSignal));
  const QImage after = render(state.displayData(), mode::AudioSignal, 1);
  EXPECT_GT(state.displayData().curves->reductions(), reductions);
  EXPECT_GT(inkedColumns(before, 1, kLayout.strip, kWaveColour).size(), 600u);
  const auto quiet = inkedColumns(after, 1, kLayout.graph, kWaveColour);
  ASSERT_FALSE(quiet.empty());
  for (const int x : quiet) {
    // Only the centre line of silence (the last samples, past the 680 whole columns of the
    // selection, stay loud): no column reaches far from the middle.
    if (x > kLayout.graph.right() - 15) continue;
    EXPECT_FALSE(near(after.pixelColor(x, kLayout.graph.center().y() - 20), kWaveColour, 60)) << x;
  }
}

TEST_F(ReducedCurves, UnvoicedStretchesStayGapsAtEveryScale) {
  ASSERT_FALSE(state.showMode(mode::F0));
  for (const double scale : {1.0, 2.5}) {
    const QImage image = render(state.displayData(), mode::F0, scale);
    const auto [from, to] = silentStretch(scale);
    int voiced = 0, silent = 0;
    for (const int x : inkedColumns(image, scale, kLayout.graph, kF0Colour)) {
      (x > from && x < to ? silent : voiced)++;
    }
    EXPECT_EQ(silent, 0) << scale;
    // Both voiced seconds are drawn across nearly all their columns.
    EXPECT_GT(voiced, 0.6 * kGraphWidth * scale) << scale;
  }
}

// The pixels inked (darker than mid grey) by `draw` on a white 120 x 80 picture.
template <typename Draw>
std::vector<QPoint> inked(Draw draw) {
  QImage image(120, 80, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(Qt::black, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    draw(painter);
  }
  std::vector<QPoint> pixels;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (qGray(image.pixel(x, y)) < 128) pixels.emplace_back(x, y);
    }
  }
  return pixels;
}

TEST(ColumnSpans, CoverWhatARoundPenOfTheWidthCovers) {
  // A flat stretch, a steep rise and a gentle fall, one point per column from x = 10.
  std::vector<double> ys;
  for (int c = 0; c < 100; ++c)
    ys.push_back(c < 30 ? 60 : c < 40 ? 60 - 4.5 * (c - 30) : 15 + 0.3 * (c - 40));
  std::vector<QPointF> line;
  for (std::size_t c = 0; c < ys.size(); ++c) line.emplace_back(10 + c + 0.5, ys[c]);
  const auto stroked = inked([&](QPainter& p) { p.drawPolyline(line.data(), int(line.size())); });
  const auto spans = inked([&](QPainter& p) { drawColumnLine(p, 10, ys, 3); });
  const double ratio = double(spans.size()) / double(stroked.size());
  EXPECT_GT(ratio, 0.85);
  EXPECT_LT(ratio, 1.15);
  // Every pixel inked lies within the pen's reach of the line (columns are widened from
  // their centres, so give or take two pixels at the corners).
  for (const QPoint& pixel : spans) {
    double nearest = 1e9;
    for (std::size_t i = 0; i + 1 < line.size(); ++i) {
      const QLineF segment(line[i], line[i + 1]);
      const QPointF centre(pixel.x() + 0.5, pixel.y() + 0.5);
      const QPointF d = segment.p2() - segment.p1();
      const double t = std::clamp(
          QPointF::dotProduct(centre - segment.p1(), d) / QPointF::dotProduct(d, d), 0.0, 1.0);
      nearest = std::min(nearest, QLineF(centre, segment.pointAt(t)).length());
    }
    ASSERT_LT(nearest, 3 + 2.0) << pixel.x() << "," << pixel.y();
  }
  // A gap in the line is left blank; a column of its own is drawn.
  std::vector<double> low(100, std::numeric_limits<double>::quiet_NaN()), high = low;
  low[20] = high[20] = 40;
  low[80] = 20, high[80] = 50;
  const auto dots = inked([&](QPainter& p) { drawColumnSpans(p, 0, low, high, 3); });
  for (const QPoint& pixel : dots) {
    EXPECT_TRUE(std::abs(pixel.x() - 20) <= 3 || std::abs(pixel.x() - 80) <= 3) << pixel.x();
  }
  EXPECT_GT(dots.size(), 30u * 5);
}

}  // namespace
}  // namespace sonarel::app
