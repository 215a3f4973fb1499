// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One drawing routine per display mode, each over a painter and the view's geometry, shared
// by the screen, printing and the rendering tests, with the pointer read-out of its graph.
// drawDisplayMode dispatches by mode code through the display-mode registry.

#include <QPainter>

#include "app/drawing/graph_geometry.h"
#include "app/session/display_data.h"
#include "app/session/mode_needs.h"

namespace sonarel::app {

// The codes of the built-in modes (mode::None is the session's: nothing shown yet).
namespace mode {
constexpr int AudioSignal = 0;
constexpr int F0 = 2;
constexpr int Intensity = 3;
constexpr int Histogram = 4;
constexpr int Statistics = 5;
constexpr int F0AndIntensity = 8;
constexpr int VowelSpace = 10;
constexpr int Spectrogram = 1;
constexpr int LpcSpectrum = 6;
constexpr int PowerSpectrum = 7;
constexpr int PowerAndLpc = 9;
constexpr int SpectrogramAmplitude = 16;
// Drawn in step with the playback.
constexpr int LiveAudioSignal = 20;
constexpr int LiveSpectrogram = 21;
constexpr int LiveF0 = 22;
constexpr int LiveIntensity = 23;
constexpr int LiveLpcSpectrum = 26;
constexpr int LivePowerSpectrum = 27;
constexpr int LiveF0AndIntensity = 28;
constexpr int LiveVowelSpace = 30;
constexpr int LiveSpectrogramAmplitude = 31;
}  // namespace mode

inline const QColor kWaveColour(0, 128, 0);
inline const QColor kF0Colour(0, 70, 220);
inline const QColor kIntensityColour(210, 70, 0);
inline const QColor kVoicedShade(225, 238, 255);
inline const QColor kSelectionGround(28, 52, 110);
inline const QColor kVowelPointColour(255, 0, 255);
inline const QColor kVowelTargetColour(0, 0, 150);

// What a contour routine drew, for the tests and the cursor read-outs.
struct DrawnContour {
  int points = 0;  // values drawn inside the graph
};

void drawAudioSignal(QPainter& painter, const QRect& graph, const DisplayData& data);
DrawnContour drawF0Contour(QPainter& painter, const QRect& graph, const DisplayData& data);
DrawnContour drawIntensityContour(QPainter& painter, const QRect& graph, const DisplayData& data);
void drawF0AndIntensity(QPainter& painter, const QRect& graph, const DisplayData& data);
void drawHistogram(QPainter& painter, const QRect& graph, const DisplayData& data);
void drawStatisticsPanel(QPainter& painter, const QRect& graph, const DisplayData& data);
// The F1/F2 chart: the targets of the vowel set as symbols and the voiced blocks of the
// analysis range as magenta dots.
DrawnContour drawVowelSpace(QPainter& painter, const QRect& graph, const DisplayData& data);
// The read-outs of these graphs (see ReadoutRoutine).
QString audioSignalReadout(const QRect& graph, const DisplayData& data, QPoint point);
QString f0Readout(const QRect& graph, const DisplayData& data, QPoint point);
QString intensityReadout(const QRect& graph, const DisplayData& data, QPoint point);
QString f0AndIntensityReadout(const QRect& graph, const DisplayData& data, QPoint point);
QString vowelSpaceReadout(const QRect& graph, const DisplayData& data, QPoint point);

// The whole recording in 680 columns, voiced columns shaded, the selection inverted.
void drawWaveformStrip(QPainter& painter, const QRect& strip, const DisplayData& data);

// The graph of `mode`, then the waveform strip when a recording is open.
void drawDisplayMode(QPainter& painter, const GraphGeometry& geometry, const DisplayData& data,
                     int mode);

// The read-out next to the pointer at `point` in the graph of `mode`; empty where the mode
// has none or the pointer is outside.
QString cursorReadout(int mode, const GraphGeometry& geometry, const DisplayData& data,
                      QPoint point);

}  // namespace sonarel::app
