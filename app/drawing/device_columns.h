// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the columns of a graph fall on the painter's device. Pictures and the screen reduce a
// curve per device pixel, so that a view scaled up to a large window stays sharp; vector
// devices (PDF files, printers) keep the logical pixels the layout is drawn in.

#include <QPainter>
#include <QRectF>
#include <QTransform>

#include <functional>
#include <memory>
#include <span>
#include <vector>

#include "app/session/curve_cache.h"
#include "app/session/display_data.h"
#include "core/column_reduction.h"

namespace sonarel::app {

struct DeviceColumns {
  // Drawn in device pixels: the painter's transform is set aside for the columns.
  bool device = false;
  QRectF rect;   // the area, in device pixels when `device`, else in logical units
  int left = 0;  // the x of the first column, in the same units
  int columns = 0;
  QTransform toDevice;  // the painter's transform when measured

  // The x of column c's centre in the painter's own (logical) units.
  double logicalCentre(int c) const;
  // How logical units fall on the columns (and rows) counted here.
  core::PixelGrid grid() const;
};

DeviceColumns deviceColumns(const QPainter& painter, const QRect& area);

// What the polyline `points` (in the painter's logical units, gaps between runs) covers of
// each device column of `space`: the lowest and highest device row, NaN where it does not pass.
struct ColumnCover {
  std::vector<double> low, high;
};
ColumnCover columnCover(std::span<const core::CurvePoint> points, const DeviceColumns& space);

// The columns `reduce()` makes, kept in the view's cache when the data comes with one.
std::shared_ptr<const CurveCache::Columns> cachedColumns(
    const DisplayData& data, CurveCache::Slot slot, const CurveCache::Key& key,
    const std::function<CurveCache::Columns()>& reduce);

}  // namespace sonarel::app
