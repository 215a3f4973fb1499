// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Round markers drawn by the thousand (a follow-up diagram holds six recordings of 420 frames
// each). An antialiased ellipse costs a raster painter tens of microseconds at a large scale,
// so on an image or a window each marker is stamped from a small picture rendered once per
// size, colours, scale and quarter-pixel position; a PDF or a printer still gets the ellipse.

#include <QColor>
#include <QPainter>
#include <QPointF>

namespace sonarel::app {

// An ellipse `width` x `height` around `centre` filled with `fill`, outlined with a one-unit
// pen of `outline`, antialiased.
void drawRoundMarker(QPainter& painter, const QPointF& centre, double width, double height,
                     const QColor& outline, const QColor& fill);

}  // namespace sonarel::app
