// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/drawing/graph_geometry.h"

#include <algorithm>

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

GraphGeometry GraphGeometry::comparisonPane(QSize size) {
  constexpr int kTop = 18, kGap = kStripGap, kStrip = 50, kBottom = 6, kLowestGraph = 100;
  GraphGeometry g = compactLayout();
  const int left = std::max(g.graph.left(), (size.width() - kGraphWidth) / 2);
  const int height = std::max(kLowestGraph, size.height() - kTop - kGap - kStrip - kBottom);
  g.graph = QRect(left, kTop, kGraphWidth, height);
  g.strip = QRect(left, g.graph.bottom() + 1 + kGap, kGraphWidth, kStrip);
  return g;
}

GraphGeometry GraphGeometry::forViewSize(QSize size) {
  if (size.height() < normal().extent().height() || size.width() < normal().extent().width()) {
    return compactLayout();
  }
  // Larger views centre the layout and give the graph the height there is.
  GraphGeometry g = normal();
  const int left = std::max(g.graph.left(), (size.width() - kGraphWidth) / 2);
  const int spare = size.height() - normal().extent().height();
  const int height = std::min(g.graph.height() + spare, 560);
  const int top = g.graph.top() + std::max(0, spare - (height - g.graph.height())) / 2;
  g.graph = QRect(left, top, kGraphWidth, height);
  g.strip = QRect(left, g.graph.bottom() + 1 + kStripGap, kGraphWidth, kStripHeight);
  return g;
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
