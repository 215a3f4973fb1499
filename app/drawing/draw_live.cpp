// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <cmath>

#include "app/drawing/display_modes.h"
#include "app/drawing/live_drawing.h"
#include "app/drawing/spectral_drawing.h"

namespace sonarel::app {

DisplayData liveWhole(const DisplayData& data) {
  DisplayData whole = data;
  whole.range = {0, data.count()};
  whole.selection = {};
  whole.spectral.progressive = false;
  return whole;
}

DisplayData liveBlank(const DisplayData& data) {
  DisplayData blank = liveWhole(data);
  // The frames, scales and time labels stay (they read the range and the rate only).
  blank.samples = {};
  blank.f0 = nullptr;
  blank.voicing = nullptr;
  blank.intensity = nullptr;
  blank.intensityColumns = nullptr;
  blank.formants = nullptr;
  blank.spectral.caches = nullptr;
  blank.spectral.powerLevels = nullptr;
  blank.spectral.lpcLevels = nullptr;
  return blank;
}

QRect uncoveredArea(const QRect& graph, int column) {
  if (column < 0) return {};
  return QRect(graph.left(), graph.top() - 4, std::min(column + 1, graph.width()) + 1,
               graph.height() + 8);
}

void drawUncovered(QPainter& painter, const QRect& graph, const DisplayData& data, PlainDraw draw,
                   bool evenOnly) {
  draw(painter, graph, liveBlank(data));
  const int column = evenOnly ? evenColumn(data.liveColumn) : data.liveColumn;
  if (column < 0) return;
  painter.save();
  painter.setClipRect(uncoveredArea(graph, column));
  // What the blank drew under the uncovered part is drawn over with the full picture.
  painter.fillRect(uncoveredArea(graph, column), Qt::white);
  draw(painter, graph, liveWhole(data));
  painter.restore();
}

namespace {

const std::vector<float>* spectrumAt(const DisplayData& data) {
  return data.liveSpectra ? data.liveSpectra->at(data.liveColumn) : nullptr;
}

}  // namespace

void drawLiveLpc(QPainter& painter, const QRect& graph, const DisplayData& data) {
  DisplayData shown = liveBlank(data);
  shown.samples = data.samples;
  shown.spectral.lpcLevels = spectrumAt(data);
  drawLpcSpectrum(painter, graph, shown);
}

void drawLivePower(QPainter& painter, const QRect& graph, const DisplayData& data) {
  DisplayData shown = liveBlank(data);
  shown.samples = data.samples;
  shown.spectral.powerLevels = spectrumAt(data);
  drawPowerSpectrum(painter, graph, shown);
}

void drawLiveVowelSpace(QPainter& painter, const QRect& graph, const DisplayData& data) {
  DisplayData shown = liveWhole(data);
  if (data.liveColumn < 0) {
    shown.formants = nullptr;
  } else {
    // The stretch of the column's moment: exactly the voicing column under the cursor.
    const double n = static_cast<double>(data.count());
    const int c = data.liveColumn;
    shown.range = {static_cast<std::int64_t>(std::ceil(c * n / kGraphWidth)),
                   static_cast<std::int64_t>(std::floor((c + 1) * n / kGraphWidth))};
  }
  drawVowelSpace(painter, graph, shown);
}

void drawLiveCursor(QPainter& painter, const QRect& strip, int column) {
  if (column < 0) return;
  painter.save();
  painter.setPen(QPen(kLiveCursorColour, 1));
  const int x = strip.left() + column;
  painter.drawLine(x, strip.top() + 1, x, strip.bottom() - 1);
  painter.restore();
}

}  // namespace sonarel::app
