// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/drawing/graph_geometry.h"

#include <algorithm>
#include <cmath>

namespace sonarel::app {

GraphGeometry GraphGeometry::normal() {
  GraphGeometry g;
  g.graph = QRect(80, 40, kGraphWidth, 360);
  g.strip = QRect(80, g.graph.bottom() + 1 + kStripGap, kGraphWidth, kStripHeight);
  return g;
}

GraphGeometry GraphGeometry::compactLayout() {
  GraphGeometry g;
  g.graph = QRect(62, 24, kGraphWidth, 230);
  g.strip = QRect(62, g.graph.bottom() + 1 + kStripGap, kGraphWidth, kStripHeight);
  g.compact = true;
  return g;
}

namespace {

// The normal layout's extent with the least graph height.
QSize leastNormalExtent() {
  const GraphGeometry g = GraphGeometry::normal();
  return g.extent() - QSize(0, g.graph.height() - kLeastGraphHeight);
}

}  // namespace

namespace {

// A comparison pane: the graph's top margin, the strip's height and the margin under it.
constexpr int kPaneTop = 18, kPaneStrip = 50, kPaneBottom = 6, kLowestPaneGraph = 100;

int paneHeight(int graphHeight) {
  return kPaneTop + graphHeight + kStripGap + kPaneStrip + kPaneBottom;
}

}  // namespace

GraphGeometry GraphGeometry::comparisonPane(QSize size) {
  GraphGeometry g = compactLayout();
  const int left = std::max(g.graph.left(), (size.width() - kGraphWidth) / 2);
  const int height = std::max(kLowestPaneGraph, size.height() - paneHeight(0));
  g.graph = QRect(left, kPaneTop, kGraphWidth, height);
  g.strip = QRect(left, g.graph.bottom() + 1 + kStripGap, kGraphWidth, kPaneStrip);
  return g;
}

GraphGeometry GraphGeometry::forViewSize(QSize size) {
  const QSize least = leastNormalExtent();
  if (size.height() < least.height() || size.width() < least.width()) return compactLayout();
  // Larger views centre the layout and give the graph the height there is.
  GraphGeometry g = normal();
  const int spare = size.height() - least.height();
  const int height = std::min(kLeastGraphHeight + spare, kMostGraphHeight);
  const int left = std::max(g.graph.left(), (size.width() - kGraphWidth) / 2);
  const int top = g.graph.top() + std::max(0, kLeastGraphHeight + spare - height) / 2;
  g.graph = QRect(left, top, kGraphWidth, height);
  g.strip = QRect(left, g.graph.bottom() + 1 + kStripGap, kGraphWidth, kStripHeight);
  return g;
}

ScaledLayout ScaledLayout::forViewSize(QSize size) {
  ScaledLayout layout;
  const QSize least = leastNormalExtent();
  if (size.width() < least.width() || size.height() < least.height()) {
    layout.geometry = GraphGeometry::forViewSize(size);
    return layout;
  }
  layout.scale = std::min(static_cast<double>(size.width()) / least.width(),
                          static_cast<double>(size.height()) / least.height());
  const QSize logical(static_cast<int>(size.width() / layout.scale),
                      static_cast<int>(size.height() / layout.scale));
  layout.geometry = GraphGeometry::forViewSize(logical);
  return layout;
}

ScaledLayout ScaledLayout::forComparisonPane(QSize size) {
  ScaledLayout layout;
  const QSize least(GraphGeometry::comparisonPane(QSize()).extent().width(),
                    paneHeight(kLeastScaledPaneGraph));
  if (size.width() <= least.width() || size.height() <= least.height()) {
    layout.geometry = GraphGeometry::comparisonPane(size);
    return layout;
  }
  layout.scale = std::min(static_cast<double>(size.width()) / least.width(),
                          static_cast<double>(size.height()) / least.height());
  const QSize logical(static_cast<int>(size.width() / layout.scale),
                      static_cast<int>(size.height() / layout.scale));
  layout.geometry = GraphGeometry::comparisonPane(logical);
  return layout;
}

QPoint ScaledLayout::toLogical(QPointF widgetPoint) const {
  const QPointF p = (widgetPoint - offset) / scale;
  constexpr double kRounding = 1e-9;
  return {static_cast<int>(std::floor(p.x() + kRounding)),
          static_cast<int>(std::floor(p.y() + kRounding))};
}

QPoint ScaledLayout::toWidget(QPoint logicalPoint) const {
  const QPointF p = QPointF(logicalPoint) * scale + offset;
  return {static_cast<int>(std::ceil(p.x())), static_cast<int>(std::ceil(p.y()))};
}

QRect ScaledLayout::toWidget(const QRect& logical) const {
  return transform().mapRect(QRectF(logical)).toAlignedRect();
}

std::array<int, 11> gridValues(int bottom, int top) {
  std::array<int, 11> values{};
  const int step = (top - bottom) / 10;
  for (int i = 0; i < 11; ++i) values[i] = bottom + i * step;
  return values;
}

std::array<double, 7> timeLabelValues(double startSeconds, double durationSeconds) {
  std::array<double, 7> values{};
  for (int i = 0; i < 7; ++i) values[i] = startSeconds + i * (durationSeconds / 6.0);
  return values;
}

}  // namespace sonarel::app
