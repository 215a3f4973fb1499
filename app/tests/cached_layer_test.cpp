// SPDX-License-Identifier: GPL-3.0-or-later
// Layers kept between paints: copied, they must give the pixels the drawing gives, and they
// must never stand in for a drawing whose content or scale has changed.

#include <gtest/gtest.h>

#include <QImage>
#include <QPicture>
#include <vector>

#include "app/drawing/cached_layer.h"
#include "app/tests/image_difference.h"

namespace sonarel::app {
namespace {

struct Dots {
  std::vector<QPointF> centres;
  QColor colour;
  bool operator==(const Dots&) const = default;
};

int drawings = 0;

void drawDots(QPainter& painter, const Dots& dots) {
  ++drawings;
  painter.setPen(QPen(Qt::black, 2));
  painter.setBrush(dots.colour);
  for (std::size_t k = 1; k < dots.centres.size(); ++k)
    painter.drawLine(dots.centres[k - 1], dots.centres[k]);
  for (const QPointF& c : dots.centres) painter.drawEllipse(c, 5.0, 4.0);
}

Dots someDots(QColor colour) {
  Dots dots{{}, colour};
  for (int k = 0; k < 9; ++k) dots.centres.emplace_back(12 + 17.3 * k, 20 + 7.1 * (k % 3));
  return dots;
}

const QRectF kBounds(0, 0, 180, 50);

QImage paintAt(double scale, QPointF offset, const Dots& dots, bool cached) {
  QImage image(static_cast<int>(200 * scale) + 4, static_cast<int>(60 * scale) + 4,
               QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setTransform(QTransform(scale, 0, 0, scale, offset.x(), offset.y()));
  painter.setRenderHint(QPainter::Antialiasing);
  if (cached)
    drawCachedLayer(painter, kBounds, dots, drawDots);
  else
    drawDots(painter, dots);
  return image;
}

TEST(CachedLayerTest, CopiesGiveThePixelsOfTheDrawing) {
  const Dots dots = someDots(Qt::green);
  for (const double scale : {1.0, 2.8235294}) {
    for (const QPointF offset : {QPointF(0, 0), QPointF(3.25, 1.5)}) {
      SCOPED_TRACE(testing::Message() << scale << " at " << offset.x() << "," << offset.y());
      const QImage drawn = paintAt(scale, offset, dots, false);
      paintAt(scale, offset, dots, true);  // the first paint keeps the layer
      const QImage copied = paintAt(scale, offset, dots, true);
      EXPECT_LE(largestDifference(drawn, copied), 2) << "only rounding of the blend differs";
    }
  }
}

TEST(CachedLayerTest, DrawsAgainOnlyWhenContentOrPlacementChanges) {
  const Dots green = someDots(Qt::green);
  paintAt(2.0, {}, green, true);
  drawings = 0;
  paintAt(2.0, QPointF(7, 3), green, true);  // whole pixels away: the same layer
  EXPECT_EQ(drawings, 0);

  Dots moved = green;
  moved.centres[4].ry() += 10;
  EXPECT_LE(largestDifference(paintAt(2.0, {}, moved, true), paintAt(2.0, {}, moved, false)), 2)
      << "a moved dot is drawn where it now is";
  const Dots red = someDots(Qt::red);
  EXPECT_LE(largestDifference(paintAt(2.0, {}, red, true), paintAt(2.0, {}, red, false)), 2)
      << "a new colour is drawn in that colour";
  EXPECT_LE(largestDifference(paintAt(2.5, {}, red, true), paintAt(2.5, {}, red, false)), 2)
      << "a new scale is drawn at that scale";
  EXPECT_LE(
      largestDifference(paintAt(2.5, {0.5, 0}, red, true), paintAt(2.5, {0.5, 0}, red, false)), 2)
      << "half a pixel away is drawn anew";
}

// A painter that only records (a PDF, a printer, a picture) gets the drawing itself.
TEST(CachedLayerTest, VectorPaintersGetTheDrawing) {
  const Dots dots = someDots(Qt::blue);
  drawings = 0;
  for (int k = 0; k < 2; ++k) {
    QPicture picture;
    QPainter painter(&picture);
    drawCachedLayer(painter, kBounds, dots, drawDots);
  }
  EXPECT_EQ(drawings, 2);
}

}  // namespace
}  // namespace sonarel::app
