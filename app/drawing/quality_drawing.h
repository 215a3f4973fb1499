// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pictures of a vocal-quality recording: the phonatory deviation diagram (alone and as a
// follow-up series), the vocal analysis report with its gauges, and the spectrogram with the
// intensity and F0 curves. Each routine draws over a painter and the graph rectangle, for the
// screen, printing, the command line's pictures and the rendering tests alike, and returns
// what it drew so that the tests can check the picture's content as well as its pixels.

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QRect>
#include <optional>
#include <vector>

#include "app/session/display_data.h"
#include "quality/clinical/avqi.h"
#include "quality/quality_averages.h"
#include "records/session_file.h"

namespace sonarel::app {

namespace mode {
constexpr int VocalAnalysisData = 11;
constexpr int DeviationDiagram = 12;
constexpr int SpectrogramIntensityF0 = 14;
constexpr int FollowUp = 17;
constexpr int ClinicalMeasures = 18;
}  // namespace mode

// The layout for graphs lower than the normal one (small screens): smaller marks and fonts.
constexpr int kNormalGraphHeight = 360;
inline bool compactGraph(const QRect& graph) {
  return graph.height() < kNormalGraphHeight;
}

inline const QColor kDiagramGround(200, 200, 200);
inline const QColor kNormalAreaColour(220, 220, 220);
inline const QColor kMeanColour(255, 0, 0);
inline const QColor kReadoutGround(255, 255, 206);

struct MarkColours {
  QColor line;    // joining lines and marker outlines
  QColor marker;  // marker fill, legend and title text
  bool operator==(const MarkColours&) const = default;
};
MarkColours mainRecordingColours();
MarkColours comparisonRecordingColours();  // the recording shown beside the open one
MarkColours followUpColours(int slot);     // slots 0 to 4

// The diagram's frame in pixels: X0 the plot's left edge, Yt its top, Yb its bottom.
struct DiagramFrame {
  int x0 = 0;
  int yt = 0;
  int yb = 0;
  int height() const { return yb - yt; }
  // Irregularity 0..10 across 680 pixels, noise 0..5 up the height; values outside the
  // scales are placed where the mapping puts them.
  QPointF pixel(double irregularity, double noise) const;
  // The plot rectangle the read-out answers in.
  QRect plot() const { return QRect(x0, yt + 2, 680, yb - yt - 2); }
};
DiagramFrame diagramFrame(const QRect& graph);

// The normal area's three shapes in pixels (computed in floats, truncated).
struct NormalAreaPixels {
  QRect lower;    // irregularity 0..4.75, noise 0..1.2
  QRect left;     // irregularity 0..3.5, noise 0..2.5
  QRect ellipse;  // bounding box of the ellipse over 2.0..4.75 x 0..2.5
};
NormalAreaPixels normalAreaPixels(const DiagramFrame& frame);

struct DrawnSegment {
  int points = 0;
  std::optional<QPointF> mean;  // where the red mean marker was drawn
};

struct DrawnDiagram {
  std::vector<DrawnSegment> segments;  // the view's own recording, one per segment
  int followUpPoints = 0;              // frames of the follow-up recordings
  int legendEntries = 0;
};

// Mode 12: the plane and the frames of the view's own recording inside [rangeFirst,
// rangeLast], each segment's frames joined in time order, with its mean in red unless
// `followUp` (mode 17), which draws no means.
DrawnDiagram drawDeviationDiagram(QPainter& painter, const QRect& graph, const DisplayData& data,
                                  double rangeFirst, double rangeLast, bool followUp = false);
// Mode 17: the plane with the whole main recording, the legend and every follow-up
// recording in its slot's colours.
DrawnDiagram drawFollowUpDiagram(QPainter& painter, const QRect& graph, const DisplayData& data);

// The date of a legend entry in the order of `language`: month/day/year for English,
// year/month/day for Korean, day/month/year for Spanish and Portuguese; "--" when unknown.
QString legendDateText(const std::optional<records::FileDate>& date, int language);
// "File: %d Date: %s".
QString legendEntryText(int fileNumber, const std::optional<records::FileDate>& date, int language);

// The read-out of mode 12 at `point`: "Noise %.2f Irr. %.2f", empty outside the plot.
QString deviationReadout(const QRect& graph, const DisplayData& data, QPoint point);
// Where its box goes: 102 x 15 pixels whose lower edge is at the pointer, to the right of it,
// or to its left within 40 pixels of the plot's right edge; an empty rectangle outside.
QRect deviationReadoutBox(const QRect& graph, QPoint point);

// Where a gauge of mode 11 and its bar were drawn and in which colour, for the tests.
struct DrawnGauge {
  QRect outline;
  QRect bar;
  QColor colour;
  bool overflow = false;
};

// Mode 11.
struct DrawnReport {
  quality::QualityAverages averages;
  bool values = false;                  // the figures were written
  bool gauges = false;                  // the gauges were drawn
  std::vector<QRect> texts;             // where each title, label and figure went
  std::vector<DrawnGauge> drawnGauges;  // the gauges, where they went
};
// Graphs lower than this (a comparison pane) get the report pressed onto fewer lines: the
// rows of the normal layout would run into each other.
constexpr int kShortReportHeight = 200;
DrawnReport drawVocalAnalysisData(QPainter& painter, const QRect& graph, const DisplayData& data);

// Mode 18: CPPS, HNR, local shimmer, the long-term spectrum's slope and tilt and AVQI of the
// analysis range (the whole recording without one), each beside its published normal limit;
// the refusal's message instead when the range is silent, noise or too short. Returns the
// values drawn.
std::optional<quality::clinical::ClinicalMeasures> drawClinicalMeasures(QPainter& painter,
                                                                        const QRect& graph,
                                                                        const DisplayData& data);

// The five gauges; where each bar was drawn and in which colour, for the tests.
std::vector<DrawnGauge> drawQualityGauges(QPainter& painter, const QRect& graph,
                                          const quality::QualityAverages& averages);

// The rows of mode 11 below the graph's top: the normal layout's offsets, pressed together
// on graphs lower than that layout's.
int reportRow(const QRect& graph, int offset);

// Mode 14: the spectrogram of the analysis range above, and below it the intensity and F0
// curves over the same stretch, each scaled between its own lowest and highest value there.
struct CurvePanel {
  int top = 0;     // P_top
  int bottom = 0;  // P_bottom
  int height() const { return bottom - top; }
};
CurvePanel curvePanel(const QRect& graph);
QRect spectrogramPanel(const QRect& graph);

struct DrawnCurve {
  std::vector<QPoint> points;  // as joined
  double low = 0, high = 0;    // the scale's ends
  bool drawn = false;          // the curve and its labels were drawn
  bool operator==(const DrawnCurve&) const = default;
};
struct DrawnCurves {
  DrawnCurve intensity;
  DrawnCurve f0;
  bool operator==(const DrawnCurves&) const = default;
};
DrawnCurves drawSpectrogramIntensityF0(QPainter& painter, const QRect& graph,
                                       const DisplayData& data);

// Writes `text` rotated a quarter turn, centred on `centreY`, its baseline at `x`: upwards
// (reading from the bottom) or downwards.
void drawTurnedText(QPainter& painter, int x, int centreY, const QString& text, bool upwards);

}  // namespace sonarel::app
