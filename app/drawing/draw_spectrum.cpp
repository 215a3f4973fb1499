// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>
#include <algorithm>
#include <cmath>

#include "app/drawing/contour_grid.h"
#include "app/drawing/spectral_drawing.h"

namespace sonarel::app {
namespace {

QFont axisFont(const QPainter& painter) {
  QFont font = painter.font();
  font.setFamily("Arial");
  font.setPixelSize(12);
  return font;
}

void dottedGridPen(QPainter& painter) {
  painter.setPen(QPen(kGridColour, 1, Qt::DotLine));
}

// Levels -10 to 90 dB up the left edge and the frequency labels under the graph. Beside a
// comparison the last label (the Nyquist frequency) is left out.
void drawSpectrumAxes(QPainter& painter, const QRect& graph, std::uint32_t rate,
                      bool besideComparison) {
  const int left = graph.left();
  const int bottom = graph.top() + graph.height();
  const int height = graph.height();
  painter.setPen(QPen(kGridColour, 1));
  painter.drawRect(graph.adjusted(0, 0, -1, -1));
  for (int i = 0; i <= 10; ++i) {
    const int y = bottom - i * (height / 10);
    if (i > 0) {
      dottedGridPen(painter);
      painter.drawLine(left, y, left + kGraphWidth, y);
    }
    painter.setPen(Qt::black);
    painter.drawText(QRect(left - 60, y - 8, 54, 16), Qt::AlignRight | Qt::AlignVCenter,
                     QString::asprintf("%.2d dB", -10 + 10 * i));
  }
  const double nyquistKhz = rate / 2000.0;
  const int step = static_cast<int>(nyquistKhz / 5.5);
  for (int i = 0; i <= 6; ++i) {
    const int x = i < 6 ? left + static_cast<int>(i * 680 / 5.5) : left + kGraphWidth;
    const double value = i < 6 ? i * step : nyquistKhz;
    if (i > 0) {
      dottedGridPen(painter);
      painter.drawLine(x, graph.top(), x, bottom);
    }
    if (i == 6 && besideComparison) continue;
    painter.setPen(Qt::black);
    painter.drawText(QRect(x - 40, bottom + 3, 80, 16), Qt::AlignHCenter | Qt::AlignTop,
                     QString::asprintf("%.1f kHz", value));
  }
}

// The title written upwards at x = left + 710, in coloured pieces.
void drawSpectrumTitle(QPainter& painter, const QRect& graph,
                       const std::vector<std::pair<QString, QColor>>& pieces) {
  painter.save();
  const QFontMetrics metrics = painter.fontMetrics();
  int width = 0;
  for (const auto& piece : pieces) width += metrics.horizontalAdvance(piece.first);
  painter.translate(graph.left() + 710 + metrics.ascent() / 2, graph.center().y());
  painter.rotate(-90);
  int x = -width / 2;
  for (const auto& [text, colour] : pieces) {
    painter.setPen(colour);
    painter.drawText(x, 0, text);
    x += metrics.horizontalAdvance(text);
  }
  painter.restore();
}

void drawPowerCurve(QPainter& painter, const QRect& graph, const DisplayData& data) {
  const std::vector<float>* levels = data.spectral.powerLevels;
  if (!levels) return;
  const int half = static_cast<int>(levels->size() / 2);
  if (half < 2) return;
  QPolygon curve;
  for (int k = 0; k < half; ++k) {
    const int x = static_cast<int>(graph.left() + k * 680.0 / half + 1);
    curve << QPoint(x, spectrumLevelToY(graph, (*levels)[static_cast<std::size_t>(k)]));
  }
  painter.setPen(QPen(kPowerColour, 1));
  painter.drawPolyline(curve);
}

void drawLpcCurve(QPainter& painter, const QRect& graph, const DisplayData& data) {
  const std::vector<float>* levels = data.spectral.lpcLevels;
  if (!levels) return;
  QPolygon curve;
  for (std::size_t i = 0; i < levels->size(); ++i)
    curve << QPoint(graph.left() + static_cast<int>(i) + 1, spectrumLevelToY(graph, (*levels)[i]));
  painter.setPen(QPen(kLpcColour, 1));
  painter.drawPolyline(curve);
}

QString displayText(const char* text) {
  return QCoreApplication::translate("Display", text);
}

}  // namespace

int spectrumLevelToY(const QRect& graph, double level) {
  const int bottom = graph.top() + graph.height();
  const int height = graph.height();
  const int y = static_cast<int>(bottom - height / 11 - height * level / 100.0);
  return std::clamp(y, graph.top(), bottom - 1);
}

double spectrumYToLevel(const QRect& graph, int y) {
  const int bottom = graph.top() + graph.height();
  return (bottom - graph.height() / 11 - y) * 100.0 / graph.height();
}

void drawPowerSpectrum(QPainter& painter, const QRect& graph, const DisplayData& data) {
  painter.save();
  painter.setFont(axisFont(painter));
  drawSpectrumAxes(painter, graph, data.sampleRate, data.besideComparison);
  drawPowerCurve(painter, graph, data);
  drawSpectrumTitle(painter, graph,
                    {{displayText(QT_TRANSLATE_NOOP("Display", "Power Spectrum")), kPowerColour}});
  painter.restore();
}

void drawLpcSpectrum(QPainter& painter, const QRect& graph, const DisplayData& data) {
  painter.save();
  painter.setFont(axisFont(painter));
  drawSpectrumAxes(painter, graph, data.sampleRate, data.besideComparison);
  drawLpcCurve(painter, graph, data);
  drawSpectrumTitle(painter, graph,
                    {{displayText(QT_TRANSLATE_NOOP("Display", "LPC Spectrum")), kLpcColour}});
  painter.restore();
}

void drawPowerAndLpc(QPainter& painter, const QRect& graph, const DisplayData& data) {
  painter.save();
  painter.setFont(axisFont(painter));
  drawSpectrumAxes(painter, graph, data.sampleRate, data.besideComparison);
  drawPowerCurve(painter, graph, data);
  drawLpcCurve(painter, graph, data);
  drawSpectrumTitle(painter, graph,
                    {{displayText(QT_TRANSLATE_NOOP("Display", "Power Spectrum")), kPowerColour},
                     {displayText(QT_TRANSLATE_NOOP("Display", " and ")), Qt::black},
                     {displayText(QT_TRANSLATE_NOOP("Display", "LPC")), kLpcColour}});
  painter.restore();
}

void drawFrameSpectrum(QPainter& painter, const std::vector<float>* levels, std::uint32_t rate,
                       double percent) {
  constexpr int kLeft = 25, kWidth = 256, kBottom = 142;
  painter.save();
  QFont font = painter.font();
  font.setFamily("Arial");
  font.setPixelSize(9);
  painter.setFont(font);
  painter.setPen(QPen(kGridColour, 1));
  painter.drawRect(kLeft, kBottom - 140, kWidth, 140);
  for (int i = 0; i <= 10; ++i) {
    const int y = kBottom - 14 * i;
    painter.setPen(Qt::black);
    painter.drawText(QRect(kLeft - 48, y - 6, 46, 12), Qt::AlignRight | Qt::AlignVCenter,
                     QString::asprintf("%.2d dB", -10 + 10 * i));
  }
  const int step = static_cast<int>(rate / 2000.0 / 5.5);
  for (int i = 0; i <= 5; ++i) {
    const int x = static_cast<int>(kLeft + i * kWidth / 5.5);
    painter.drawText(QRect(x - 24, kBottom + 2, 48, 12), Qt::AlignHCenter,
                     QString::asprintf("%.1f kHz", static_cast<double>(i * step)));
  }
  if (levels && levels->size() >= 2) {
    const QRect graph(kLeft, kBottom - 140, kWidth, 140);
    const double perBin = static_cast<double>(kWidth) / static_cast<double>(levels->size());
    QPolygon curve;
    for (std::size_t k = 0; k < levels->size(); ++k)
      curve << QPoint(static_cast<int>(kLeft + k * perBin), spectrumLevelToY(graph, (*levels)[k]));
    painter.setPen(QPen(kPowerColour, 1));
    painter.drawPolyline(curve);
  }
  const int marker = static_cast<int>(kLeft + (percent + 1) * kWidth / 100.0);
  painter.setPen(QPen(kLpcColour, 1));
  painter.drawLine(marker, kBottom - 140, marker, kBottom);
  painter.restore();
}

QString spectrumReadout(const QRect& graph, const DisplayData& data, QPoint point) {
  if (!graph.contains(point)) return {};
  return QString::asprintf("%.2f dB   %.2f kHz", spectrumYToLevel(graph, point.y()),
                           (point.x() - graph.left()) / 680.0 * data.sampleRate / 2000.0);
}

}  // namespace sonarel::app
