// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tool-bar pictures of the display modes, each painted on a 32 x 32 pixmap.

class QPainter;

namespace sonarel::app::mode_icons {

void audioSignal(QPainter& p);
void f0(QPainter& p);
void intensity(QPainter& p);
void f0AndIntensity(QPainter& p);
void histogram(QPainter& p);
void statistics(QPainter& p);

}  // namespace sonarel::app::mode_icons
