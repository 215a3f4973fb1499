// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/drawing/device_columns.h"

#include <QPaintEngine>
#include <algorithm>
#include <cmath>
#include <limits>

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

ColumnCover columnCover(std::span<const core::CurvePoint> points, const DeviceColumns& space) {
  const auto n = static_cast<std::size_t>(space.columns);
  constexpr double kNothing = std::numeric_limits<double>::quiet_NaN();
  std::vector<double> low(n, kNothing), high(n, kNothing);
  const auto cover = [&](double x, double y) {
    const double column = std::floor(x - space.left);
    if (column < 0 || column >= static_cast<double>(n)) return;
    const auto c = static_cast<std::size_t>(column);
    low[c] = std::isnan(low[c]) ? y : std::min(low[c], y);
    high[c] = std::isnan(high[c]) ? y : std::max(high[c], y);
  };
  const auto device = [&](const core::CurvePoint& p) {
    return space.toDevice.map(QPointF(p.x, p.y));
  };
  for (std::size_t i = 0; i < points.size(); ++i) {
    if (points[i].gap()) continue;
    const QPointF p = device(points[i]);
    cover(p.x(), p.y());
    if (i + 1 >= points.size() || points[i + 1].gap()) continue;
    // Where the segment to the next point crosses each column edge.
    const QPointF q = device(points[i + 1]);
    for (double edge = std::floor(p.x()) + 1; edge < q.x(); ++edge) {
      const double y = p.y() + (q.y() - p.y()) * (edge - p.x()) / (q.x() - p.x());
      cover(edge - 0.5, y);
      cover(edge + 0.5, y);
    }
  }
  return {std::move(low), std::move(high)};
}

std::shared_ptr<const CurveCache::Columns> cachedColumns(
    const DisplayData& data, CurveCache::Slot slot, const CurveCache::Key& key,
    const std::function<CurveCache::Columns()>& reduce) {
  if (data.curves) return data.curves->columns(slot, key, reduce);
  return std::make_shared<const CurveCache::Columns>(reduce());
}

}  // namespace sonarel::app
