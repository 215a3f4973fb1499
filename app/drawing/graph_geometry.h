// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the view draws: the 680-pixel analysis graph and, 50 pixels below its bottom edge
// (the graph origin), the 680 x 110 waveform strip. The compact layout serves 800 x 600
// screens; the normal one 1024 x 768 and more. Drawing routines take this and nothing else
// about the widget, so the screen, print and tests share them.

#include <QRect>
#include <QSize>
#include <QTransform>
#include <array>

namespace sonarel::app {

constexpr int kGraphWidth = 680;
constexpr int kStripHeight = 110;
constexpr int kStripGap = 50;
constexpr int kLeastGraphHeight = 360;
constexpr int kMostGraphHeight = 560;
// The graph height in a comparison pane below which the pane is drawn unscaled.
constexpr int kLeastScaledPaneGraph = 150;

struct GraphGeometry {
  QRect graph;  // the analysis graph
  QRect strip;  // the waveform strip
  bool compact = false;

  // The layout for a whole view of `size`: the compact one where the normal one does not fit
  // with a graph of kLeastGraphHeight rows; else the normal one, centred, its graph as tall
  // as the height allows (up to kMostGraphHeight rows).
  static GraphGeometry forViewSize(QSize size);
  static GraphGeometry normal();
  static GraphGeometry compactLayout();
  // The layout of each of the two views while a comparison is open, one pane of `size`:
  // the compact layout's margins with the graph and a lower strip shrunk to fit the pane.
  static GraphGeometry comparisonPane(QSize size);
  // The size a view needs to show the whole layout.
  QSize extent() const { return {strip.right() + (compact ? 52 : 70), strip.bottom() + 20}; }
};

// A layout drawn at a uniform scale, so that a large view shows the same 680 logical columns
// with every pixel of room it has: drawing routines work in logical units (`geometry`), the
// painter's transform puts them on the widget, and pointer positions come back through
// toLogical(). Views too small for the normal layout at scale 1 get the unscaled layout.
struct ScaledLayout {
  GraphGeometry geometry;  // in logical units
  double scale = 1.0;      // widget pixels per logical unit
  QPointF offset;          // where the logical origin lies on the widget

  static ScaledLayout forViewSize(QSize size);
  // One pane of the comparison layout, scaled the same way: panes with room for more than a
  // graph of kLeastScaledPaneGraph rows draw the pane's columns at a uniform scale filling
  // the pane; smaller panes get the unscaled pane.
  static ScaledLayout forComparisonPane(QSize size);
  QTransform transform() const { return QTransform(scale, 0, 0, scale, offset.x(), offset.y()); }
  QPoint toLogical(QPointF widgetPoint) const;
  // The first widget pixel inside a logical pixel (toLogical() of it gives that pixel back).
  QPoint toWidget(QPoint logicalPoint) const;
  // The widget pixels a logical rectangle covers (rounded outwards).
  QRect toWidget(const QRect& logical) const;
};

// The values of the 11 horizontal grid lines, from `bottom` upwards in steps of
// (top - bottom) / 10 (whole numbers).
std::array<int, 11> gridValues(int bottom, int top);

// The seven time labels under a graph: start + i * duration / 6, i = 0..6 (seconds).
std::array<double, 7> timeLabelValues(double startSeconds, double durationSeconds);

}  // namespace sonarel::app
