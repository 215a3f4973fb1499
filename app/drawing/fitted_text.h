// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text that must fit a length its font was not chosen for: a turned title beside a low graph
// (two recordings one above the other) is longer than the graph is high.

#include <QPainter>
#include <QRegularExpression>
#include <QString>
#include <algorithm>

namespace sonarel::app {

// Where `text` is longer than `room` pixels: the painter's font shrunk to fit, to no less
// than 60 % of its size; beyond that the text without a trailing unit in brackets ("F0
// (Hz)"), then cut short. Returns the text to draw; the painter keeps the font it needs.
// A text that fits is returned as it is, in the font as it was.
inline QString fitText(QPainter& painter, const QString& text, int room) {
  constexpr double kLeastShare = 0.6;
  const auto width = [&painter](const QString& t) {
    return painter.fontMetrics().horizontalAdvance(t);
  };
  if (width(text) <= room || room <= 0) return text;
  QFont font = painter.font();
  const double share = std::max(kLeastShare, static_cast<double>(room) / width(text));
  if (font.pixelSize() > 0) {
    font.setPixelSize(std::max(1, static_cast<int>(font.pixelSize() * share)));
  } else {
    font.setPointSizeF(font.pointSizeF() * share);
  }
  painter.setFont(font);
  if (width(text) <= room) return text;
  QString shorter = text;
  shorter.remove(QRegularExpression("\\s*\\([^()]*\\)\\s*$"));
  if (!shorter.isEmpty() && width(shorter) <= room) return shorter;
  return painter.fontMetrics().elidedText(shorter.isEmpty() ? text : shorter, Qt::ElideRight, room);
}

}  // namespace sonarel::app
