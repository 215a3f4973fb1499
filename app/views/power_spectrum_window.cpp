// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/views/power_spectrum_window.h"

#include <QCoreApplication>
#include <QPainter>

#include "app/drawing/spectral_drawing.h"

namespace sonarel::app {

namespace {
// The graph's own coordinates start this far into the window, leaving room for its labels.
constexpr QPoint kGraphOffset(24, 10);
}  // namespace

CEspectroEnergia::CEspectroEnergia(QWidget* parent) : QWidget(parent, Qt::Tool) {
  setObjectName("CEspectroEnergia");
  setWindowTitle(QCoreApplication::translate("Display", "Power Spectrum"));
  setFixedSize(25 + 256 + 2 * kGraphOffset.x(), 142 + 16 + 2 * kGraphOffset.y());
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, Qt::white);
  setPalette(palette);
}

void CEspectroEnergia::setSpectrum(std::optional<std::vector<float>> levels, std::uint32_t rate,
                                   double percent) {
  levels_ = std::move(levels);
  rate_ = rate;
  percent_ = percent;
  update();
}

void CEspectroEnergia::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.translate(kGraphOffset);
  drawFrameSpectrum(painter, levels_ ? &*levels_ : nullptr, rate_, percent_);
}

void CEspectroEnergia::moveEvent(QMoveEvent* event) {
  emit dismissed();
  QWidget::moveEvent(event);
}

void CEspectroEnergia::closeEvent(QCloseEvent* event) {
  emit dismissed();
  QWidget::closeEvent(event);
}

}  // namespace sonarel::app
