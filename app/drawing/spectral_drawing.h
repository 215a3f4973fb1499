// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The spectral displays: power and LPC spectra (modes 7, 6, 9), the spectrogram (mode 1), the
// wide and narrow spectrograms with their colour legend (mode 16), and the small single-frame
// spectrum of the pop-up window. Also where their contrast markers sit and what a drag on
// them means, so that the view and the tests agree.

#include <QPainter>
#include <QRect>
#include <optional>
#include <vector>

#include "app/drawing/graph_geometry.h"
#include "app/session/display_data.h"

namespace sonarel::app {

inline const QColor kPowerColour(255, 0, 0);
inline const QColor kLpcColour(0, 120, 0);
inline const QColor kBandNameColour(0, 0, 128);

// y of `level` dB in a spectrum graph: a 100-dB span over the height, clamped to the graph.
int spectrumLevelToY(const QRect& graph, double level);
// The level under y, the inverse of the mapping above (without the clamp).
double spectrumYToLevel(const QRect& graph, int y);

void drawPowerSpectrum(QPainter& painter, const QRect& graph, const DisplayData& data);
void drawLpcSpectrum(QPainter& painter, const QRect& graph, const DisplayData& data);
void drawPowerAndLpc(QPainter& painter, const QRect& graph, const DisplayData& data);

// The two pictures of mode 16: wide band above, narrow band below.
struct AmplitudePanels {
  QRect wide, narrow;
};
AmplitudePanels amplitudePanels(const QRect& graph);

// One spectrogram picture of the analysis range in `panel`, with its frequency and time
// labels and its band name (in `bandColour`) written upwards at its left.
void drawSpectrogramPicture(QPainter& painter, const QRect& panel, const DisplayData& data,
                            spectral::SpectrogramBand band, SpectrogramPictureCache* cache,
                            const QColor& bandColour = kBandNameColour);

void drawSpectrogram(QPainter& painter, const QRect& graph, const DisplayData& data);
void drawSpectrogramAmplitude(QPainter& painter, const QRect& graph, const DisplayData& data);

// The contrast marker of mode 1 or 16 for `contrast`, and the contrast a drag to `point`
// sets (kept within the markers' limits); nothing for other modes.
std::optional<QRect> contrastMarker(int mode, const QRect& graph, int contrast);
std::optional<int> contrastAt(int mode, const QRect& graph, QPoint point);

// Where a right click in a spectrogram falls: the graph column and the height in percent
// of that picture, from its bottom edge; nothing outside the pictures.
struct SpectrogramPoint {
  int column = 0;
  double percent = 0;
};
std::optional<SpectrogramPoint> spectrogramPointAt(int mode, const QRect& graph, QPoint point);

// The read-outs of the spectra (level and frequency) and the spectrograms (frequency and
// time under the pointer).
QString spectrumReadout(const QRect& graph, const DisplayData& data, QPoint point);
QString spectrogramReadout(const QRect& graph, const DisplayData& data, QPoint point);
QString amplitudeSpectrogramReadout(const QRect& graph, const DisplayData& data, QPoint point);

// The pop-up's graph: 256 x 140 pixels from x = 25, levels of one frame (N/2 values, or none)
// and a marker at the clicked height.
void drawFrameSpectrum(QPainter& painter, const std::vector<float>* levels, std::uint32_t rate,
                       double percent);

}  // namespace sonarel::app
