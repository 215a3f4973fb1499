// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/views/mode_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "app/drawing/display_modes.h"

namespace sonarel::app::mode_icons {
namespace {

QPainterPath wave(double amplitude, double cycles) {
  QPainterPath path;
  for (int x = 3; x <= 29; ++x) {
    const double y = 16 - amplitude * std::sin((x - 3) / 26.0 * cycles * 2 * M_PI) *
                              (0.6 + 0.4 * std::sin(x / 5.0));
    x == 3 ? path.moveTo(x, y) : path.lineTo(x, y);
  }
  return path;
}

QPainterPath contour() {
  QPainterPath path;
  path.moveTo(3, 22);
  path.cubicTo(10, 8, 16, 24, 22, 12);
  path.lineTo(29, 10);
  return path;
}

}  // namespace

void audioSignal(QPainter& p) {
  p.setPen(QPen(kWaveColour, 2));
  p.drawPath(wave(11, 4));
}

void f0(QPainter& p) {
  p.setPen(QPen(kF0Colour, 3));
  p.drawPath(contour());
}

void intensity(QPainter& p) {
  p.setPen(QPen(kIntensityColour, 3));
  QPainterPath path;
  path.moveTo(3, 26);
  path.lineTo(9, 12);
  path.lineTo(14, 16);
  path.lineTo(20, 6);
  path.lineTo(29, 24);
  p.drawPath(path);
}

void f0AndIntensity(QPainter& p) {
  p.setPen(QPen(kF0Colour, 2.5));
  p.scale(1, 0.5);
  p.drawPath(contour());
  p.translate(0, 32);
  p.setPen(QPen(kIntensityColour, 2.5));
  p.drawPath(contour());
}

void histogram(QPainter& p) {
  const int heights[] = {6, 14, 24, 18, 9};
  for (int i = 0; i < 5; ++i) p.fillRect(3 + i * 5 + i, 28 - heights[i], 5, heights[i], kF0Colour);
}

void statistics(QPainter& p) {
  p.setPen(QPen(QColor(60, 60, 60), 2));
  p.setBrush(Qt::white);
  p.drawRect(5, 3, 22, 26);
  for (int y = 9; y <= 24; y += 5) p.drawLine(9, y, 23, y);
}

}  // namespace sonarel::app::mode_icons
