// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>
#include <algorithm>
#include <cmath>

#include "app/drawing/cached_layer.h"
#include "app/drawing/contour_grid.h"
#include "app/drawing/device_columns.h"
#include "app/drawing/polyline_pieces.h"
#include "app/drawing/quality_drawing.h"
#include "app/drawing/spectral_drawing.h"
#include "core/column_reduction.h"

namespace sonarel::app {
namespace {

constexpr int kPlotWidth = 680;
const QColor kIntensityPen(0, 120, 0);
const QColor kIntensityLabel(0, 100, 0);
const QColor kF0Pen(0, 0, 198);
const QColor kF0Label(0, 0, 120);
const QColor kF0Title(0, 0, 255);
const QColor kBandName(0, 100, 0);

QString displayText(const char* text) {
  return QCoreApplication::translate("Display", text);
}

// The points of `values[c]` for c from trunc(start) while c < trunc(end): evenly across the
// plot, the last at its right edge, each scaled between `low` and `high` over the panel.
std::vector<QPoint> curvePoints(const QRect& graph, const CurvePanel& panel, const auto& valueAt,
                                double start, double end, double low, double high) {
  std::vector<QPoint> points;
  const int first = static_cast<int>(start), last = static_cast<int>(end);
  if (last <= first || end <= start) return points;
  const int x0 = graph.left();
  for (int c = first, i = 0; c < last; ++c, ++i) {
    int x = static_cast<int>(x0 + i * kPlotWidth / (end - start) + 1);
    if (c == last - 1) x = x0 + kPlotWidth;
    x = std::min(x, x0 + kPlotWidth);
    const double v = valueAt(c);
    const double p = high != low ? (v - low) * 100 / (high - low) : (v - low) * 100;
    int y = static_cast<int>(panel.bottom - p / 100 * panel.height());
    y = std::max(std::min(y, panel.bottom - 1), graph.top());
    points.emplace_back(x, y);
  }
  return points;
}

// The line through `points` across the plot that starts at `left`. Thousands of F0 frames
// share the plot's 680 columns: of the points on one column only the first, lowest, highest
// and last are joined, which covers the same pixels.
void drawPolyline(QPainter& painter, int left, const std::vector<QPoint>& points,
                  const QColor& colour) {
  if (points.empty()) return;
  std::vector<core::CurvePoint> curve;
  curve.reserve(points.size());
  for (const QPoint& p : points) curve.push_back({double(p.x()), double(p.y())});
  painter.setPen(QPen(colour, 1));
  const DeviceColumns space =
      deviceColumns(painter, QRect(left, points.front().y(), kPlotWidth + 1, 1));
  if (space.device && space.toDevice.m11() > 1) {
    // Scaled up, the pen is several device pixels wide; stroking it costs more than the rest
    // of the display together: one span per device column.
    const ColumnCover cover = columnCover(core::thinCurve(curve, space.grid()), space);
    drawColumnSpans(painter, space.left, cover.low, cover.high, 0.5 * space.toDevice.m11());
    return;
  }
  std::vector<QPoint> thin;
  for (const core::CurvePoint& p : core::thinCurve(curve, {})) {
    thin.emplace_back(static_cast<int>(p.x), static_cast<int>(p.y));
  }
  if (painter.transform().type() < QTransform::TxScale) {
    painter.drawPolyline(thin.data(), static_cast<int>(thin.size()));
    return;
  }
  // Scaled (a vector device): stroked whole, the wide pen would miss the frame.
  const std::vector<QPointF> wide(thin.begin(), thin.end());
  drawPolylineInPieces(painter, wide);
}

void drawScaleLabels(QPainter& painter, const QRect& graph, const CurvePanel& panel,
                     const char* unit, double low, double high, const QColor& colour, int inset) {
  const bool compact = compactGraph(graph);
  const QString format = QString(compact ? "%.1f " : "%.2f ") + unit;
  const QByteArray pattern = format.toUtf8();
  painter.setPen(colour);
  const int x = std::max(2, graph.left() - 63);
  const QFontMetrics metrics = painter.fontMetrics();
  painter.drawText(x, panel.bottom - inset, QString::asprintf(pattern.constData(), low));
  painter.drawText(x, panel.top + metrics.ascent() + inset,
                   QString::asprintf(pattern.constData(), high));
}

// Everything the curve panel shows under the spectrogram, so that a panel kept from an
// earlier paint is used only while it would be drawn the same.
struct CurvesPicture {
  QRect graph;
  double rangeStart = 0, rangeSeconds = 0;  // the time labels
  int language = 0;
  DrawnCurves curves;
  bool operator==(const CurvesPicture&) const = default;
};

void drawPanelGrid(QPainter& painter, const QRect& graph, const CurvePanel& panel,
                   const CurvesPicture& picture) {
  const int x0 = graph.left(), yb = graph.top() + graph.height();
  painter.fillRect(QRect(QPoint(x0, panel.top), QPoint(x0 + kPlotWidth, panel.bottom)), Qt::white);
  const QPen dotted(kGridColour, 1, Qt::DotLine);
  painter.setPen(dotted);
  for (int q = 1; q < 4; ++q) {
    const int y = panel.top + q * panel.height() / 4;
    painter.drawLine(x0, y, x0 + kPlotWidth, y);
  }
  const std::array<double, 7> seconds = [&] {
    std::array<double, 7> values{};
    for (int i = 0; i < 7; ++i) values[i] = picture.rangeStart + i * (picture.rangeSeconds / 6);
    return values;
  }();
  for (int i = 0; i < 7; ++i) {
    const int x = x0 + 113 * i - 6;
    if (i > 0) {
      painter.setPen(dotted);
      painter.drawLine(x0 + 113 * i, panel.top, x0 + 113 * i, panel.bottom);
    }
    painter.setPen(Qt::black);
    painter.drawText(x, yb + 14 + painter.fontMetrics().ascent(),
                     QString::asprintf("%.2f s", seconds[static_cast<std::size_t>(i)]));
  }
  painter.setPen(QPen(Qt::black, 1));
  painter.drawLine(x0, panel.top, x0, panel.bottom);
  painter.drawLine(x0, panel.bottom, x0 + kPlotWidth, panel.bottom);
}

DrawnCurve intensityCurve(const QRect& graph, const CurvePanel& panel, const DisplayData& data) {
  DrawnCurve curve;
  if (!data.intensityColumns || data.count() <= 0) return curve;
  const core::IntensityColumns& columns = *data.intensityColumns;
  const double perColumn = static_cast<double>(data.count()) / core::kIntensityColumns;
  const double start = data.range.first / perColumn;
  const double end = std::min<double>(data.range.last / perColumn, core::kIntensityColumns);
  const int first = static_cast<int>(start), last = static_cast<int>(end);
  if (last <= first) return curve;
  const auto [low, high] = std::minmax_element(columns.begin() + first, columns.begin() + last);
  curve.low = *low;
  curve.high = *high;
  curve.points = curvePoints(
      graph, panel,
      [&](int c) { return static_cast<double>(columns[static_cast<std::size_t>(c)]); }, start, end,
      curve.low, curve.high);
  curve.drawn = true;
  return curve;
}

DrawnCurve f0Curve(const QRect& graph, const CurvePanel& panel, const DisplayData& data) {
  DrawnCurve curve;
  if (!data.f0 || !data.statistics || data.count() <= 0) return curve;
  const core::F0Contour& f0 = *data.f0;
  curve.low = data.statistics->statistics.minF0;
  curve.high = data.statistics->statistics.maxF0;
  // No voiced frame in the range: no curve and no labels.
  if (curve.low == 0 || curve.high == 0 || f0.frameCount() == 0) return curve;
  const double perFrame = static_cast<double>(data.count()) / f0.frameCount();
  const double start = data.range.first / perFrame;
  const double end = std::min<double>(data.range.last / perFrame, f0.frameCount() - 1);
  curve.points = curvePoints(
      graph, panel,
      [&](int c) { return static_cast<double>(f0.values[static_cast<std::size_t>(c)]); }, start,
      end, curve.low, curve.high);
  curve.drawn = true;
  return curve;
}

// The panel's grid, both curves with their scales, and the turned titles.
void drawCurvesPicture(QPainter& painter, const CurvesPicture& picture) {
  const QRect& graph = picture.graph;
  const CurvePanel panel = curvePanel(graph);
  QFont font("Arial");
  font.setPixelSize(compactGraph(graph) ? 10 : 11);
  painter.setFont(font);
  drawPanelGrid(painter, graph, panel, picture);
  const DrawnCurve& intensity = picture.curves.intensity;
  if (intensity.drawn) {
    drawPolyline(painter, graph.left(), intensity.points, kIntensityPen);
    drawScaleLabels(painter, graph, panel, "dB", intensity.low, intensity.high, kIntensityLabel, 2);
  }
  const DrawnCurve& f0 = picture.curves.f0;
  if (f0.drawn) {
    drawPolyline(painter, graph.left(), f0.points, kF0Pen);
    drawScaleLabels(painter, graph, panel, "Hz", f0.low, f0.high, kF0Label,
                    painter.fontMetrics().height() + 2);
  }

  const int middle = (panel.top + panel.bottom) / 2;
  font.setPixelSize(compactGraph(graph) ? 12 : 14);
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(kIntensityPen);
  drawTurnedText(painter, graph.left() + 730, middle,
                 displayText(QT_TRANSLATE_NOOP("Display", "Intensity (dB)")), true);
  painter.setPen(kF0Title);
  // "F" with a subscript 0, then " (Hz)", read upwards.
  painter.save();
  painter.translate(graph.left() + 705, middle);
  painter.rotate(-90);
  const QString after = displayText(QT_TRANSLATE_NOOP("Display", " (Hz)"));
  const QFontMetrics metrics = painter.fontMetrics();
  const int width = metrics.horizontalAdvance("F0" + after);
  int x = -width / 2;
  painter.drawText(x, 0, "F");
  x += metrics.horizontalAdvance("F");
  painter.drawText(x, 4, "0");
  x += metrics.horizontalAdvance("0");
  painter.drawText(x, 0, after);
  painter.restore();
}

}  // namespace

CurvePanel curvePanel(const QRect& graph) {
  const int yt = graph.top(), yb = graph.top() + graph.height();
  return {yt + (yb - yt) / 2 + 12, yb + 10};
}

QRect spectrogramPanel(const QRect& graph) {
  const int top = graph.top() - 12;
  // Room for the time labels between the picture and the curves.
  const int height = std::min(175, curvePanel(graph).top - 18 - top);
  return QRect(graph.left(), top, kPlotWidth, height);
}

DrawnCurves drawSpectrogramIntensityF0(QPainter& painter, const QRect& graph,
                                       const DisplayData& data) {
  painter.save();
  SpectrogramCaches* caches = data.spectral.caches;
  if (caches) caches->showSingle();
  drawSpectrogramPicture(painter, spectrogramPanel(graph), data, data.spectral.spectrogram.band,
                         caches ? &caches->single : nullptr, kBandName);
  const CurvePanel panel = curvePanel(graph);
  CurvesPicture picture{graph,
                        data.rangeStartSeconds(),
                        data.rangeSeconds(),
                        data.language,
                        {intensityCurve(graph, panel, data), f0Curve(graph, panel, data)}};
  // The panel, its labels below and left, and the turned titles that may reach past it.
  const int yb = graph.top() + graph.height();
  const QRectF bounds(QPointF(std::min(0, graph.left() - 70), panel.top - 80),
                      QPointF(graph.left() + 760, std::max(panel.bottom, yb + 32) + 80));
  drawCachedLayer(painter, bounds, picture, drawCurvesPicture);
  painter.restore();
  return std::move(picture.curves);
}

}  // namespace sonarel::app
