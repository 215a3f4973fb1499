// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/drawing/marker_stamps.h"

#include <QImage>
#include <QPaintEngine>
#include <QTransform>
#include <cmath>
#include <map>
#include <tuple>

namespace sonarel::app {
namespace {

constexpr int kPhases = 4;  // stamp positions per pixel in each direction

struct StampKey {
  double width, height, scaleX, scaleY;
  QRgb outline, fill;
  int phaseX, phaseY;
  auto tied() const {
    return std::tie(width, height, scaleX, scaleY, outline, fill, phaseX, phaseY);
  }
  bool operator<(const StampKey& other) const { return tied() < other.tied(); }
};

struct Stamp {
  QImage image;
  int radiusX = 0, radiusY = 0;  // device pixels from the image's corner to the centre pixel
};

void drawEllipseMarker(QPainter& painter, const QPointF& centre, double width, double height,
                       const QColor& outline, const QColor& fill) {
  painter.setPen(QPen(outline, 1));
  painter.setBrush(fill);
  painter.drawEllipse(centre, width / 2, height / 2);
}

// The marker rendered with its centre `phase` quarters of a pixel right and down of the centre
// pixel's corner, as the painter would render it there.
Stamp renderStamp(const StampKey& key) {
  Stamp stamp;
  // Half the ellipse, half the pen and a pixel of antialiasing on either side.
  stamp.radiusX = static_cast<int>(std::ceil((key.width / 2 + 0.5) * key.scaleX)) + 2;
  stamp.radiusY = static_cast<int>(std::ceil((key.height / 2 + 0.5) * key.scaleY)) + 2;
  stamp.image =
      QImage(2 * stamp.radiusX + 1, 2 * stamp.radiusY + 1, QImage::Format_ARGB32_Premultiplied);
  stamp.image.fill(Qt::transparent);
  QPainter painter(&stamp.image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setTransform(QTransform(key.scaleX, 0, 0, key.scaleY,
                                  stamp.radiusX + double(key.phaseX) / kPhases,
                                  stamp.radiusY + double(key.phaseY) / kPhases));
  drawEllipseMarker(painter, QPointF(0, 0), key.width, key.height, QColor(key.outline),
                    QColor(key.fill));
  return stamp;
}

// The stamps of this thread (printing may draw off the window thread), few: a handful of
// sizes and colours at the scale of the window.
const Stamp& stampFor(const StampKey& key) {
  thread_local std::map<StampKey, Stamp> stamps;
  if (stamps.size() > 1024) stamps.clear();  // the window went through many sizes
  auto found = stamps.find(key);
  if (found == stamps.end()) found = stamps.emplace(key, renderStamp(key)).first;
  return found->second;
}

// A raster painter at a plain scale, with the default composition and opaque colours.
bool stampable(const QPainter& painter, const QColor& outline, const QColor& fill) {
  const QPaintEngine* engine = painter.paintEngine();
  return engine && engine->type() == QPaintEngine::Raster &&
         painter.deviceTransform().type() <= QTransform::TxScale &&
         painter.testRenderHint(QPainter::Antialiasing) && painter.opacity() == 1.0 &&
         painter.compositionMode() == QPainter::CompositionMode_SourceOver &&
         outline.alpha() == 255 && fill.alpha() == 255;
}

}  // namespace

void drawRoundMarker(QPainter& painter, const QPointF& centre, double width, double height,
                     const QColor& outline, const QColor& fill) {
  if (!stampable(painter, outline, fill)) {
    drawEllipseMarker(painter, centre, width, height, outline, fill);
    return;
  }
  const QTransform device = painter.deviceTransform();
  const QPointF at = device.map(centre);
  const double quartersX = std::round(at.x() * kPhases), quartersY = std::round(at.y() * kPhases);
  const double pixelX = std::floor(quartersX / kPhases), pixelY = std::floor(quartersY / kPhases);
  const StampKey key{width,
                     height,
                     device.m11(),
                     device.m22(),
                     outline.rgba(),
                     fill.rgba(),
                     static_cast<int>(quartersX - pixelX * kPhases),
                     static_cast<int>(quartersY - pixelY * kPhases)};
  const Stamp& stamp = stampFor(key);
  // Drawn one to one onto the device's pixels: the world transform that cancels the device's.
  const QTransform world = painter.worldTransform();
  painter.setWorldTransform(device.inverted() * world);
  painter.drawImage(QPointF(pixelX - stamp.radiusX, pixelY - stamp.radiusY), stamp.image);
  painter.setWorldTransform(world);
}

}  // namespace sonarel::app
