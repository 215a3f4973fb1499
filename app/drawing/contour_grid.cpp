// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/drawing/contour_grid.h"

#include "app/drawing/fitted_text.h"
#include "app/drawing/graph_geometry.h"

namespace sonarel::app {

double valueToY(const QRect& graph, double value, int bottom, int top) {
  return ValueScale{graph, static_cast<double>(bottom), static_cast<double>(top)}.y(value);
}

double secondsAt(const QRect& graph, double startSeconds, double durationSeconds, int x) {
  return startSeconds + durationSeconds * (x - graph.left()) / static_cast<double>(graph.width());
}

void drawContourGrid(QPainter& painter, const QRect& graph, const GridScale& scale,
                     double startSeconds, double durationSeconds) {
  painter.save();
  const QFontMetrics metrics = painter.fontMetrics();
  painter.setPen(QPen(kGridColour, 1));
  painter.drawRect(graph.adjusted(0, 0, -1, -1));

  const auto values = gridValues(scale.bottom, scale.top);
  // A low graph (two recordings one above the other) labels every second or fifth line
  // only, so that the labels never run into each other.
  const int spacing = graph.height() / 10;
  const int labelEvery = spacing + 4 >= metrics.height()       ? 1  // labels may touch
                         : 2 * spacing >= metrics.height() + 4 ? 2
                                                               : 5;
  for (int i = 0; i < 11; ++i) {
    const int y = static_cast<int>(valueToY(graph, values[i], scale.bottom, scale.top));
    painter.setPen(QPen(kGridColour, 1));
    painter.drawLine(graph.left(), y, graph.right(), y);
    if (i % labelEvery != 0) continue;
    painter.setPen(Qt::black);
    const QString label = QString::asprintf("%.2d ", values[i]) + scale.unit;
    painter.drawText(QRect(graph.left() - 78, y - 8, 72, 16), Qt::AlignRight | Qt::AlignVCenter,
                     label);
  }

  const auto times = timeLabelValues(startSeconds, durationSeconds);
  for (int i = 0; i < 7; ++i) {
    const int x = graph.left() + i * 113;
    if (i > 0) {
      painter.setPen(QPen(kGridColour, 1));
      painter.drawLine(x, graph.top(), x, graph.bottom());
    }
    painter.setPen(Qt::black);
    const QString label = QString::asprintf("%.2f s", times[i]);
    painter.drawText(QRect(x - 40, graph.bottom() + 4, 80, metrics.height()), Qt::AlignHCenter,
                     label);
  }

  painter.translate(graph.right() + 8 + metrics.height(), graph.center().y());
  painter.rotate(-90);
  painter.setPen(Qt::black);
  // A low graph's title may reach a few rows past its ends, into the margins.
  const int room = graph.height() + 8;
  const QString title = fitText(painter, scale.title, room);
  painter.drawText(QRect(-room / 2, -metrics.height(), room, metrics.height()), Qt::AlignCenter,
                   title);
  painter.restore();
}

}  // namespace sonarel::app
