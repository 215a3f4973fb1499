// SPDX-License-Identifier: GPL-3.0-or-later
// The clinical measures of the analysis range as a table: each measure, its value, its
// published normal limit and whether the value lies within it; or the refusal's message. It
// only draws: the session computes the measures (DisplayData::clinical).

#include <QCoreApplication>

#include "app/drawing/quality_drawing.h"
#include "app/translated_text.h"
#include "quality/clinical/clinical_constants.h"

namespace sonarel::app {
namespace {

namespace clinical = quality::clinical;

QString displayText(const char* text) {
  return QCoreApplication::translate("Display", text);
}

}  // namespace

std::optional<clinical::ClinicalMeasures> drawClinicalMeasures(QPainter& painter,
                                                               const QRect& graph,
                                                               const DisplayData& data) {
  painter.save();
  painter.fillRect(graph, Qt::white);
  const bool compact = compactGraph(graph);
  // A low graph (a comparison pane) sets the rows close and the headers beside the title.
  const bool low = graph.height() < kShortReportHeight;
  QFont font("Arial");
  font.setPixelSize(compact ? 11 : 15);
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(Qt::black);
  const int margin = low ? 4 : compact ? 8 : 16;
  const int line = painter.fontMetrics().height() + (low ? 1 : compact ? 4 : 8);
  const int titleTop = graph.top() + margin;
  int top = titleTop;
  const QString title = displayText("Clinical measures of the sustained vowel");
  painter.drawText(graph.left() + margin, top + painter.fontMetrics().ascent(), title);
  const int valueX = graph.left() + graph.width() * 55 / 100;
  const int normalX = graph.left() + graph.width() * 72 / 100;
  const bool headersBeside =
      low && graph.left() + margin + painter.fontMetrics().horizontalAdvance(title) + 8 < valueX;
  if (!headersBeside) top += low ? line : line * 3 / 2;

  // The session computes the measures with the mode; until then only the title shows.
  if (!data.clinical) {
    painter.restore();
    return std::nullopt;
  }
  const clinical::ClinicalOutcome& outcome = *data.clinical;
  if (!outcome.measures) {
    font.setBold(false);
    painter.setFont(font);
    const QRect box(graph.left() + margin, top, graph.width() - 2 * margin, graph.bottom() - top);
    painter.drawText(box, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop,
                     outcome.refusal ? messageText(*outcome.refusal) : QString());
    painter.restore();
    return std::nullopt;
  }
  const clinical::ClinicalMeasures& m = *outcome.measures;
  struct Row {
    QString label;
    double value;
    const char* unit;
    char relation;  // '<', '>' or 0 when no limit is published
    double limit;
  };
  using namespace clinical;
  const Row rows[] = {
      {displayText("AVQI (version 03.01)"), m.avqi, "", '<', kNormalAvqiBelow},
      {displayText("Smoothed cepstral peak prominence (CPPS)"), m.cppsDb, "dB", '>',
       kNormalCppsAbove},
      {displayText("Harmonics-to-noise ratio (HNR)"), m.hnrDb, "dB", '>', kNormalHnrAbove},
      {displayText("Shimmer (local)"), m.shimmerPercent, "%", '<', kNormalShimmerPercentBelow},
      {displayText("Shimmer (local)"), m.shimmerDb, "dB", '<', kNormalShimmerDbBelow},
      {displayText("Long-term spectrum: slope"), m.slopeDb, "dB", 0, 0},
      {displayText("Long-term spectrum: tilt"), m.tiltDb, "dB", 0, 0},
  };
  painter.drawText(valueX, top + painter.fontMetrics().ascent(), displayText("Value"));
  painter.drawText(normalX, top + painter.fontMetrics().ascent(), displayText("Normal"));
  const int headersRight = normalX + painter.fontMetrics().horizontalAdvance(displayText("Normal"));
  top += line;
  font.setBold(false);
  painter.setFont(font);
  for (const Row& row : rows) {
    const int baseline = top + painter.fontMetrics().ascent();
    const bool within = row.relation == '<' ? row.value < row.limit : row.value > row.limit;
    if (row.relation) {
      // A band behind the row: green within the normal limit, red outside it.
      const QRect band(graph.left() + margin / 2, top - (low ? 0 : 2), graph.width() - margin,
                       line - (low ? 1 : 2));
      painter.fillRect(band, within ? QColor(214, 240, 214) : QColor(248, 214, 214));
    }
    painter.setPen(Qt::black);
    painter.drawText(graph.left() + margin, baseline, row.label);
    painter.drawText(valueX, baseline,
                     QString::number(row.value, 'f', 2) + (row.unit[0] ? " " : "") + row.unit);
    painter.drawText(normalX, baseline,
                     row.relation
                         ? QString("%1 %2").arg(QChar(row.relation)).arg(row.limit, 0, 'f', 2)
                         : QString::fromUtf8("\u2014"));
    top += line;
  }
  const QString measured = displayText("Vowel measured: %1 s").arg(m.vowelSeconds, 0, 'f', 2);
  const int measuredX = graph.right() - margin - painter.fontMetrics().horizontalAdvance(measured);
  if (headersBeside && measuredX > headersRight + 12) {
    // At the end of the title's line, where a low graph has room for it.
    painter.drawText(measuredX, titleTop + painter.fontMetrics().ascent(), measured);
  } else {
    top += low ? 0 : line / 2;
    painter.drawText(graph.left() + margin, top + painter.fontMetrics().ascent(), measured);
  }
  painter.restore();
  return m;
}

}  // namespace sonarel::app
