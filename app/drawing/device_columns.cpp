// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/drawing/device_columns.h"

#include <QPaintEngine>
#include <algorithm>

namespace sonarel::app {

DeviceColumns deviceColumns(const QPainter& painter, const QRect& area) {
  DeviceColumns space;
  const QTransform transform = painter.combinedTransform();
  const QPaintEngine* engine = painter.paintEngine();
  const bool raster = engine && engine->type() == QPaintEngine::Raster;
  if (raster && transform.type() <= QTransform::TxScale && transform.m11() > 0 &&
      transform.m22() > 0) {
    space.device = true;
    space.toDevice = transform;
    space.rect = transform.mapRect(QRectF(area));
    space.left = qRound(space.rect.left());
    space.columns = std::max(0, qRound(space.rect.right()) - space.left);
    return space;
  }
  space.rect = QRectF(area);
  space.left = area.left();
  space.columns = std::max(0, area.width());
  return space;
}

double DeviceColumns::logicalCentre(int c) const {
  const double x = left + c + 0.5;
  return device ? (x - toDevice.dx()) / toDevice.m11() : x;
}

core::PixelGrid DeviceColumns::grid() const {
  if (!device) return {};
  return {toDevice.m11(), toDevice.dx(), toDevice.m22(), toDevice.dy()};
}

std::shared_ptr<const CurveCache::Columns> cachedColumns(
    const DisplayData& data, CurveCache::Slot slot, const CurveCache::Key& key,
    const std::function<CurveCache::Columns()>& reduce) {
  if (data.curves) return data.curves->columns(slot, key, reduce);
  return std::make_shared<const CurveCache::Columns>(reduce());
}

}  // namespace sonarel::app
