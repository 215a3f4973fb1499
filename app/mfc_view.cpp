#include "app/mfc_view.h"

#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include "app/command_table.h"
#include "app/drawing/display_modes.h"
#include "app/translated_text.h"

namespace sonarel::app {

CMfcView::CMfcView(CMfcDoc& document, QWidget* parent)
    : QWidget(parent), document_(document), readout_(new QLabel(this)) {
  setMouseTracking(true);
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, Qt::white);
  setPalette(palette);
  readout_->setStyleSheet(
      "QLabel { background: #ffffe8; border: 1px solid #b0b0a0; padding: 1px 4px; }");
  readout_->hide();
  connect(&document_, &CMfcDoc::changed, this, qOverload<>(&QWidget::update));
}

void CMfcView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const ViewState& state = document_.state();
  drawDisplayMode(painter, geometry(), state.displayData(), state.displayMode());
}

void CMfcView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !document_.state().isOpen()) return;
  if (!geometry().strip.contains(event->position().toPoint())) return;
  selecting_ = true;
  document_.state().pressStrip(stripX(event->position().toPoint()));
  update(geometry().strip);
}

void CMfcView::mouseMoveEvent(QMouseEvent* event) {
  const QPoint point = event->position().toPoint();
  if (selecting_) {
    document_.state().dragStrip(std::clamp(stripX(point), 0, kGraphWidth));
    update(geometry().strip);
  }
  updateReadout(point);
}

void CMfcView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !selecting_) return;
  selecting_ = false;
  const bool marked = document_.state().releaseStrip(stripX(event->position().toPoint()));
  update(geometry().strip);
  if (marked) showContextMenu(event->globalPosition().toPoint());
}

void CMfcView::leaveEvent(QEvent*) {
  readout_->hide();
}

void CMfcView::showContextMenu(const QPoint& globalPosition) {
  QMenu menu(this);
  const struct {
    int id;
    const char* text;
  } entries[] = {{cmd::PlaySelection, QT_TRANSLATE_NOOP("Command", "Play")},
                 {cmd::Zoom, QT_TRANSLATE_NOOP("Command", "&Zoom +")},
                 {cmd::Cut, QT_TRANSLATE_NOOP("Command", "Cut")},
                 {cmd::Copy, QT_TRANSLATE_NOOP("Command", "&Copy")},
                 {cmd::Paste, QT_TRANSLATE_NOOP("Command", "&Paste")}};
  for (const auto& entry : entries) {
    QAction* action = menu.addAction(commandText(entry.text));
    const CommandInfo* info = findCommand(entry.id);
    action->setEnabled(entry.id == cmd::PlaySelection || (info && info->built));
    connect(action, &QAction::triggered, this, [this, id = entry.id] { emit contextCommand(id); });
  }
  menu.exec(globalPosition);
}

void CMfcView::updateReadout(const QPoint& point) {
  const ViewState& state = document_.state();
  const QString text = cursorReadout(state.displayMode(), geometry(), state.displayData(), point);
  if (text.isEmpty()) {
    readout_->hide();
    return;
  }
  readout_->setText(text);
  readout_->adjustSize();
  QPoint at = point + QPoint(14, 14);
  if (at.x() + readout_->width() > width()) at.setX(point.x() - readout_->width() - 6);
  readout_->move(at);
  readout_->show();
}

}  // namespace sonarel::app
