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

// A line with one point per device column (`ys`, device rows, column c's centre at x = left +
// c + 0.5) drawn `halfWidth` device pixels thick as one vertical span per column: what a wide
// pen covers there (the line over the column and its neighbours within the half width,
// widened by it), its ends antialiased. In a scaled-up view this costs a small part of
// stroking a jagged curve as a path. Drawn in device pixels, in the pen's colour.
void drawColumnSpans(QPainter& painter, int left, std::span<const double> ys, double halfWidth);

}  // namespace sonarel::app
