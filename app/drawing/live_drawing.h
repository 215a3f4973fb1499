// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The displays drawn in step with the playback: a picture uncovered column by column, or the
// picture of one column's moment, and the cursor that marks the column in the waveform strip.

#include <QColor>
#include <QPainter>
#include <QRect>

#include "app/session/display_data.h"

namespace sonarel::app {

inline const QColor kLiveCursorColour(0, 255, 255);

using PlainDraw = void (*)(QPainter& painter, const QRect& graph, const DisplayData& data);

// The data of a live display: the whole recording, its pictures built whole.
DisplayData liveWhole(const DisplayData& data);
// The same without any analysis: what the display shows before its first column.
DisplayData liveBlank(const DisplayData& data);
// The part of the graph that holds columns 0 to `column` (empty for -1), with a margin
// above and below for curves that touch the frame.
QRect uncoveredArea(const QRect& graph, int column);
// The last column a display that moves on even columns only has drawn by `column`.
inline int evenColumn(int column) {
  return column < 0 ? column : column - column % 2;
}

// The blank display, then `draw`'s picture of the whole recording over columns 0 to
// data.liveColumn (to the last even column up to it with `evenOnly`).
void drawUncovered(QPainter& painter, const QRect& graph, const DisplayData& data, PlainDraw draw,
                   bool evenOnly = false);

// One column's moment of the live spectrum and vowel-space displays (data.liveColumn).
void drawLiveLpc(QPainter& painter, const QRect& graph, const DisplayData& data);
void drawLivePower(QPainter& painter, const QRect& graph, const DisplayData& data);
void drawLiveVowelSpace(QPainter& painter, const QRect& graph, const DisplayData& data);

// The cursor: a vertical line over the strip at the column's x position.
void drawLiveCursor(QPainter& painter, const QRect& strip, int column);

}  // namespace sonarel::app
