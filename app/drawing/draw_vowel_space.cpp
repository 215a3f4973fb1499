// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>
#include <QFont>

#include "app/drawing/contour_grid.h"
#include "app/drawing/display_modes.h"
#include "app/drawing/vowel_chart.h"

namespace sonarel::app {
namespace {

constexpr int kF1Labels = 9, kF1Step = 112;   // 200 to 1096 Hz
constexpr int kF2Labels = 11, kF2Step = 260;  // 600 to 3200 Hz

void drawAxes(QPainter& painter, const QRect& graph) {
  const QFontMetrics metrics = painter.fontMetrics();
  painter.setPen(QPen(kGridColour, 1));
  painter.drawRect(graph.adjusted(0, 0, -1, -1));
  for (int i = 0; i < kF1Labels; ++i) {
    const int hz = static_cast<int>(vowel_chart::kF1Top) + i * kF1Step;
    const int y = vowel_chart::pixelOf(graph, hz, vowel_chart::kF2Right).y();
    if (i < kF1Labels - 1) {
      painter.setPen(QPen(kGridColour, 1));
      painter.drawLine(graph.left(), y, graph.right(), y);
    }
    painter.setPen(Qt::black);
    painter.drawText(QRect(graph.left() - 45, y - 8, 40, 16), Qt::AlignRight | Qt::AlignVCenter,
                     QString::asprintf("%.2d", hz));
  }
  for (int i = 0; i < kF2Labels; ++i) {
    const int hz = static_cast<int>(vowel_chart::kF2Right) + i * kF2Step;
    const int x = vowel_chart::pixelOf(graph, vowel_chart::kF1Top, hz).x();
    if (i < kF2Labels - 1) {
      painter.setPen(QPen(kGridColour, 1));
      painter.drawLine(x, graph.top(), x, graph.bottom());
    }
    painter.setPen(Qt::black);
    painter.drawText(QRect(x - 30, graph.bottom() + 8, 60, metrics.height()), Qt::AlignHCenter,
                     QString::asprintf("%.2d", hz));
  }
  const int line = metrics.height();
  painter.drawText(QRect(graph.left(), graph.bottom() + 8 + line, graph.width(), line),
                   Qt::AlignHCenter, QCoreApplication::translate("Display", "F2 (Hz)"));
  painter.drawText(QRect(graph.left(), graph.top() - line - 4, graph.width(), line),
                   Qt::AlignHCenter, QCoreApplication::translate("Display", "Vowel Space"));
  painter.save();
  painter.translate(graph.left() - 50, graph.center().y());
  painter.rotate(-90);
  painter.drawText(QRect(-graph.height() / 2, -line, graph.height(), line), Qt::AlignCenter,
                   QCoreApplication::translate("Display", "F1 (Hz)"));
  painter.restore();
}

// Each target of the set as its vowel symbol, centred on the target.
void drawTargets(QPainter& painter, const QRect& graph, const DisplayData& data) {
  painter.save();
  painter.setClipRect(graph);
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(18);
  painter.setFont(font);
  painter.setPen(kVowelTargetColour);
  for (int row = 0; row < spectral::kVowelsPerSet; ++row) {
    const spectral::VowelTarget& target = data.vowelTargets[static_cast<std::size_t>(row)];
    const auto symbol = spectral::VowelSymbol(data.vowelSet, row);
    if (!target.present() || symbol.empty()) continue;
    const QPoint at = vowel_chart::pixelOf(graph, target.f1, target.f2);
    painter.drawText(QRect(at.x() - 15, at.y() - 15, 30, 30), Qt::AlignCenter,
                     QString::fromUtf8(symbol.data(), static_cast<qsizetype>(symbol.size())));
  }
  painter.restore();
}

// The voiced columns of the analysis range, each at the formants of its block.
int drawMeasuredPoints(QPainter& painter, const QRect& graph, const DisplayData& data) {
  const spectral::FormantTrack* track = data.formants;
  if (!track || !data.voicing || track->blockCount() == 0 || data.count() == 0) return 0;
  const double count = static_cast<double>(data.count());
  const double first = data.range.first / count * core::kVoicingColumns;
  const double end = data.range.last / count * core::kVoicingColumns;
  painter.save();
  painter.setPen(QPen(kVowelPointColour, 4));
  int drawn = 0;
  for (int c = static_cast<int>(first); c < end && c < core::kVoicingColumns; ++c) {
    if (!(*data.voicing)[static_cast<std::size_t>(c)]) continue;
    const auto block = static_cast<std::size_t>(static_cast<std::int64_t>(c) * track->blockCount() /
                                                core::kVoicingColumns);
    const auto& f = track->formants[block];
    if (!vowel_chart::plotted(f[0], f[1])) continue;
    painter.drawPoint(vowel_chart::pixelOf(graph, f[0], f[1]));
    ++drawn;
  }
  painter.restore();
  return drawn;
}

}  // namespace

DrawnContour drawVowelSpace(QPainter& painter, const QRect& graph, const DisplayData& data) {
  painter.save();
  drawAxes(painter, graph);
  drawTargets(painter, graph, data);
  DrawnContour drawn;
  drawn.points = drawMeasuredPoints(painter, graph, data);
  painter.restore();
  return drawn;
}

QString vowelSpaceReadout(const QRect& graph, const DisplayData&, QPoint point) {
  if (!graph.contains(point)) return {};
  const auto [f1, f2] = vowel_chart::formantsAt(graph, point);
  return QString::asprintf("%.2f Hz   %.2f Hz", f1, f2);
}

}  // namespace sonarel::app
