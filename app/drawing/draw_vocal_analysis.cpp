// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>
#include <algorithm>
#include <cmath>

#include "app/drawing/quality_drawing.h"
#include "app/drawing/statistics_text.h"
#include "app/translated_text.h"
#include "quality/quality_gauges.h"

namespace sonarel::app {
namespace {

constexpr int kKorean = 2;

QString displayText(const char* text) {
  return QCoreApplication::translate("Display", text);
}

QFont fontOf(const char* family, int pixels, bool bold) {
  QFont font(family);
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

void drawTextAt(QPainter& painter, int x, int top, const QString& text) {
  painter.drawText(x, top + painter.fontMetrics().ascent(), text);
}

void drawCentredAt(QPainter& painter, int centreX, int top, const QString& text) {
  drawTextAt(painter, centreX - painter.fontMetrics().horizontalAdvance(text) / 2, top, text);
}

// "<label>F" with a subscript 0 and ":": the 0 smaller and 5 pixels lower (3 in the compact
// layout), and as far again to the right in Korean.
void drawF0Label(QPainter& painter, int x, int top, const QString& label, int language,
                 bool compact) {
  const QString text = label + "F";
  drawTextAt(painter, x, top, text);
  const int shift = compact ? 3 : 5;
  int after = x + painter.fontMetrics().horizontalAdvance(text) + (language == kKorean ? shift : 0);
  const int baseline = top + painter.fontMetrics().ascent();
  painter.save();
  QFont small = painter.font();
  small.setPixelSize(std::max(6, small.pixelSize() * 7 / 10));
  painter.setFont(small);
  painter.drawText(after, baseline + shift, "0");
  after += painter.fontMetrics().horizontalAdvance("0");
  painter.restore();
  drawTextAt(painter, after, top, ":");
}

QString gaugeLabel(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

double gaugeValue(quality::Gauge gauge, const quality::QualityAverages& a) {
  switch (gauge) {
    case quality::Gauge::Gne:
      return a.gne;
    case quality::Gauge::Noise:
      return a.noise;
    case quality::Gauge::Irregularity:
      return a.irregularity;
    case quality::Gauge::Jitter:
      return a.jitter;
    case quality::Gauge::Shimmer:
      break;
  }
  return a.shimmer;
}

}  // namespace

int reportRow(const QRect& graph, int offset) {
  if (!compactGraph(graph)) return graph.top() + offset;
  return graph.top() + offset * graph.height() / kNormalGraphHeight;
}

std::vector<DrawnGauge> drawQualityGauges(QPainter& painter, const QRect& graph,
                                          const quality::QualityAverages& averages) {
  std::vector<DrawnGauge> drawn;
  const int x0 = graph.left();
  painter.save();
  // Small enough that a gauge's scale labels clear the "Normal" over the gauge below it.
  painter.setFont(fontOf("Arial", compactGraph(graph) ? 9 : 10, true));
  for (const quality::GaugeLayout& g : quality::gaugeLayouts()) {
    const int top = reportRow(graph, g.top);
    const int height = g.bottom - g.top;
    const QRect outline(QPoint(x0 + g.left, top), QPoint(x0 + g.right, top + height));
    const int left = outline.left(), right = outline.right();
    const int width = right - left;
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(outline);

    const int limitX = left + static_cast<int>(width * g.limit / g.fullScale);
    const int labelTop = outline.bottom() + 2;
    drawTextAt(painter, left - 7, labelTop, gaugeLabel(g.labels[0]));
    drawTextAt(painter, limitX - 7, labelTop, gaugeLabel(g.labels[1]));
    drawTextAt(painter, right - 7, labelTop, gaugeLabel(g.labels[2]));

    const quality::GaugeBar bar = quality::gaugeBar(g.gauge, gaugeValue(g.gauge, averages));
    const quality::Rgb rgb = quality::gaugeRgb(bar.colour);
    const QColor colour(rgb.r, rgb.g, rgb.b);
    const int barRight = left + static_cast<int>(width * bar.fraction);
    const QRect barRect(QPoint(left + 1, top + 1), QPoint(barRight, outline.bottom() - 1));
    if (barRight > left) painter.fillRect(barRect, colour);
    if (bar.overflow) drawTextAt(painter, right + 5, top + 2, "...");

    const int bracketFrom = g.bracketFromLimitToEnd ? limitX : left;
    const int bracketTo = g.bracketFromLimitToEnd ? right : limitX;
    const int bracketY = top - 6;
    painter.drawLine(bracketFrom, bracketY, bracketTo, bracketY);
    painter.drawLine(bracketFrom, bracketY, bracketFrom, bracketY + 3);
    painter.drawLine(bracketTo, bracketY, bracketTo, bracketY + 3);
    // The compact layout has no room for the word between the rows of gauges.
    if (!compactGraph(graph)) {
      const QString normal = displayText(QT_TRANSLATE_NOOP("Display", "Normal"));
      painter.drawText(
          (bracketFrom + bracketTo - painter.fontMetrics().horizontalAdvance(normal)) / 2,
          bracketY - 2, normal);
    }
    drawn.push_back({outline, barRight > left ? barRect : QRect(), colour, bar.overflow});
  }
  painter.restore();
  return drawn;
}

DrawnReport drawVocalAnalysisData(QPainter& painter, const QRect& graph, const DisplayData& data) {
  DrawnReport drawn;
  const int x0 = graph.left(), yt = graph.top(), yb = graph.top() + graph.height();
  const bool compact = compactGraph(graph);
  painter.save();
  painter.setPen(QPen(Qt::black, 0));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRect(QPoint(x0 - 50, yt - 8), QPoint(x0 + 730, yb + 40)));

  const double rate = data.sampleRate ? data.sampleRate : 1.0;
  painter.setFont(fontOf("Arial", compact ? 14 : 18, true));
  painter.setPen(Qt::red);
  drawCentredAt(painter, x0 + 340, yt, displayText(QT_TRANSLATE_NOOP("Display", "Statistics")));
  // Under the title, however tall its font's glyphs are.
  const int rangeTop = std::max(reportRow(graph, 25), yt + painter.fontMetrics().height());
  painter.setFont(fontOf("Arial", compact ? 12 : 14, false));
  painter.setPen(Qt::black);
  drawCentredAt(
      painter, x0 + 340, rangeTop,
      QString::asprintf(
          displayText(QT_TRANSLATE_NOOP("Display", "(from %.2fs to %.2fs)")).toUtf8().constData(),
          data.range.first / rate, data.range.last / rate));

  if (data.segments) {
    drawn.averages = quality::averageQualityMeasures(data.segments->segments,
                                                     static_cast<double>(data.range.first),
                                                     static_cast<double>(data.range.last));
  }
  const quality::QualityAverages& a = drawn.averages;
  if (a.segmentsUsed == 0) {
    drawTextAt(painter, x0, reportRow(graph, 60),
               messageText(core::Message{core::MessageId::NoPointAvailable}));
    painter.restore();
    return drawn;
  }

  const core::VoiceStatistics s =
      data.statistics ? data.statistics->statistics : core::VoiceStatistics{};
  painter.setFont(
      fontOf(data.language == kKorean ? "Arial" : "Courier New", compact ? 11 : 14, true));
  const int column1 = x0 - 20, column2 = x0 + 350, valueOffset = 155;
  const auto row = [&](int column, int offset, const QString& label, const QString& value) {
    const int top = reportRow(graph, offset);
    if (!label.isEmpty()) drawTextAt(painter, column, top, label);
    drawTextAt(painter, column + valueOffset, top, value);
  };
  const auto f0Row = [&](int offset, const char* label, const QString& value) {
    const int top = reportRow(graph, offset);
    drawF0Label(painter, column1, top, displayText(label), data.language, compact);
    drawTextAt(painter, column1 + valueOffset, top, value);
  };
  const auto number = [](double value) { return QString::asprintf("%.2f", value); };
  const auto percent = [](double value) { return QString::asprintf("%.2f %%", value); };
  const QString sd = displayText(QT_TRANSLATE_NOOP("Display", "SD:"));

  f0Row(50, QT_TRANSLATE_NOOP("Display", "Average "), QString::asprintf("%.2f Hz", s.meanF0));
  f0Row(70, QT_TRANSLATE_NOOP("Display", "Mode "), f0ModesText(s));
  row(column1, 90, sd, QString::asprintf("%.2f Hz", s.sdF0));
  row(column1, 150, displayText(QT_TRANSLATE_NOOP("Display", "Jitter  (PPQ): ")),
      percent(a.jitter));
  row(column2, 150, displayText(QT_TRANSLATE_NOOP("Display", "Irregularity:")),
      number(a.irregularity));
  row(column2, 170, sd, number(a.irregularitySd));
  row(column1, 190, displayText(QT_TRANSLATE_NOOP("Display", "Shimmer (EPQ): ")),
      percent(a.shimmer));
  row(column1, 230, displayText(QT_TRANSLATE_NOOP("Display", "Correlation:")),
      number(a.correlation));
  row(column1, 290, displayText(QT_TRANSLATE_NOOP("Display", "GNE:")), number(a.gne));
  row(column2, 290, displayText(QT_TRANSLATE_NOOP("Display", "Noise:")), number(a.noise));
  row(column2, 310, sd, number(a.noiseSd));
  drawn.values = true;
  painter.restore();

  drawQualityGauges(painter, graph, a);
  drawn.gauges = true;
  return drawn;
}

}  // namespace sonarel::app
