// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>

#include "app/drawing/contour_grid.h"
#include "app/drawing/display_modes.h"

namespace sonarel::app {
namespace {

// Min and max of the samples in each pixel column of [first, last), the width spanning
// `span` samples (at least last - first; more when the axis is shared with a longer one).
void drawColumns(QPainter& painter, const QRect& area, std::span<const std::int16_t> samples,
                 std::int64_t first, std::int64_t last, double span) {
  if (last <= first || span <= 0) return;
  const double mid = area.top() + area.height() / 2.0;
  const double scale = area.height() / 2.0 / 32768.0;
  for (int x = 0; x < area.width(); ++x) {
    auto a = first + static_cast<std::int64_t>(span * x / area.width());
    auto b = first + static_cast<std::int64_t>(span * (x + 1) / area.width());
    if (a >= last) break;
    a = std::clamp<std::int64_t>(a, 0, static_cast<std::int64_t>(samples.size()));
    b = std::clamp<std::int64_t>(std::max(b, a + 1), 0, static_cast<std::int64_t>(samples.size()));
    if (a >= b) continue;
    const auto [lo, hi] = std::minmax_element(samples.begin() + a, samples.begin() + b);
    painter.drawLine(QPointF(area.left() + x, mid - *hi * scale),
                     QPointF(area.left() + x, mid - *lo * scale));
  }
}

// Grey-scale pages draw the wave in black and the voiced columns in light grey.
QColor waveColour(const DisplayData& data) {
  return data.grayScale ? QColor(Qt::black) : kWaveColour;
}

QColor voicedShade(const DisplayData& data) {
  return data.grayScale ? QColor(225, 225, 225) : kVoicedShade;
}

}  // namespace

void drawAudioSignal(QPainter& painter, const QRect& graph, const DisplayData& data) {
  painter.save();
  painter.setPen(QPen(kGridColour, 1));
  painter.drawRect(graph.adjusted(0, 0, -1, -1));
  painter.drawLine(graph.left(), graph.center().y(), graph.right(), graph.center().y());
  painter.setClipRect(graph);
  painter.setPen(QPen(waveColour(data), 1));
  drawColumns(painter, graph, data.samples, data.range.first, data.range.last,
              data.axisSpanSamples());
  painter.restore();
}

void drawWaveformStrip(QPainter& painter, const QRect& strip, const DisplayData& data) {
  painter.save();
  painter.fillRect(strip, Qt::white);
  if (data.voicing && data.count() > 0) {
    for (int x = 0; x < core::kVoicingColumns && x < strip.width(); ++x) {
      if ((*data.voicing)[x]) {
        painter.fillRect(strip.left() + x, strip.top(), 1, strip.height(), voicedShade(data));
      }
    }
  }
  // The marked stretch is drawn inverted: a dark ground with the waveform in white.
  QRect marked;
  if (!data.selection.empty()) {
    const int left = std::clamp(std::min(data.selection.x1, data.selection.x2), 0, strip.width());
    const int right = std::clamp(std::max(data.selection.x1, data.selection.x2), 0, strip.width());
    marked = QRect(strip.left() + left, strip.top(), right - left, strip.height());
    painter.fillRect(marked, kSelectionGround);
  }
  painter.setPen(QPen(kGridColour, 1));
  painter.drawRect(strip.adjusted(0, 0, -1, -1));
  painter.setClipRect(strip);
  painter.setPen(QPen(waveColour(data), 1));
  drawColumns(painter, strip, data.samples, 0, data.count(), static_cast<double>(data.count()));
  if (!marked.isEmpty()) {
    painter.setClipRect(marked);
    painter.setPen(QPen(Qt::white, 1));
    drawColumns(painter, strip, data.samples, 0, data.count(), static_cast<double>(data.count()));
  }
  painter.restore();
}

QString audioSignalReadout(const QRect& graph, const DisplayData& data, QPoint point) {
  if (!graph.contains(point)) return {};
  const double fromBottom = (graph.bottom() + 1 - point.y()) / static_cast<double>(graph.height());
  return QString::asprintf(
      "%.2f %%   %.2fs", (2 * fromBottom - 1) * 100,
      secondsAt(graph, data.rangeStartSeconds(), data.axisSpanSeconds(), point.x()));
}

}  // namespace sonarel::app
