// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The scales of the vowel-space chart: F1 grows downwards from 200 Hz at the top of the
// graph to 1100 Hz at its bottom, F2 leftwards from 600 Hz at the right edge to 3200 Hz at
// the left edge (the graph is 680 pixels wide).

#include <QPoint>
#include <QRect>
#include <utility>

namespace sonarel::app::vowel_chart {

constexpr double kF1Top = 200, kF1Bottom = 1100;  // Hz
constexpr double kF2Right = 600, kF2Left = 3200;  // Hz

// Whether a measured point is drawn: both formants within the scales, ends included.
inline bool plotted(double f1, double f2) {
  return f1 >= kF1Top && f1 <= kF1Bottom && f2 >= kF2Right && f2 <= kF2Left;
}

// The pixel of (F1, F2), truncated; the right and bottom ends lie on the graph's outer
// edges (left + width, top + height).
inline QPoint pixelOf(const QRect& graph, double f1, double f2) {
  const double right = graph.left() + graph.width();
  const double x = right - (f2 - kF2Right) / (kF2Left - kF2Right) * graph.width();
  const double y = graph.top() + (f1 - kF1Top) / (kF1Bottom - kF1Top) * graph.height();
  return {static_cast<int>(x), static_cast<int>(y)};
}

// F1 and F2 (Hz) under a pixel, for the pointer read-out.
inline std::pair<double, double> formantsAt(const QRect& graph, QPoint point) {
  const double right = graph.left() + graph.width();
  const double f1 = kF1Top + (point.y() - graph.top()) / static_cast<double>(graph.height()) *
                                 (kF1Bottom - kF1Top);
  const double f2 =
      kF2Right + (right - point.x()) / static_cast<double>(graph.width()) * (kF2Left - kF2Right);
  return {f1, f2};
}

}  // namespace sonarel::app::vowel_chart
