// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "app/drawing/contour_grid.h"
#include "app/drawing/display_modes.h"

namespace sonarel::app {
namespace {

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

// Draws the polyline or the points, breaking the line at every gap.
void strokeRuns(QPainter& painter, const std::vector<std::vector<QPointF>>& runs, bool line) {
  for (const auto& run : runs) {
    if (line && run.size() > 1) {
      painter.drawPolyline(run.data(), static_cast<int>(run.size()));
    } else {
      for (const QPointF& p : run) painter.drawEllipse(p, 1.2, 1.2);
    }
  }
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
  std::vector<std::vector<QPointF>> runs(1);
  for (std::int32_t i = 0; i < data.f0->frameCount(); ++i) {
    const double sample = i * perFrame;
    const float hz = data.f0->values[static_cast<std::size_t>(i)];
    const bool shown = hz > 0 && sample >= data.range.first && sample < data.range.last &&
                       hz >= s.minPitch && hz <= s.maxPitch && aboveSilence(data, sample);
    if (!shown) {
      if (!runs.back().empty()) runs.emplace_back();
      continue;
    }
    runs.back().emplace_back(sampleToX(graph, data, sample), f0Scale(graph, data).y(hz));
    ++drawn.points;
  }
  painter.save();
  painter.setClipRect(graph);
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setPen(QPen(kF0Colour, s.line ? 2.0 : 1.0));
  painter.setBrush(kF0Colour);
  strokeRuns(painter, runs, s.line);
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
  // One value per pixel column: the loudest frame that starts inside it.
  const double perFrame = static_cast<double>(data.count()) / data.intensity->frameCount();
  const double span = data.axisSpanSamples();
  std::vector<QPointF> line;
  line.reserve(static_cast<std::size_t>(graph.width()));
  for (int x = 0; x < graph.width(); ++x) {
    const double from = data.range.first + span * x / graph.width();
    if (from >= static_cast<double>(data.range.last)) break;  // a shared axis runs on
    const double to = data.range.first + span * (x + 1) / graph.width();
    auto a = static_cast<std::int64_t>(std::ceil(from / perFrame));
    auto b = static_cast<std::int64_t>(std::ceil(to / perFrame));
    a = std::clamp<std::int64_t>(a, 0, data.intensity->frameCount() - 1);
    b = std::clamp<std::int64_t>(std::max(b, a + 1), 0, data.intensity->frameCount());
    const auto& v = data.intensity->values;
    const float loudest = *std::max_element(v.begin() + a, v.begin() + b);
    line.emplace_back(graph.left() + x + 0.5, intensityScale(graph, data).y(loudest));
    ++drawn.points;
  }
  painter.save();
  painter.setClipRect(graph);
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setPen(QPen(kIntensityColour, 1.5));
  painter.drawPolyline(line.data(), static_cast<int>(line.size()));
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
