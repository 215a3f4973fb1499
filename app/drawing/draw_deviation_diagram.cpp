// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <filesystem>

#include "app/drawing/cached_layer.h"
#include "app/drawing/fitted_text.h"
#include "app/drawing/marker_stamps.h"
#include "app/drawing/quality_drawing.h"
#include "quality/diagram_points.h"

namespace sonarel::app {
namespace {

constexpr int kPlotWidth = 680;
constexpr int kKorean = 2;
constexpr int kEnglish = 0;

QString displayText(const char* text) {
  return QCoreApplication::translate("Display", text);
}

QFont arial(int pixels, bool bold) {
  QFont font("Arial");
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

// One segment's frames as the diagram marks them: joined in time order, each with its
// marker, and the segment's mean on top where it is shown.
struct MarkedRun {
  std::vector<QPointF> points;
  MarkColours colours;
  double markerWidth = 8;
  std::optional<QPointF> mean;
  double meanWidth = 12;
  bool operator==(const MarkedRun&) const = default;
};

// Everything the diagram's picture shows, so that a picture kept from an earlier paint is
// used only while it would be drawn the same.
struct DiagramPicture {
  QRect graph;
  bool comparison = false;
  int language = 0;
  bool screen = false;
  std::vector<MarkedRun> runs;
  bool operator==(const DiagramPicture&) const = default;
};

// Text whose top-left corner is at (x, top).
void drawTextAt(QPainter& painter, int x, int top, const QString& text) {
  painter.drawText(x, top + painter.fontMetrics().ascent(), text);
}

void drawPlane(QPainter& painter, const DiagramFrame& f, bool compact,
               const DiagramPicture& picture) {
  const int x0 = f.x0, yt = f.yt, yb = f.yb;
  painter.setPen(QPen(Qt::black, 0));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRect(QPoint(x0 - 50, yt - 8), QPoint(x0 + 730, yb + 40)));
  painter.fillRect(QRect(QPoint(x0, yt + 2), QPoint(x0 + kPlotWidth, yb)), kDiagramGround);

  const NormalAreaPixels area = normalAreaPixels(f);
  painter.setPen(Qt::NoPen);
  painter.setBrush(kNormalAreaColour);
  painter.drawRect(area.left);
  painter.drawRect(area.lower);
  painter.drawEllipse(area.ellipse);
  painter.setBrush(Qt::NoBrush);

  painter.setPen(QPen(Qt::black, 1));
  painter.drawLine(x0, yb, x0, yt);
  painter.drawLine(x0, yb, x0 + kPlotWidth, yb);

  painter.setFont(arial(14, false));
  const QPen dotted(Qt::black, 1, Qt::DotLine);
  const int step = (yb - (yt + 2)) / 5;
  for (int i = 0; i <= 5; ++i) {
    const int y = yb - 6 - i * step;
    painter.setPen(Qt::black);
    drawTextAt(painter, x0 - 20, y, QString::asprintf("%2d", i));
    if (i > 0) {
      painter.setPen(dotted);
      painter.drawLine(x0, y + 6, x0 + kPlotWidth, y + 6);
    }
  }
  for (int i = 0; i <= 10; ++i) {
    painter.setPen(Qt::black);
    drawTextAt(painter, x0 + 68 * i - 2, yb + 4, QString::number(i));
    if (i > 0) {
      painter.setPen(dotted);
      painter.drawLine(x0 + 68 * i, yb, x0 + 68 * i, yt);
    }
  }

  painter.setFont(arial(compact ? 60 : 80, true));
  painter.setPen(QColor(230, 230, 230));
  drawTextAt(painter, x0 + (compact ? 20 : 40), yb - (compact ? 100 : 120),
             displayText(QT_TRANSLATE_NOOP("Display", "Normal")));

  const int middle = (yt + 2 + yb) / 2;
  painter.setFont(arial(compact ? 16 : 18, true));
  painter.setPen(picture.comparison ? comparisonRecordingColours().marker
                                    : mainRecordingColours().marker);
  // Beside a low graph (a comparison pane) the name is centred on the frame and may reach
  // past it by a few rows at either end.
  const bool low = yb - yt < kShortReportHeight;
  const QString name =
      fitText(painter, displayText(QT_TRANSLATE_NOOP("Display", "Phonatory Deviation Diagram")),
              yb - yt + 64);
  const bool raised = compact && picture.language == kKorean && !low;
  drawTurnedText(painter, x0 + 710, low ? (yt + yb + 32) / 2 : middle - (raised ? 25 : 0), name,
                 false);
  painter.setFont(arial(18, true));
  painter.setPen(Qt::black);
  const QString across =
      displayText(QT_TRANSLATE_NOOP("Display", "Irregularity (Jitter, Shimmer, Correlation)"));
  drawTextAt(painter, x0 + 340 - painter.fontMetrics().horizontalAdvance(across) / 2, yb + 17,
             across);
  drawTurnedText(painter, x0 - 42, middle, displayText(QT_TRANSLATE_NOOP("Display", "Noise (GNE)")),
                 true);
}

// The name of the diagram in the corner, on the screen only and only where it reads well.
void drawDiagramName(QPainter& painter, const DiagramFrame& f, bool compact,
                     const DiagramPicture& picture) {
  if (compact || !picture.screen || (picture.language != kEnglish && picture.language != kKorean))
    return;
  QFont font("Verdana");
  font.setPixelSize(10);
  painter.setFont(font);
  painter.setPen(QColor(80, 80, 80));
  drawTextAt(painter, f.x0 + 547, f.yb - 12,
             displayText(QT_TRANSLATE_NOOP("Display", "G\u00f6ttingen Hoarseness Diagram")));
}

MarkedRun markedRun(const DiagramFrame& f, const std::vector<quality::DiagramPoint>& points,
                    const MarkColours& colours, bool compact) {
  MarkedRun run{{}, colours, compact ? 12.0 : 8.0, std::nullopt, compact ? 18.0 : 12.0};
  run.points.reserve(points.size());
  for (const quality::DiagramPoint& p : points)
    run.points.push_back(f.pixel(p.irregularity, p.noise));
  return run;
}

void drawRuns(QPainter& painter, const std::vector<MarkedRun>& runs) {
  for (const MarkedRun& run : runs) {
    painter.setPen(QPen(run.colours.line, 2));
    for (std::size_t k = 1; k < run.points.size(); ++k)
      painter.drawLine(run.points[k - 1], run.points[k]);
    for (const QPointF& p : run.points)
      drawRoundMarker(painter, p, run.markerWidth, 8, run.colours.line, run.colours.marker);
    if (run.mean)
      drawRoundMarker(painter, *run.mean, run.meanWidth, 12, run.colours.line, kMeanColour);
  }
}

// What the runs cover, with room for the widest marker, its outline and its soft edge.
QRectF runBounds(const std::vector<MarkedRun>& runs) {
  QRectF bounds;
  const auto cover = [&](const QPointF& p, double width) {
    const double reach = width / 2 + 2;
    bounds = bounds.united(QRectF(p.x() - reach, p.y() - reach, 2 * reach, 2 * reach));
  };
  for (const MarkedRun& run : runs) {
    for (const QPointF& p : run.points) cover(p, std::max(run.markerWidth, 8.0));
    if (run.mean) cover(*run.mean, std::max(run.meanWidth, 12.0));
  }
  return bounds;
}

// The runs of the view's own recording, one per segment; the means only in the diagram
// of a single recording.
std::vector<MarkedRun> recordingRuns(const DiagramFrame& f, const DisplayData& data,
                                     double rangeFirst, double rangeLast, bool withMeans,
                                     bool compact, DrawnDiagram& drawn) {
  std::vector<MarkedRun> runs;
  if (!data.segments) return runs;
  const MarkColours colours =
      data.comparison ? comparisonRecordingColours() : mainRecordingColours();
  for (const quality::SegmentResult& segment : data.segments->segments) {
    const std::vector<quality::DiagramPoint> points =
        quality::segmentPoints(segment, rangeFirst, rangeLast);
    MarkedRun run = markedRun(f, points, colours, compact);
    DrawnSegment drawnSegment;
    drawnSegment.points = static_cast<int>(points.size());
    if (const auto mean = quality::meanPoint(points); mean && withMeans) {
      run.mean = f.pixel(mean->irregularity, mean->noise);
      drawnSegment.mean = run.mean;
    }
    drawn.segments.push_back(drawnSegment);
    runs.push_back(std::move(run));
  }
  return runs;
}

void drawDiagramPicture(QPainter& painter, const DiagramPicture& picture) {
  const bool compact = compactGraph(picture.graph);
  const DiagramFrame f = diagramFrame(picture.graph);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  drawPlane(painter, f, compact, picture);
  painter.setRenderHint(QPainter::Antialiasing, true);
  drawRuns(painter, picture.runs);
  painter.setRenderHint(QPainter::Antialiasing, false);
  drawDiagramName(painter, f, compact, picture);
  painter.restore();
}

// The plane with its labels, every run over it and the diagram's name, kept as pixels
// between paints.
void drawDiagram(QPainter& painter, const QRect& graph, const DisplayData& data,
                 std::vector<MarkedRun> runs) {
  const DiagramFrame f = diagramFrame(graph);
  // The frame and the turned labels that reach past it (a long name by up to half its
  // overflow at either end).
  const QRectF frame(QPointF(f.x0 - 66, f.yt - 64), QPointF(f.x0 + 746, f.yb + 56));
  const QRectF bounds = frame.united(runBounds(runs));
  drawCachedLayer(
      painter, bounds,
      DiagramPicture{graph, data.comparison, data.language, data.screen, std::move(runs)},
      drawDiagramPicture);
}

void drawLegendEntry(QPainter& painter, const DiagramFrame& f, int entry, int fileNumber,
                     const std::optional<records::FileDate>& date, const MarkColours& colours,
                     int language, const QString& name) {
  const int x = f.x0 + (entry + 1 <= 2 ? 90 : 360);
  const int y = f.yb + 50 + ((entry + 1) % 3 + 1) * 22;
  painter.setPen(QPen(colours.line, 2));
  painter.drawLine(x, y, x + 40, y);
  drawRoundMarker(painter, QPointF(x, y), 8, 8, colours.line, colours.marker);
  drawRoundMarker(painter, QPointF(x + 40, y), 8, 8, colours.line, colours.marker);
  painter.setFont(arial(14, true));
  painter.setPen(colours.marker);
  // A recording from outside a client folder has no number: its name stands for it.
  drawTextAt(painter, x + 50, y - 7,
             fileNumber >= 0 ? legendEntryText(fileNumber, date, language)
                             : QStringLiteral("%1  %2").arg(name, legendDateText(date, language)));
}

}  // namespace

MarkColours mainRecordingColours() {
  return {QColor(0, 220, 0), QColor(0, 120, 0)};
}

MarkColours comparisonRecordingColours() {
  return {QColor(0, 0, 250), QColor(0, 0, 120)};
}

MarkColours followUpColours(int slot) {
  static const MarkColours colours[] = {{QColor(0, 0, 255), QColor(0, 0, 180)},
                                        {QColor(220, 220, 0), QColor(170, 170, 0)},
                                        {QColor(220, 0, 220), QColor(170, 0, 170)},
                                        {QColor(64, 128, 128), QColor(49, 98, 98)},
                                        {QColor(255, 128, 0), QColor(240, 81, 0)}};
  return colours[std::clamp(slot, 0, 4)];
}

DiagramFrame diagramFrame(const QRect& graph) {
  return {graph.left(), graph.top(), graph.top() + graph.height()};
}

QPointF DiagramFrame::pixel(double irregularity, double noise) const {
  return {x0 + irregularity / 10.0 * kPlotWidth, yb - noise / 5.0 * height()};
}

NormalAreaPixels normalAreaPixels(const DiagramFrame& f) {
  const float h = static_cast<float>(f.height());
  const auto x = [&](float irregularity) {
    return static_cast<int>(static_cast<float>(f.x0) + irregularity / 10.0f * kPlotWidth);
  };
  const auto y = [&](float noise) {
    return static_cast<int>(static_cast<float>(f.yb) - noise / 5.0f * h);
  };
  // Corners as (left, top) to (right, bottom), the right and bottom edges excluded as a
  // filled shape excludes them.
  const auto box = [](int left, int top, int right, int bottom) {
    return QRect(left, top, right - left, bottom - top);
  };
  return {box(x(0), y(1.2f), x(4.75f), f.yb), box(x(0), y(2.5f), x(3.5f), f.yb),
          box(x(2.0f), y(2.5f), x(4.75f), f.yb)};
}

DrawnDiagram drawDeviationDiagram(QPainter& painter, const QRect& graph, const DisplayData& data,
                                  double rangeFirst, double rangeLast, bool followUp) {
  DrawnDiagram drawn;
  const std::vector<MarkedRun> runs = recordingRuns(
      diagramFrame(graph), data, rangeFirst, rangeLast, !followUp, compactGraph(graph), drawn);
  drawDiagram(painter, graph, data, std::move(runs));
  return drawn;
}

DrawnDiagram drawFollowUpDiagram(QPainter& painter, const QRect& graph, const DisplayData& data) {
  DrawnDiagram drawn;
  const DiagramFrame f = diagramFrame(graph);
  const bool compact = compactGraph(graph);
  std::vector<MarkedRun> runs =
      recordingRuns(f, data, 0, static_cast<double>(data.count()), false, compact, drawn);
  const auto* recordings = data.followUp ? &data.followUp->recordings() : nullptr;
  if (recordings) {
    for (int slot = 0; slot < FollowUpSeries::kSlots; ++slot) {
      const auto& recording = (*recordings)[static_cast<std::size_t>(slot)];
      if (!recording) continue;
      for (const quality::SegmentResult& segment : recording->table.segments) {
        const std::vector<quality::DiagramPoint> points = quality::segmentPoints(segment);
        runs.push_back(markedRun(f, points, followUpColours(slot), compact));
        drawn.followUpPoints += static_cast<int>(points.size());
      }
    }
  }
  drawDiagram(painter, graph, data, std::move(runs));

  painter.save();
  painter.setPen(QPen(Qt::black, 0));
  painter.setBrush(Qt::white);
  painter.drawRect(QRect(f.x0 + 50, f.yb + 50, 560, 90));
  painter.setRenderHint(QPainter::Antialiasing, true);
  drawLegendEntry(painter, f, -1, data.fileNumber, data.fileDate, mainRecordingColours(),
                  data.language, QString::fromStdString(data.fileName));
  drawn.legendEntries = 1;
  if (recordings) {
    int entry = 0;
    for (int slot = 0; slot < FollowUpSeries::kSlots; ++slot) {
      const auto& recording = (*recordings)[static_cast<std::size_t>(slot)];
      if (!recording) continue;
      drawLegendEntry(painter, f, entry++, recording->fileNumber, recording->date,
                      followUpColours(slot), data.language,
                      QString::fromStdString(std::filesystem::path(recording->path).filename()));
      ++drawn.legendEntries;
    }
  }
  painter.restore();
  return drawn;
}

QString legendDateText(const std::optional<records::FileDate>& date, int language) {
  if (!date) return "--";
  switch (language) {
    case kEnglish:
      return QString::asprintf("%02d/%02d/%04d", date->month, date->day, date->year);
    case kKorean:
      return QString::asprintf("%04d/%02d/%02d", date->year, date->month, date->day);
    default:
      return QString::asprintf("%02d/%02d/%04d", date->day, date->month, date->year);
  }
}

QString legendEntryText(int fileNumber, const std::optional<records::FileDate>& date,
                        int language) {
  return QCoreApplication::translate("Display", "File: %1 Date: %2")
      .arg(fileNumber)
      .arg(legendDateText(date, language));
}

QString deviationReadout(const QRect& graph, const DisplayData&, QPoint point) {
  const DiagramFrame f = diagramFrame(graph);
  if (!f.plot().contains(point)) return {};
  const double noise = std::abs(double(point.y() - f.yb) / double(f.yb - (f.yt + 2))) * 5;
  const double irregularity = (point.x() - f.x0) * 10.0 / kPlotWidth;
  return QString::asprintf(
      QCoreApplication::translate("Display", "Noise %.2f Irr. %.2f").toUtf8().constData(), noise,
      irregularity);
}

QRect deviationReadoutBox(const QRect& graph, QPoint point) {
  const DiagramFrame f = diagramFrame(graph);
  if (!f.plot().contains(point)) return {};
  constexpr int kWidth = 102, kHeight = 15;
  const bool nearRight = point.x() > f.x0 + kPlotWidth - 40;
  const int left = nearRight ? point.x() - kWidth : point.x();
  return QRect(left, point.y() - kHeight, kWidth, kHeight);
}

void drawTurnedText(QPainter& painter, int x, int centreY, const QString& text, bool upwards) {
  painter.save();
  painter.translate(x, centreY);
  painter.rotate(upwards ? -90 : 90);
  const int width = painter.fontMetrics().horizontalAdvance(text);
  painter.drawText(-width / 2, 0, text);
  painter.restore();
}

}  // namespace sonarel::app
