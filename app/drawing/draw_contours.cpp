#include <QCoreApplication>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "app/drawing/contour_grid.h"
#include "app/drawing/display_modes.h"

namespace sonarel::app {
namespace {

double sampleToX(const QRect& graph, const DisplayData& data, double sample) {
  const double span = static_cast<double>(data.range.last - data.range.first);
  return graph.left() + (sample - data.range.first) / span * graph.width();
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

}  // namespace

DrawnContour drawF0Contour(QPainter& painter, const QRect& graph, const DisplayData& data) {
  const F0Display& s = data.f0Display;
  drawContourGrid(painter, graph,
                  {s.minPitch, s.maxPitch, "Hz", QCoreApplication::translate("Display", "F0 (Hz)")},
                  data.rangeStartSeconds(), data.rangeSeconds());
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
    runs.back().emplace_back(sampleToX(graph, data, sample),
                             valueToY(graph, hz, s.minPitch, s.maxPitch));
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
      data.rangeStartSeconds(), data.rangeSeconds());
  DrawnContour drawn;
  if (!data.intensity || data.intensity->frameCount() == 0 || data.range.last <= data.range.first) {
    return drawn;
  }
  // One value per pixel column: the loudest frame that starts inside it.
  const double perFrame = static_cast<double>(data.count()) / data.intensity->frameCount();
  const double span = static_cast<double>(data.range.last - data.range.first);
  std::vector<QPointF> line;
  line.reserve(static_cast<std::size_t>(graph.width()));
  for (int x = 0; x < graph.width(); ++x) {
    const double from = data.range.first + span * x / graph.width();
    const double to = data.range.first + span * (x + 1) / graph.width();
    auto a = static_cast<std::int64_t>(std::ceil(from / perFrame));
    auto b = static_cast<std::int64_t>(std::ceil(to / perFrame));
    a = std::clamp<std::int64_t>(a, 0, data.intensity->frameCount() - 1);
    b = std::clamp<std::int64_t>(std::max(b, a + 1), 0, data.intensity->frameCount());
    const auto& v = data.intensity->values;
    const float loudest = *std::max_element(v.begin() + a, v.begin() + b);
    line.emplace_back(graph.left() + x + 0.5, valueToY(graph, loudest, s.lowLimit, s.highLimit));
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

void drawF0AndIntensity(QPainter& painter, const QRect& graph, const DisplayData& data) {
  const int gap = 28;
  const int half = (graph.height() - gap) / 2;
  drawF0Contour(painter, QRect(graph.left(), graph.top(), graph.width(), half), data);
  drawIntensityContour(painter, QRect(graph.left(), graph.top() + half + gap, graph.width(), half),
                       data);
}

}  // namespace sonarel::app
