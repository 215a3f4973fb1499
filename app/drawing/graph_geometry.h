// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the view draws: the 680-pixel analysis graph and, 50 pixels below its bottom edge
// (the graph origin), the 680 x 110 waveform strip. The compact layout serves 800 x 600
// screens; the normal one 1024 x 768 and more. Drawing routines take this and nothing else
// about the widget, so the screen, print and tests share them.

#include <QRect>
#include <QSize>
#include <array>

namespace sonarel::app {

constexpr int kGraphWidth = 680;
constexpr int kStripHeight = 110;
constexpr int kStripGap = 50;

struct GraphGeometry {
  QRect graph;  // the analysis graph
  QRect strip;  // the waveform strip
  bool compact = false;

  // The layout for a whole view of `size` (the compact one below 1024 x 700).
  static GraphGeometry forViewSize(QSize size);
  static GraphGeometry normal();
  static GraphGeometry compactLayout();
  // The layout of each of the two views while a comparison is open, one pane of `size`:
  // the compact layout's margins with the graph and a lower strip shrunk to fit the pane.
  static GraphGeometry comparisonPane(QSize size);
  // The size a view needs to show the whole layout.
  QSize extent() const { return {strip.right() + (compact ? 52 : 70), strip.bottom() + 20}; }
};

// The values of the 11 horizontal grid lines, from `bottom` upwards in steps of
// (top - bottom) / 10 (whole numbers).
std::array<int, 11> gridValues(int bottom, int top);

// The seven time labels under a graph: start + i * duration / 6, i = 0..6 (seconds).
std::array<double, 7> timeLabelValues(double startSeconds, double durationSeconds);

}  // namespace sonarel::app
