// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/splash.h"

#include <QApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace sonarel::app {

QPixmap splashPicture() {
  QPixmap pixmap(480, 260);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient background(0, 0, 0, 260);
  background.setColorAt(0, QColor(18, 44, 92));
  background.setColorAt(1, QColor(8, 20, 48));
  p.fillRect(pixmap.rect(), background);
  QPainterPath wave;
  for (int x = 0; x <= 480; ++x) {
    const double y = 170 + 34 * std::sin(x / 23.0) * std::exp(-std::pow((x - 240) / 160.0, 2));
    x == 0 ? wave.moveTo(x, y) : wave.lineTo(x, y);
  }
  p.setPen(QPen(QColor(90, 180, 255), 3));
  p.drawPath(wave);
  p.setPen(Qt::white);
  QFont title = QApplication::font();
  title.setPointSize(34);
  title.setBold(true);
  p.setFont(title);
  p.drawText(QRect(0, 40, 480, 60), Qt::AlignCenter, "Sonarel");
  QFont subtitle = QApplication::font();
  subtitle.setPointSize(11);
  p.setFont(subtitle);
  p.drawText(QRect(0, 100, 480, 24), Qt::AlignCenter,
             QApplication::translate("Splash", "Acoustic assessment of the voice"));
  return pixmap;
}

SplashWindow::SplashWindow() : QSplashScreen(splashPicture()) {
  show();
  QApplication::processEvents();
}

}  // namespace sonarel::app
