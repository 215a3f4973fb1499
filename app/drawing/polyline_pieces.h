// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A long antialiased polyline drawn as short pieces. The raster engine fills the outline of a
// wide antialiased line as one path whose cost grows far faster than its length (hundreds of
// milliseconds for a 2,000-point curve in a large window); pieces of a few segments each cost
// a fraction of it. The pieces join end to end without caps, and the line's own ends keep the
// pen's cap; only the bevel at the few joints between pieces is left out.

#include <QPainter>
#include <span>

namespace sonarel::app {

void drawPolylineInPieces(QPainter& painter, std::span<const QPointF> points);

// A line drawn `halfWidth` device pixels thick as one vertical span per device column (column
// c at x = left + c): [low[c], high[c]] is what the line itself covers there (NaN: nothing),
// widened by the pen over the neighbouring columns within its half width, the ends
// antialiased. In a scaled-up view this costs a small part of stroking a jagged curve as a
// path. Drawn in device pixels, in the pen's colour.
void drawColumnSpans(QPainter& painter, int left, std::span<const double> low,
                     std::span<const double> high, double halfWidth);

// The same for a line with one point per device column, `ys` (device rows) at the columns'
// centres.
void drawColumnLine(QPainter& painter, int left, std::span<const double> ys, double halfWidth);

}  // namespace sonarel::app
