// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/views/command_icons.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>
#include <cmath>

#include "app/commands/command_table.h"
#include "app/views/display_registry.h"

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

}  // namespace

QIcon drawnIcon(void (*paint)(QPainter&)) {
  return drawn(paint);
}

namespace {}  // namespace

QIcon commandIcon(int id) {
  if (const DisplayModeEntry* entry = displayRegistry().byCommand(id)) {
    return entry->paintIcon ? drawnIcon(entry->paintIcon) : QIcon();
  }
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
