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

// y of `value` on a scale from bottom to top over `graph`; not clipped.
double valueToY(const QRect& graph, double value, int bottom, int top);

}  // namespace sonarel::app
