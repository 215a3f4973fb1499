// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <vector>

#include "app/drawing/contour_grid.h"
#include "app/drawing/device_columns.h"
#include "app/drawing/display_modes.h"

namespace sonarel::app {
namespace {

// Min and max of the samples in each device column of [first, last), the width spanning
// `span` samples (at least last - first; more when the axis is shared with a longer one).
std::shared_ptr<const CurveCache::Columns> waveColumns(const DisplayData& data,
                                                       CurveCache::Slot slot, std::int64_t first,
                                                       std::int64_t last, double span,
                                                       int columns) {
  const CurveCache::Key key{
      data.revision, data.samples.data(), data.samples.size(), first, last, span, columns};
  return cachedColumns(data, slot, key, [&] {
    return core::columnExtremes(data.samples, core::columnStarts(first, last, span, columns, 1.0,
                                                                 core::ColumnEdge::Covering));
  });
}

// One vertical line per column from its lowest to its highest sample, in device pixels where
// the device has them.
void drawColumns(QPainter& painter, const DeviceColumns& space,
                 const CurveCache::Columns& columns) {
  const double mid = space.rect.top() + space.rect.height() / 2.0;
  const double scale = space.rect.height() / 2.0 / 32768.0;
  std::vector<QLineF> lines;
  lines.reserve(columns.size());
  for (std::size_t c = 0; c < columns.size(); ++c) {
    if (columns[c].empty()) continue;
    const double x = space.left + static_cast<double>(c);
    lines.emplace_back(x, mid - columns[c].high * scale, x, mid - columns[c].low * scale);
  }
  painter.save();
  if (space.device) painter.resetTransform();  // the clip stays where it was set
  painter.drawLines(lines.data(), static_cast<int>(lines.size()));
  painter.restore();
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
  if (data.range.last > data.range.first && data.axisSpanSamples() > 0) {
    const DeviceColumns space = deviceColumns(painter, graph);
    drawColumns(painter, space,
                *waveColumns(data, CurveCache::Slot::Signal, data.range.first, data.range.last,
                             data.axisSpanSamples(), space.columns));
  }
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
  const DeviceColumns space = deviceColumns(painter, strip);
  const auto columns = waveColumns(data, CurveCache::Slot::Strip, 0, data.count(),
                                   static_cast<double>(data.count()), space.columns);
  drawColumns(painter, space, *columns);
  if (!marked.isEmpty()) {
    painter.setClipRect(marked);
    painter.setPen(QPen(Qt::white, 1));
    drawColumns(painter, space, *columns);
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
