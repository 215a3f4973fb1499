// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <limits>
#include <span>
#include <utility>
#include <vector>

#include "app/drawing/contour_grid.h"
#include "app/drawing/device_columns.h"
#include "app/drawing/display_modes.h"
#include "app/drawing/polyline_pieces.h"

namespace sonarel::app {
namespace {

constexpr double kGap = std::numeric_limits<double>::quiet_NaN();

double sampleToX(const QRect& graph, const DisplayData& data, double sample) {
  return graph.left() + (sample - data.range.first) / data.axisSpanSamples() * graph.width();
}

// Whether the intensity column under `sample` is loud enough for an F0 point to be shown.
bool aboveSilence(const DisplayData& data, double sample) {
  if (data.f0Display.silenceThreshold <= 0) return true;
  if (!data.intensityColumns || data.count() <= 0) return true;
  const double perColumn = static_cast<double>(data.count()) / core::kIntensityColumns;
  const int column =
      std::clamp(static_cast<int>(sample / perColumn), 0, core::kIntensityColumns - 1);
  return (*data.intensityColumns)[column] >= data.f0Display.silenceThreshold;
}

// Draws the polyline or the points, breaking the line at every gap (a NaN y).
void strokeRuns(QPainter& painter, std::span<const core::CurvePoint> points, bool line) {
  std::vector<QPointF> run;
  const auto stroke = [&] {
    if (line && run.size() > 1) {
      drawPolylineInPieces(painter, run);
    } else {
      for (const QPointF& p : run) painter.drawEllipse(p, 1.2, 1.2);
    }
    run.clear();
  };
  for (const core::CurvePoint& point : points) {
    if (point.gap()) {
      stroke();
    } else {
      run.emplace_back(point.x, point.y);
    }
  }
  stroke();
}

// The extremes of the intensity frames that start in each of `columns` columns across the
// axis; a column narrower than the frame step takes the next frame (the last one at the end
// of the recording).
std::shared_ptr<const CurveCache::Columns> loudestFrames(const DisplayData& data, int columns) {
  const core::IntensityContour& contour = *data.intensity;
  const CurveCache::Key key{data.revision,    contour.values.data(), contour.values.size(),
                            data.range.first, data.range.last,       data.axisSpanSamples(),
                            columns};
  return cachedColumns(data, CurveCache::Slot::Intensity, key, [&] {
    const double perFrame = static_cast<double>(data.count()) / contour.frameCount();
    auto reduced = core::columnExtremes(
        contour.values,
        core::columnStarts(data.range.first, data.range.last, data.axisSpanSamples(), columns,
                           perFrame, core::ColumnEdge::Following));
    const float last = contour.values.back();
    for (core::ColumnExtremes& column : reduced) {
      if (column.empty()) column = {last, last};
    }
    return reduced;
  });
}

ValueScale f0Scale(const QRect& graph, const DisplayData& data) {
  return {graph, static_cast<double>(data.f0Display.minPitch),
          static_cast<double>(data.f0Display.maxPitch)};
}

ValueScale intensityScale(const QRect& graph, const DisplayData& data) {
  return {graph, static_cast<double>(data.intensityDisplay.lowLimit),
          static_cast<double>(data.intensityDisplay.highLimit)};
}

}  // namespace

DrawnContour drawF0Contour(QPainter& painter, const QRect& graph, const DisplayData& data) {
  const F0Display& s = data.f0Display;
  drawContourGrid(painter, graph,
                  {s.minPitch, s.maxPitch, "Hz", QCoreApplication::translate("Display", "F0 (Hz)")},
                  data.rangeStartSeconds(), data.axisSpanSeconds());
  DrawnContour drawn;
  if (!data.f0 || data.f0->frameCount() == 0 || data.range.last <= data.range.first) return drawn;

  const double perFrame = static_cast<double>(data.count()) / data.f0->frameCount();
  const ValueScale scale = f0Scale(graph, data);
  std::vector<core::CurvePoint> points;
  points.reserve(static_cast<std::size_t>(data.f0->frameCount()));
  for (std::int32_t i = 0; i < data.f0->frameCount(); ++i) {
    const double sample = i * perFrame;
    const float hz = data.f0->values[static_cast<std::size_t>(i)];
    const bool shown = hz > 0 && sample >= data.range.first && sample < data.range.last &&
                       hz >= s.minPitch && hz <= s.maxPitch && aboveSilence(data, sample);
    if (!shown) {
      if (!points.empty() && !points.back().gap()) points.push_back({0, kGap});
      continue;
    }
    points.push_back({sampleToX(graph, data, sample), scale.y(hz)});
    ++drawn.points;
  }
  // Thousands of frames across the graph's columns: on a device with pixels only what the
  // line or the dots cover of each pixel is drawn.
  const DeviceColumns space = deviceColumns(painter, graph);
  if (space.device) {
    points = s.line ? core::thinCurve(points, space.grid()) : core::thinDots(points, space.grid());
  }
  constexpr double kLineWidth = 2.0;
  painter.save();
  painter.setClipRect(graph);
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setPen(QPen(kF0Colour, s.line ? kLineWidth : 1.0));
  painter.setBrush(kF0Colour);
  if (s.line && space.device && space.toDevice.m11() > 1) {
    // Scaled up, the pen is several device pixels wide: one span per device column.
    const auto [low, high] = columnCover(points, space);
    drawColumnSpans(painter, space.left, low, high, kLineWidth / 2 * space.toDevice.m11());
  } else {
    strokeRuns(painter, points, s.line);
  }
  painter.restore();
  return drawn;
}

DrawnContour drawIntensityContour(QPainter& painter, const QRect& graph, const DisplayData& data) {
  const IntensityDisplay& s = data.intensityDisplay;
  drawContourGrid(
      painter, graph,
      {s.lowLimit, s.highLimit, "dB", QCoreApplication::translate("Display", "Intensity (dB)")},
      data.rangeStartSeconds(), data.axisSpanSeconds());
  DrawnContour drawn;
  if (!data.intensity || data.intensity->frameCount() == 0 || data.range.last <= data.range.first) {
    return drawn;
  }
  // One value per device column: the loudest frame that starts inside it.
  const DeviceColumns space = deviceColumns(painter, graph);
  const auto loudest = loudestFrames(data, space.columns);
  const ValueScale scale = intensityScale(graph, data);
  std::vector<QPointF> line;
  line.reserve(loudest->size());
  for (std::size_t c = 0; c < loudest->size(); ++c) {
    line.emplace_back(space.logicalCentre(static_cast<int>(c)), scale.y((*loudest)[c].high));
    ++drawn.points;
  }
  painter.save();
  painter.setClipRect(graph);
  painter.setRenderHint(QPainter::Antialiasing, true);
  constexpr double kWidth = 1.5;
  painter.setPen(QPen(kIntensityColour, kWidth));
  if (space.device && space.toDevice.m11() > 1) {
    // Scaled up, the pen is several device pixels wide: one span per device column.
    std::vector<double> rows(line.size());
    for (std::size_t c = 0; c < line.size(); ++c) rows[c] = space.toDevice.map(line[c]).y();
    drawColumnLine(painter, space.left, rows, kWidth / 2 * space.toDevice.m11());
  } else {
    drawPolylineInPieces(painter, line);
  }
  painter.restore();
  return drawn;
}

namespace {

// The two graphs of mode 8: F0 above, intensity below, 28 pixels apart.
struct ContourPanels {
  QRect f0, intensity;
};

ContourPanels contourPanels(const QRect& graph) {
  const int gap = 28;
  const int half = (graph.height() - gap) / 2;
  return {QRect(graph.left(), graph.top(), graph.width(), half),
          QRect(graph.left(), graph.top() + half + gap, graph.width(), half)};
}

double pointerSeconds(const QRect& graph, const DisplayData& data, QPoint point) {
  return secondsAt(graph, data.rangeStartSeconds(), data.axisSpanSeconds(), point.x());
}

}  // namespace

void drawF0AndIntensity(QPainter& painter, const QRect& graph, const DisplayData& data) {
  const ContourPanels panels = contourPanels(graph);
  drawF0Contour(painter, panels.f0, data);
  drawIntensityContour(painter, panels.intensity, data);
}

QString f0Readout(const QRect& graph, const DisplayData& data, QPoint point) {
  if (!graph.contains(point)) return {};
  return QString::asprintf("%.2f Hz   %.2fs", f0Scale(graph, data).valueAt(point.y()),
                           pointerSeconds(graph, data, point));
}

QString intensityReadout(const QRect& graph, const DisplayData& data, QPoint point) {
  if (!graph.contains(point)) return {};
  return QString::asprintf("%.2f dB   %.2fs", intensityScale(graph, data).valueAt(point.y()),
                           pointerSeconds(graph, data, point));
}

QString f0AndIntensityReadout(const QRect& graph, const DisplayData& data, QPoint point) {
  if (!graph.contains(point)) return {};
  const ContourPanels panels = contourPanels(graph);
  return QString::asprintf("F0: %.2fHz  Int: %.2fdB %.2fs",
                           std::max(0.0, f0Scale(panels.f0, data).valueAt(point.y())),
                           std::max(0.0, intensityScale(panels.intensity, data).valueAt(point.y())),
                           pointerSeconds(graph, data, point));
}

}  // namespace sonarel::app
