// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/drawing/polyline_pieces.h"

#include <QLineF>
#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace sonarel::app {
namespace {

constexpr std::size_t kSegmentsPerPiece = 8;
constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

// `end` moved `by` further along the segment that reaches it from `from` (a square cap drawn
// as part of the line).
QPointF extended(QPointF from, QPointF end, double by) {
  QLineF segment(from, end);
  if (segment.length() <= 0) return end;
  segment.setLength(segment.length() + by);
  return segment.p2();
}

}  // namespace

void drawPolylineInPieces(QPainter& painter, std::span<const QPointF> points) {
  if (points.size() <= kSegmentsPerPiece + 1) {
    painter.drawPolyline(points.data(), static_cast<int>(points.size()));
    return;
  }
  const QPen pen = painter.pen();
  std::vector<QPointF> line(points.begin(), points.end());
  if (pen.capStyle() == Qt::SquareCap) {
    const double half = pen.widthF() / 2;
    line.front() = extended(line[1], line.front(), half);
    line.back() = extended(line[line.size() - 2], line.back(), half);
  }
  QPen pieces = pen;
  pieces.setCapStyle(Qt::FlatCap);
  painter.save();
  painter.setPen(pieces);
  for (std::size_t first = 0; first + 1 < line.size(); first += kSegmentsPerPiece) {
    const std::size_t count = std::min(kSegmentsPerPiece + 1, line.size() - first);
    painter.drawPolyline(line.data() + first, static_cast<int>(count));
  }
  painter.restore();
}

void drawColumnLine(QPainter& painter, int left, std::span<const double> ys, double halfWidth) {
  const std::size_t n = ys.size();
  // The line's extent over each column: its centre and the halves toward its neighbours.
  std::vector<double> low(n), high(n);
  for (std::size_t c = 0; c < n; ++c) {
    const double before = c > 0 ? (ys[c - 1] + ys[c]) / 2 : ys[c];
    const double after = c + 1 < n ? (ys[c] + ys[c + 1]) / 2 : ys[c];
    low[c] = std::min({before, ys[c], after});
    high[c] = std::max({before, ys[c], after});
  }
  drawColumnSpans(painter, left, low, high, halfWidth);
}

void drawColumnSpans(QPainter& painter, int left, std::span<const double> low,
                     std::span<const double> high, double halfWidth) {
  const std::size_t n = std::min(low.size(), high.size());
  if (n == 0) return;
  // A round pen: over a column d columns away the line widens this one by sqrt(h^2 - d^2).
  const auto reach = static_cast<std::size_t>(std::max(0.0, std::floor(halfWidth)));
  std::vector<double> widening(reach + 1);
  for (std::size_t d = 0; d <= reach; ++d) {
    widening[d] = std::sqrt(std::max(0.0, halfWidth * halfWidth - double(d * d)));
  }
  constexpr int kLevels = 16;  // the antialiased ends, grouped by coverage
  std::vector<QRect> full;     // whole pixels: the raster engine fills these without a path
  std::vector<QPoint> partial[kLevels];
  const auto addPartial = [&](double x, double row, double coverage) {
    const int level = std::clamp(static_cast<int>(coverage * kLevels), 0, kLevels - 1);
    if (coverage > 0.5 / kLevels)
      partial[level].emplace_back(static_cast<int>(std::floor(x)), static_cast<int>(row));
  };
  for (std::size_t c = 0; c < n; ++c) {
    const std::size_t from = c >= reach ? c - reach : 0, to = std::min(n - 1, c + reach);
    double top = kNone, bottom = kNone;
    for (std::size_t k = from; k <= to; ++k) {
      if (std::isnan(low[k])) continue;
      const double by = widening[k > c ? k - c : c - k];
      top = std::isnan(top) ? low[k] - by : std::min(top, low[k] - by);
      bottom = std::isnan(bottom) ? high[k] + by : std::max(bottom, high[k] + by);
    }
    if (std::isnan(top)) continue;
    const double x = left + static_cast<double>(c) + 0.5;                    // the pixel's centre
    const double firstFull = std::ceil(top), lastFull = std::floor(bottom);  // rows [first, last)
    if (lastFull < firstFull) {                                              // thinner than one row
      addPartial(x, std::floor(top), bottom - top);
      continue;
    }
    if (lastFull > firstFull) {
      full.emplace_back(left + static_cast<int>(c), static_cast<int>(firstFull), 1,
                        static_cast<int>(lastFull - firstFull));
    }
    addPartial(x, firstFull - 1, firstFull - top);
    addPartial(x, lastFull, bottom - lastFull);
  }
  const QColor colour = painter.pen().color();
  painter.save();
  painter.resetTransform();  // the clip stays where it was set
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(Qt::NoPen);
  painter.setBrush(colour);
  painter.drawRects(full.data(), static_cast<int>(full.size()));
  for (int level = 0; level < kLevels; ++level) {
    QColor shade = colour;
    shade.setAlphaF((level + 0.5f) / kLevels);
    painter.setPen(QPen(shade, 1));
    painter.drawPoints(partial[level].data(), static_cast<int>(partial[level].size()));
  }
  painter.restore();
}

}  // namespace sonarel::app
