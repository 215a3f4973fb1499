#include "app/command_icons.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>
#include <cmath>

#include "app/command_table.h"
#include "app/drawing/display_modes.h"

namespace sonarel::app {
namespace {

constexpr int kSize = 32;

QIcon drawn(const std::function<void(QPainter&)>& draw) {
  QPixmap pixmap(kSize, kSize);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing, true);
  draw(painter);
  return QIcon(pixmap);
}

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

QIcon commandIcon(int id) {
  QStyle* style = QApplication::style();
  switch (id) {
    case cmd::OpenSoundFile:
      return style->standardIcon(QStyle::SP_DialogOpenButton);
    case cmd::Print:
      return drawn([](QPainter& p) {
        p.setPen(QPen(Qt::darkGray, 2));
        p.setBrush(Qt::white);
        p.drawRect(9, 4, 14, 10);
        p.setBrush(QColor(120, 120, 130));
        p.drawRoundedRect(4, 13, 24, 11, 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(9, 21, 14, 8);
      });
    case cmd::Play:
      return style->standardIcon(QStyle::SP_MediaPlay);
    case cmd::Zoom:
      return drawn([](QPainter& p) {
        p.setPen(QPen(QColor(40, 40, 40), 3));
        p.drawEllipse(5, 5, 16, 16);
        p.drawLine(19, 19, 28, 28);
        p.setPen(QPen(QColor(40, 40, 40), 2));
        p.drawLine(9, 13, 17, 13);
        p.drawLine(13, 9, 13, 17);
      });
    case cmd::AudioSignal:
      return drawn([](QPainter& p) {
        p.setPen(QPen(kWaveColour, 2));
        p.drawPath(wave(11, 4));
      });
    case cmd::FundamentalFrequency:
      return drawn([](QPainter& p) {
        p.setPen(QPen(kF0Colour, 3));
        p.drawPath(contour());
      });
    case cmd::Intensity:
      return drawn([](QPainter& p) {
        p.setPen(QPen(kIntensityColour, 3));
        QPainterPath path;
        path.moveTo(3, 26);
        path.lineTo(9, 12);
        path.lineTo(14, 16);
        path.lineTo(20, 6);
        path.lineTo(29, 24);
        p.drawPath(path);
      });
    case cmd::F0AndIntensity:
      return drawn([](QPainter& p) {
        p.setPen(QPen(kF0Colour, 2.5));
        p.scale(1, 0.5);
        p.drawPath(contour());
        p.translate(0, 32);
        p.setPen(QPen(kIntensityColour, 2.5));
        p.drawPath(contour());
      });
    case cmd::Histogram:
      return drawn([](QPainter& p) {
        const int heights[] = {6, 14, 24, 18, 9};
        for (int i = 0; i < 5; ++i)
          p.fillRect(3 + i * 5 + i, 28 - heights[i], 5, heights[i], kF0Colour);
      });
    case cmd::Statistics:
      return drawn([](QPainter& p) {
        p.setPen(QPen(QColor(60, 60, 60), 2));
        p.setBrush(Qt::white);
        p.drawRect(5, 3, 22, 26);
        for (int y = 9; y <= 24; y += 5) p.drawLine(9, y, 23, y);
      });
    case cmd::HelpContents:
      return drawn([](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 90, 170));
        p.drawEllipse(3, 3, 26, 26);
        QFont font = QApplication::font();
        font.setPixelSize(20);
        font.setBold(true);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(QRect(3, 3, 26, 26), Qt::AlignCenter, "?");
      });
    default:
      return {};
  }
}

}  // namespace sonarel::app
