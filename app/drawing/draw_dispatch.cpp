// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>

#include "app/drawing/display_modes.h"
#include "app/views/display_registry.h"

namespace sonarel::app {

void drawDisplayMode(QPainter& painter, const GraphGeometry& geometry, const DisplayData& data,
                     int displayMode) {
  const bool open = data.count() > 0;
  const DisplayModeEntry* entry = open ? displayRegistry().byCode(displayMode) : nullptr;
  if (entry && entry->draw) {
    entry->draw(painter, geometry.graph, data);
  } else if (open) {
    painter.save();
    painter.setPen(QColor(150, 150, 150));
    painter.drawText(geometry.graph, Qt::AlignCenter,
                     QCoreApplication::translate(
                         "Display", "Choose a display in the Analysis menu or on the tool bar."));
    painter.restore();
  }
  if (open && !(entry && entry->hidesStrip)) drawWaveformStrip(painter, geometry.strip, data);
}

QString cursorReadout(int displayMode, const GraphGeometry& geometry, const DisplayData& data,
                      QPoint point) {
  const DisplayModeEntry* entry = displayRegistry().byCode(displayMode);
  if (!entry || !entry->readout || data.count() == 0 || data.sampleRate == 0) return {};
  return entry->readout(geometry.graph, data, point);
}

}  // namespace sonarel::app
