// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>
#include <algorithm>

#include "app/drawing/contour_grid.h"
#include "app/drawing/display_modes.h"
#include "app/drawing/statistics_text.h"

namespace sonarel::app {
namespace {

QString displayText(const char* text) {
  return QCoreApplication::translate("Display", text);
}

// "F" with a subscript 0, after `label`: the statistics panel's F0 labels.
int drawF0Label(QPainter& painter, int x, int baseline, const QString& label) {
  const QFontMetrics metrics = painter.fontMetrics();
  const QString text = label + "F";
  painter.drawText(x, baseline, text);
  int after = x + metrics.horizontalAdvance(text);
  QFont small = painter.font();
  if (small.pixelSize() > 0) {
    small.setPixelSize(std::max(6, small.pixelSize() * 7 / 10));
  } else {
    small.setPointSizeF(small.pointSizeF() * 0.7);
  }
  painter.save();
  painter.setFont(small);
  painter.drawText(after, baseline + metrics.descent(), "0");
  after += QFontMetrics(small).horizontalAdvance("0");
  painter.restore();
  painter.drawText(after, baseline, ":");
  return after + metrics.horizontalAdvance(": ");
}

}  // namespace

void drawHistogram(QPainter& painter, const QRect& graph, const DisplayData& data) {
  painter.save();
  painter.setPen(QPen(kGridColour, 1));
  painter.drawRect(graph.adjusted(0, 0, -1, -1));
  painter.setPen(Qt::black);
  painter.drawText(QRect(graph.left(), graph.top() - 22, graph.width(), 20), Qt::AlignCenter,
                   displayText(QT_TRANSLATE_NOOP("Display", "Histogram (F0)")));
  if (!data.histogram || data.histogram->maxF0 <= 0) {
    painter.restore();
    return;
  }
  const core::F0Histogram& h = *data.histogram;
  const float highest = std::max(1.0f, *std::max_element(h.bins.begin(), h.bins.end()));
  const double barWidth = graph.width() / static_cast<double>(core::kHistogramBins);
  for (int i = 0; i < core::kHistogramBins; ++i) {
    const double height = h.bins[i] / highest * (graph.height() - 10);
    const QRectF bar(graph.left() + i * barWidth + 2, graph.bottom() + 1 - height, barWidth - 4,
                     height);
    painter.fillRect(bar, kF0Colour);
  }
  // Edges of the bins along the bottom, every fourth one.
  const double width = (h.maxF0 - h.minF0) / 19.0;
  for (int j = 0; j <= core::kHistogramBins; j += 4) {
    const double x = graph.left() + j * barWidth;
    painter.drawText(QRectF(x - 40, graph.bottom() + 4, 80, 16), Qt::AlignHCenter,
                     QString::asprintf("%.0f Hz", h.minF0 + j * width));
  }
  painter.drawText(QRect(graph.left() - 78, graph.top(), 72, 16), Qt::AlignRight,
                   QString::number(static_cast<int>(highest)));
  painter.drawText(QRect(graph.left() - 78, graph.bottom() - 16, 72, 16), Qt::AlignRight, "0");
  painter.restore();
}

void drawStatisticsPanel(QPainter& painter, const QRect& graph, const DisplayData& data) {
  painter.save();
  // A low graph (small screens) takes most of the gap above the strip too, and its lines
  // close up, so that all 16 rows stay inside the frame.
  const QRect frame =
      graph.height() < kLeastGraphHeight ? graph.adjusted(0, 0, 0, kStripGap - 10) : graph;
  painter.setPen(QPen(kGridColour, 1));
  painter.drawRect(frame.adjusted(0, 0, -1, -1));
  painter.setPen(Qt::black);
  if (!data.statistics) {
    painter.restore();
    return;
  }
  const core::StatisticsReport& r = *data.statistics;
  const core::VoiceStatistics& s = r.statistics;
  const double rate = r.sampleRate ? r.sampleRate : 1.0;
  // Two recordings one above the other leave a graph too low for one column of rows: the
  // rows keep a readable height and go on in a second column. Otherwise the last baseline
  // lies 16.5 lines and 10 pixels below the top, and 6 more for its descent.
  const bool twoColumns = graph.height() < 200;
  const int line = twoColumns ? 14 : std::min(22, (frame.height() - 16) * 2 / 33);
  if (line < 16 && !twoColumns) {
    QFont small = painter.font();
    small.setPixelSize(std::max(9, line - 4));
    painter.setFont(small);
  }
  int left = frame.left() + 30;
  const int valueRight = frame.right() - 8;
  int y = frame.top() + line + 4;

  QFont bold = painter.font();
  bold.setBold(true);
  painter.setFont(bold);
  painter.drawText(left, y, displayText(QT_TRANSLATE_NOOP("Display", "Statistics")));
  QFont plain = bold;
  plain.setBold(false);
  painter.setFont(plain);
  painter.drawText(
      left +
          painter.fontMetrics().horizontalAdvance(
              displayText(QT_TRANSLATE_NOOP("Display", "Statistics"))) +
          30,
      y,
      QString::asprintf(
          displayText(QT_TRANSLATE_NOOP("Display", "(from %.2fs to %.2fs)")).toUtf8().constData(),
          r.range.first / rate, r.range.last / rate));
  y += line + 6;
  // A graph too low for one column (two recordings one above the other) goes on in a
  // second one, which starts a row lower: the first row's modes run long.
  const int secondColumnTop = y + line;
  const auto wrap = [&] {
    if (y > frame.bottom() - 4 && left < graph.left() + 300) {
      left = graph.left() + 370;
      y = secondColumnTop;
    }
  };
  const auto f0Row = [&](const char* label, const QString& value) {
    wrap();
    const int x = std::max(drawF0Label(painter, left, y, displayText(label)), left + 230);
    painter.drawText(x, y, painter.fontMetrics().elidedText(value, Qt::ElideRight, valueRight - x));
    y += line;
  };
  f0Row(QT_TRANSLATE_NOOP("Display", "Mode "), f0ModesText(s));
  f0Row(QT_TRANSLATE_NOOP("Display", "Average "), QString::asprintf("%.2f Hz", s.meanF0));
  f0Row(QT_TRANSLATE_NOOP("Display", "Min "), QString::asprintf("%.2f Hz", s.minF0));
  f0Row(QT_TRANSLATE_NOOP("Display", "Max "), QString::asprintf("%.2f Hz", s.maxF0));
  f0Row(QT_TRANSLATE_NOOP("Display", "SD "), QString::asprintf("%.2f Hz", s.sdF0));
  y += line / 2;
  const auto row = [&](const char* label, const QString& value) {
    wrap();
    painter.drawText(left, y, displayText(label));
    painter.drawText(left + 230, y, value);
    y += line;
  };
  row(QT_TRANSLATE_NOOP("Display", "Average  Intensity:"),
      QString::asprintf("%.2f dB", s.meanIntensity));
  row(QT_TRANSLATE_NOOP("Display", "Min. Intensity:"),
      QString::asprintf("%.2f dB", s.minIntensity));
  row(QT_TRANSLATE_NOOP("Display", "Max. Intensity:"),
      QString::asprintf("%.2f dB", s.maxIntensity));
  row(QT_TRANSLATE_NOOP("Display", "SD Intensity:"), QString::asprintf("%.2f dB", s.sdIntensity));
  y += line / 2;
  row(QT_TRANSLATE_NOOP("Display", "Percent Voiced Time: "),
      QString::asprintf("%.2f%%", 100 * r.shares.voiced));
  row(QT_TRANSLATE_NOOP("Display", "Percent Voiceless Time: "),
      QString::asprintf("%.2f%%", 100 * (1 - r.shares.voiced)));
  row(QT_TRANSLATE_NOOP("Display", "Percent Speech Time:"),
      QString::asprintf("%.2f%%", 100 * r.shares.speech));
  row(QT_TRANSLATE_NOOP("Display", "Percent Silence Time:"),
      QString::asprintf("%.2f%%", 100 * (1 - r.shares.speech)));
  y += line / 2;
  const int x =
      drawF0Label(painter, left, y, displayText(QT_TRANSLATE_NOOP("Display", "Variability ")));
  painter.drawText(
      std::max(x, left + 150), y,
      QString::asprintf("%.2f Hz  ", s.maxF0 - s.minF0) +
          QString::asprintf(
              displayText(QT_TRANSLATE_NOOP("Display", "%d semitone")).toUtf8().constData(),
              core::roundedSemitones(s.semitoneRange)));
  painter.restore();
}

}  // namespace sonarel::app
