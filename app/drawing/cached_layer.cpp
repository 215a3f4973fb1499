// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/drawing/cached_layer.h"

#include <QPaintEngine>
#include <cmath>

namespace sonarel::app {

LayerPlacement placeLayer(const QPainter& painter, const QRectF& bounds) {
  LayerPlacement placement;
  const QPaintEngine* engine = painter.paintEngine();
  const QTransform device = painter.deviceTransform();
  if (!engine || engine->type() != QPaintEngine::Raster || device.type() > QTransform::TxScale ||
      device.m11() <= 0 || device.m22() <= 0 || painter.opacity() != 1.0 ||
      painter.compositionMode() != QPainter::CompositionMode_SourceOver || bounds.isEmpty()) {
    return placement;
  }
  const QRectF area = device.mapRect(bounds);
  const int left = static_cast<int>(std::floor(area.left()));
  const int top = static_cast<int>(std::floor(area.top()));
  const int right = static_cast<int>(std::ceil(area.right()));
  const int bottom = static_cast<int>(std::ceil(area.bottom()));
  placement.device = QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
  // Whole device pixels apart, so the layer's pixels are those the device would get.
  placement.toLayer = device * QTransform::fromTranslate(-left, -top);
  placement.hints = painter.renderHints();
  placement.kept = !placement.device.isEmpty();
  return placement;
}

QImage renderLayer(const LayerPlacement& placement, const std::function<void(QPainter&)>& draw) {
  QImage layer(placement.device.size(), QImage::Format_ARGB32_Premultiplied);
  layer.fill(Qt::transparent);
  QPainter painter(&layer);
  painter.setRenderHints(placement.hints);
  painter.setTransform(placement.toLayer);
  draw(painter);
  return layer;
}

void copyLayer(QPainter& painter, const LayerPlacement& placement, const QImage& layer) {
  const QTransform world = painter.worldTransform();
  // One to one onto the device: the world transform that cancels the device's own.
  painter.setWorldTransform(painter.deviceTransform().inverted() * world);
  painter.drawImage(placement.device.topLeft(), layer);
  painter.setWorldTransform(world);
}

}  // namespace sonarel::app
