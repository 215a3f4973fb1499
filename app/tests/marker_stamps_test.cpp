// SPDX-License-Identifier: GPL-3.0-or-later
// Stamped round markers against the ellipses a vector painter records: at the window's scales
// and at positions between pixels the stamps must land where the ellipses are drawn.

#include <gtest/gtest.h>

#include <QImage>
#include <QPicture>

#include "app/drawing/marker_stamps.h"
#include "app/tests/image_difference.h"

namespace sonarel::app {
namespace {

const QColor kOutline(0, 120, 0);
const QColor kFill(0, 220, 0);

// Markers at positions a little off the pixel grid, drawn at `scale` through `painter`.
void drawMarkers(QPainter& painter, double scale) {
  painter.setTransform(QTransform::fromScale(scale, scale));
  painter.setRenderHint(QPainter::Antialiasing);
  for (int k = 0; k < 12; ++k) {
    const QPointF centre(10 + 13.37 * k, 12 + 0.29 * k);
    drawRoundMarker(painter, centre, k % 2 ? 12 : 8, 8, kOutline, kFill);
  }
}

QImage blank(double scale) {
  QImage image(static_cast<int>(180 * scale), static_cast<int>(30 * scale), QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

// The markers stamped on an image, and the ellipses a picture records replayed onto one.
struct Pair {
  QImage stamped, drawn;
};

Pair bothWays(double scale) {
  Pair pair{blank(scale), blank(scale)};
  {
    QPainter painter(&pair.stamped);
    drawMarkers(painter, scale);
  }
  QPicture picture;
  {
    QPainter recorder(&picture);
    drawMarkers(recorder, scale);
  }
  QPainter painter(&pair.drawn);
  picture.play(&painter);
  return pair;
}

TEST(MarkerStampsTest, StampsCoverWhatTheEllipsesCoverAtEveryScale) {
  for (const double scale : {1.0, 1.8823529, 2.8235294}) {
    SCOPED_TRACE(scale);
    const Pair pair = bothWays(scale);
    int painted = 0, apart = 0;
    for (int y = 0; y < pair.drawn.height(); ++y) {
      for (int x = 0; x < pair.drawn.width(); ++x) {
        const QRgb drawn = pair.drawn.pixel(x, y), stamped = pair.stamped.pixel(x, y);
        if (drawn != qRgb(255, 255, 255)) ++painted;
        // Edges may differ by a quarter pixel's coverage; nothing more.
        if (channelDistance(drawn, stamped) > 96) ++apart;
      }
    }
    EXPECT_GT(painted, 12 * 40 * scale * scale) << "the ellipses were drawn";
    EXPECT_LT(apart, painted / 50) << "the stamps sit where the ellipses are";
  }
}

TEST(MarkerStampsTest, MarkerCentresTakeTheFillColour) {
  const Pair pair = bothWays(1.0);
  for (int k = 0; k < 12; ++k) {
    const QPoint centre(static_cast<int>(10 + 13.37 * k), static_cast<int>(12 + 0.29 * k));
    EXPECT_EQ(pair.stamped.pixel(centre), kFill.rgb()) << k;
  }
}

// A painter that only records (a PDF, a printer, a picture) keeps ellipses, not images.
TEST(MarkerStampsTest, VectorPaintersGetEllipses) {
  QPicture picture;
  {
    QPainter painter(&picture);
    drawMarkers(painter, 2.0);
  }
  QImage replayed = blank(2.0);
  QPainter painter(&replayed);
  painter.setRenderHint(QPainter::Antialiasing);
  picture.play(&painter);
  painter.end();
  EXPECT_EQ(replayed.pixel(20, 24), kFill.rgb());
}

}  // namespace
}  // namespace sonarel::app
