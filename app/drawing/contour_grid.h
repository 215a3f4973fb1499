// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The frame shared by the contour displays: a grey grid of 11 labelled horizontal lines,
// seven time labels every 113 pixels with vertical lines (but the first), and the axis
// title written upwards at the right of the graph.

#include <QColor>
#include <QPainter>
#include <QRect>
#include <QString>

namespace sonarel::app {

inline const QColor kGridColour(198, 198, 198);

struct GridScale {
  int bottom = 0;           // value at the graph's bottom edge
  int top = 100;            // value at its top edge
  const char* unit = "Hz";  // label unit: "%.2d Hz"
  QString title;            // "F0 (Hz)", "Intensity (dB)"
};

void drawContourGrid(QPainter& painter, const QRect& graph, const GridScale& scale,
                     double startSeconds, double durationSeconds);

// A value scale over a graph's height: `bottom` at its lower edge, `top` at its upper one.
// The drawing and the pointer read-out share it, so the read-out names the value drawn there.
struct ValueScale {
  QRect graph;
  double bottom = 0;
  double top = 100;

  double span() const { return top > bottom ? top - bottom : 1; }
  // y of `value`; not clipped.
  double y(double value) const {
    return graph.top() + graph.height() - (value - bottom) / span() * graph.height();
  }
  // The value at pixel row `row`.
  double valueAt(int row) const {
    return bottom +
           (graph.top() + graph.height() - row) / static_cast<double>(graph.height()) * span();
  }
};

// y of `value` on a scale from bottom to top over `graph`; not clipped.
double valueToY(const QRect& graph, double value, int bottom, int top);

// The time under pixel column `x` of a graph showing the analysis range (seconds).
double secondsAt(const QRect& graph, double startSeconds, double durationSeconds, int x);

}  // namespace sonarel::app
