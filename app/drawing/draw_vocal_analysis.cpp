// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <optional>

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

// Returns where the text went.
QRect drawTextAt(QPainter& painter, int x, int top, const QString& text) {
  painter.drawText(x, top + painter.fontMetrics().ascent(), text);
  return QRect(x, top, painter.fontMetrics().horizontalAdvance(text),
               painter.fontMetrics().height());
}

QRect drawCentredAt(QPainter& painter, int centreX, int top, const QString& text) {
  return drawTextAt(painter, centreX - painter.fontMetrics().horizontalAdvance(text) / 2, top,
                    text);
}

// "<label>F" with a subscript 0 and ":": the 0 smaller and 5 pixels lower (3 in the compact
// layout), and as far again to the right in Korean.
// Returns where it went.
QRect drawF0Label(QPainter& painter, int x, int top, const QString& label, int language,
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
  return drawTextAt(painter, after, top, ":").united(QRect(x, top, 1, 1));
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

namespace {

// One gauge in `outline`: its scale labels under it, the bar in its colour and the bracket
// over the normal part (with the word "Normal" over it when `named`).
DrawnGauge drawGauge(QPainter& painter, const quality::GaugeLayout& g, const QRect& outline,
                     const quality::QualityAverages& averages, bool named) {
  const int top = outline.top();
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
  if (named) {
    const QString normal = displayText(QT_TRANSLATE_NOOP("Display", "Normal"));
    painter.drawText(
        (bracketFrom + bracketTo - painter.fontMetrics().horizontalAdvance(normal)) / 2,
        bracketY - 2, normal);
  }
  return {outline, barRight > left ? barRect : QRect(), colour, bar.overflow};
}

}  // namespace

std::vector<DrawnGauge> drawQualityGauges(QPainter& painter, const QRect& graph,
                                          const quality::QualityAverages& averages) {
  std::vector<DrawnGauge> drawn;
  painter.save();
  // Small enough that a gauge's scale labels clear the "Normal" over the gauge below it.
  painter.setFont(fontOf("Arial", compactGraph(graph) ? 9 : 10, true));
  for (const quality::GaugeLayout& g : quality::gaugeLayouts()) {
    const int top = reportRow(graph, g.top);
    const QRect outline(QPoint(graph.left() + g.left, top),
                        QPoint(graph.left() + g.right, top + g.bottom - g.top));
    // The compact layout has no room for the word between the rows of gauges.
    drawn.push_back(drawGauge(painter, g, outline, averages, !compactGraph(graph)));
  }
  painter.restore();
  return drawn;
}

namespace {

// The report's figures, formatted.
struct ReportFigures {
  QString meanF0, modes, sdF0;
  QString jitter, irregularity, irregularitySd, shimmer, correlation, gne, noise, noiseSd;
};

ReportFigures reportFigures(const core::VoiceStatistics& s, const quality::QualityAverages& a) {
  const auto number = [](double value) { return QString::asprintf("%.2f", value); };
  const auto percent = [](double value) { return QString::asprintf("%.2f %%", value); };
  return {QString::asprintf("%.2f Hz", s.meanF0),
          f0ModesText(s),
          QString::asprintf("%.2f Hz", s.sdF0),
          percent(a.jitter),
          number(a.irregularity),
          number(a.irregularitySd),
          percent(a.shimmer),
          number(a.correlation),
          number(a.gne),
          number(a.noise),
          number(a.noiseSd)};
}

QFont figuresFont(const DisplayData& data, int pixels) {
  return fontOf(data.language == kKorean ? "Arial" : "Courier New", pixels, true);
}

// The figures in the rows of the normal layout (pressed together on lower graphs), the
// gauges beside them.
void drawReportRows(QPainter& painter, const QRect& graph, const DisplayData& data,
                    const ReportFigures& f, DrawnReport& drawn) {
  const int x0 = graph.left();
  const bool compact = compactGraph(graph);
  painter.setFont(figuresFont(data, compact ? 11 : 14));
  const int column1 = x0 - 20, column2 = x0 + 350, valueOffset = 155;
  const auto row = [&](int column, int offset, const QString& label, const QString& value) {
    const int top = reportRow(graph, offset);
    if (!label.isEmpty()) drawn.texts.push_back(drawTextAt(painter, column, top, label));
    drawn.texts.push_back(drawTextAt(painter, column + valueOffset, top, value));
  };
  const auto f0Row = [&](int offset, const char* label, const QString& value) {
    const int top = reportRow(graph, offset);
    drawn.texts.push_back(
        drawF0Label(painter, column1, top, displayText(label), data.language, compact));
    drawn.texts.push_back(drawTextAt(painter, column1 + valueOffset, top, value));
  };
  const QString sd = displayText(QT_TRANSLATE_NOOP("Display", "SD:"));

  f0Row(50, QT_TRANSLATE_NOOP("Display", "Average "), f.meanF0);
  f0Row(70, QT_TRANSLATE_NOOP("Display", "Mode "), f.modes);
  row(column1, 90, sd, f.sdF0);
  row(column1, 150, displayText(QT_TRANSLATE_NOOP("Display", "Jitter  (PPQ): ")), f.jitter);
  row(column2, 150, displayText(QT_TRANSLATE_NOOP("Display", "Irregularity:")), f.irregularity);
  row(column2, 170, sd, f.irregularitySd);
  row(column1, 190, displayText(QT_TRANSLATE_NOOP("Display", "Shimmer (EPQ): ")), f.shimmer);
  row(column1, 230, displayText(QT_TRANSLATE_NOOP("Display", "Correlation:")), f.correlation);
  row(column1, 290, displayText(QT_TRANSLATE_NOOP("Display", "GNE:")), f.gne);
  row(column2, 290, displayText(QT_TRANSLATE_NOOP("Display", "Noise:")), f.noise);
  row(column2, 310, sd, f.noiseSd);
}

// A graph too low for the rows of the normal layout (a comparison pane): the F0 figures on
// one line, then three bands, each with a figure and its gauge on either side, at the
// gauges' own columns.
void drawShortReport(QPainter& painter, const QRect& graph, int top, int bottom,
                     const DisplayData& data, const ReportFigures& f,
                     const quality::QualityAverages& averages, DrawnReport& drawn) {
  const int x0 = graph.left();
  const int column1 = x0 - 20, column2 = x0 + 350, right = x0 + 726;
  painter.setFont(figuresFont(data, 11));
  const QFontMetrics metrics = painter.fontMetrics();
  const QString sd = displayText(QT_TRANSLATE_NOOP("Display", "SD:"));

  // The F0 line: the mean and its deviation on the left, the modes as far as they fit.
  const auto f0Item = [&](int x, const char* label, const QString& value, int end) {
    const QRect name = drawF0Label(painter, x, top, displayText(label), data.language, true);
    const int at = name.right() + 6;
    drawn.texts.push_back(name);
    drawn.texts.push_back(
        drawTextAt(painter, at, top, metrics.elidedText(value, Qt::ElideRight, end - at)));
  };
  f0Item(column1, QT_TRANSLATE_NOOP("Display", "Average "), f.meanF0, column2 - 10);
  const QRect sdName = drawTextAt(painter, x0 + 200, top, sd);
  drawn.texts.push_back(sdName);
  drawn.texts.push_back(drawTextAt(painter, sdName.right() + 6, top, f.sdF0));
  f0Item(column2, QT_TRANSLATE_NOOP("Display", "Mode "), f.modes, right);

  struct Item {
    const char* label;
    QString value, deviation;  // the deviation after the value, when it has one
    std::optional<quality::Gauge> gauge;
  };
  using quality::Gauge;
  const Item bands[3][2] = {
      {{QT_TRANSLATE_NOOP("Display", "Jitter  (PPQ): "), f.jitter, {}, Gauge::Jitter},
       {QT_TRANSLATE_NOOP("Display", "Irregularity:"), f.irregularity, f.irregularitySd,
        Gauge::Irregularity}},
      {{QT_TRANSLATE_NOOP("Display", "Shimmer (EPQ): "), f.shimmer, {}, Gauge::Shimmer},
       {QT_TRANSLATE_NOOP("Display", "Correlation:"), f.correlation, {}, std::nullopt}},
      {{QT_TRANSLATE_NOOP("Display", "GNE:"), f.gne, {}, Gauge::Gne},
       {QT_TRANSLATE_NOOP("Display", "Noise:"), f.noise, f.noiseSd, Gauge::Noise}},
  };
  // Each column's figures line up after its longest label.
  int labelWidth[2] = {0, 0};
  for (const auto& band : bands)
    for (int c = 0; c < 2; ++c)
      labelWidth[c] =
          std::max(labelWidth[c], metrics.horizontalAdvance(displayText(band[c].label).trimmed()));

  // A band: the bracket 6 rows over the gauge, the gauge, its scale labels under it.
  constexpr int kGaugeHeight = 12, kBracket = 6;
  QFont scaleFont = fontOf("Arial", 9, true);
  const int scaleHeight = QFontMetrics(scaleFont).height();
  const int needed = kBracket + kGaugeHeight + 2 + scaleHeight;
  const int first = top + metrics.height() + 2;
  const int band = std::max(needed, (bottom - first) / 3);
  for (int b = 0; b < 3; ++b) {
    const int gaugeTop = first + b * band + (band - needed) / 2 + kBracket;
    const int textTop = gaugeTop + kGaugeHeight / 2 - metrics.height() / 2;
    for (int c = 0; c < 2; ++c) {
      const Item& item = bands[b][c];
      const int x = c == 0 ? column1 : column2;
      drawn.texts.push_back(drawTextAt(painter, x, textTop, displayText(item.label).trimmed()));
      QString value = item.value;
      if (!item.deviation.isEmpty()) value += "  " + sd + " " + item.deviation;
      drawn.texts.push_back(drawTextAt(painter, x + labelWidth[c] + 8, textTop, value));
      if (!item.gauge) continue;
      const quality::GaugeLayout& g = quality::gaugeLayout(*item.gauge);
      painter.save();
      painter.setFont(scaleFont);
      const QRect outline(QPoint(x0 + g.left, gaugeTop),
                          QPoint(x0 + g.right, gaugeTop + kGaugeHeight));
      drawn.drawnGauges.push_back(drawGauge(painter, g, outline, averages, false));
      painter.restore();
    }
  }
}

}  // namespace

DrawnReport drawVocalAnalysisData(QPainter& painter, const QRect& graph, const DisplayData& data) {
  DrawnReport drawn;
  const int x0 = graph.left(), yt = graph.top(), yb = graph.top() + graph.height();
  const bool compact = compactGraph(graph);
  const bool low = graph.height() < kShortReportHeight;
  painter.save();
  painter.setPen(QPen(Qt::black, 0));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRect(QPoint(x0 - 50, yt - 8), QPoint(x0 + 730, yb + 40)));

  const double rate = data.sampleRate ? data.sampleRate : 1.0;
  const QString title = displayText(QT_TRANSLATE_NOOP("Display", "Statistics"));
  const QString range = QString::asprintf(
      displayText(QT_TRANSLATE_NOOP("Display", "(from %.2fs to %.2fs)")).toUtf8().constData(),
      data.range.first / rate, data.range.last / rate);
  const QFont titleFont = fontOf("Arial", low ? 12 : compact ? 14 : 18, true);
  const QFont rangeFont = fontOf("Arial", low ? 11 : compact ? 12 : 14, false);
  const QFontMetrics titleMetrics(titleFont), rangeMetrics(rangeFont);
  // The low layout's first line: the title and the range side by side, on one baseline.
  const int lineTop = yt - 6;
  if (low) {
    const int titleWidth = titleMetrics.horizontalAdvance(title + "  ");
    const int left = x0 + 340 - (titleWidth + rangeMetrics.horizontalAdvance(range)) / 2;
    painter.setFont(titleFont);
    painter.setPen(Qt::red);
    drawn.texts.push_back(drawTextAt(painter, left, lineTop, title));
    painter.setFont(rangeFont);
    painter.setPen(Qt::black);
    drawn.texts.push_back(drawTextAt(painter, left + titleWidth,
                                     lineTop + titleMetrics.ascent() - rangeMetrics.ascent(),
                                     range));
  } else {
    painter.setFont(titleFont);
    painter.setPen(Qt::red);
    drawn.texts.push_back(drawCentredAt(painter, x0 + 340, yt, title));
    // Under the title, however tall its font's glyphs are.
    const int rangeTop = std::max(reportRow(graph, 25), yt + painter.fontMetrics().height());
    painter.setFont(rangeFont);
    painter.setPen(Qt::black);
    drawn.texts.push_back(drawCentredAt(painter, x0 + 340, rangeTop, range));
  }

  if (data.segments) {
    drawn.averages = quality::averageQualityMeasures(data.segments->segments,
                                                     static_cast<double>(data.range.first),
                                                     static_cast<double>(data.range.last));
  }
  const quality::QualityAverages& a = drawn.averages;
  if (a.segmentsUsed == 0) {
    drawn.texts.push_back(
        drawTextAt(painter, x0, low ? yt + 20 : reportRow(graph, 60),
                   messageText(core::Message{core::MessageId::NoPointAvailable})));
    painter.restore();
    return drawn;
  }

  const core::VoiceStatistics s =
      data.statistics ? data.statistics->statistics : core::VoiceStatistics{};
  const ReportFigures figures = reportFigures(s, a);
  if (low) {
    const int top = lineTop + std::max(titleMetrics.height(), rangeMetrics.height()) + 2;
    drawShortReport(painter, graph, top, yb + 38, data, figures, a, drawn);
  } else {
    drawReportRows(painter, graph, data, figures, drawn);
  }
  drawn.values = true;
  painter.restore();

  if (!low) drawn.drawnGauges = drawQualityGauges(painter, graph, a);
  drawn.gauges = true;
  return drawn;
}

}  // namespace sonarel::app
