// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/views/mfc_view.h"

#include <QHBoxLayout>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>
#include <QVBoxLayout>
#include <span>

#include "app/commands/command_table.h"
#include "app/drawing/display_modes.h"
#include "app/drawing/spectral_drawing.h"
#include "app/session/comparison.h"
#include "app/translated_text.h"
#include "app/views/display_registry.h"
#include "app/views/live_display.h"
#include "app/views/power_spectrum_window.h"

namespace sonarel::app {
namespace {

const char* const kReadoutStyle =
    "QLabel { background: #ffffe8; border: 1px solid #b0b0a0; padding: 1px 4px; }";

}  // namespace

CMfcView::CMfcView(CMfcDoc& document, QWidget* parent, bool comparison)
    : QWidget(parent),
      document_(document),
      comparison_(comparison),
      readout_(new QLabel(this)),
      spectrumWindow_(new CEspectroEnergia(this)),
      guide_(new QFrame(this)),
      guideText_(new QLabel(guide_)),
      guideButtons_(new QWidget(guide_)) {
  setMouseTracking(true);
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, Qt::white);
  setPalette(palette);
  readout_->setStyleSheet(kReadoutStyle);
  readout_->hide();
  connect(&document_, &CMfcDoc::changed, this, qOverload<>(&QWidget::update));
  connect(&document_, &CMfcDoc::changed, this, [this] {
    if (!state() || !state()->isOpen() || comparisonOpen()) spectrumWindow_->hide();
    updateGeometry();  // the layout changes when a comparison opens or closes
  });
  connect(spectrumWindow_, &CEspectroEnergia::dismissed, this, [this] {
    if (state()) state()->clearSelection();
    updateLogical(geometry().strip);
  });
  guide_->setObjectName("guide");
  guide_->setStyleSheet("QFrame#guide { background: #f4f7fb; border: 1px solid #c8d2e0; }");
  guideText_->setWordWrap(true);
  guideText_->setAlignment(Qt::AlignCenter);
  auto* guideLayout = new QVBoxLayout(guide_);
  guideLayout->addWidget(guideText_);
  guideLayout->addWidget(guideButtons_, 0, Qt::AlignHCenter);
  new QHBoxLayout(guideButtons_);
  guide_->hide();
  growth_.setSingleShot(true);
  growth_.setInterval(0);
  connect(&growth_, &QTimer::timeout, this, &CMfcView::growPictures);
}

void CMfcView::setLivePlayer(LivePlayer* player) {
  live_ = player;
  connect(live_, &LivePlayer::columnReached, this, [this](int column, bool) {
    const LiveCanvas* canvas = live_->canvas();
    update(canvas && liveColumn_ >= 0 ? layout().toWidget(canvas->changedArea(liveColumn_, column))
                                      : rect());
    liveColumn_ = column;
  });
  connect(live_, &LivePlayer::ended, this, [this] {
    liveColumn_ = -1;
    update();
  });
}

ViewState* CMfcView::state() {
  return comparison_ ? document_.state().comparison() : &document_.state();
}

const ViewState* CMfcView::state() const {
  return comparison_ ? document_.state().comparison() : &document_.state();
}

bool CMfcView::comparisonOpen() const {
  const ViewState* other = document_.state().comparison();
  return other && other->isOpen();
}

void CMfcView::pairWith(CMfcView* other) {
  partner_ = other;
  other->partner_ = this;
}

QSize CMfcView::paneSize() const {
  if (!partner_ || !partner_->isVisible() || partner_->size().isEmpty()) return size();
  return size().boundedTo(partner_->size());
}

ScaledLayout CMfcView::layout() const {
  return comparisonOpen() ? ScaledLayout::forComparisonPane(paneSize())
                          : ScaledLayout::forViewSize(size());
}

QSize CMfcView::minimumSizeHint() const {
  return comparisonOpen() ? GraphGeometry::comparisonPane(QSize()).extent()
                          : GraphGeometry::compactLayout().extent();
}

DisplayData CMfcView::shownData() const {
  const ViewState* shown = state();
  if (!shown) return {};
  DisplayData own = shown->displayData();
  if (comparisonOpen()) {
    DisplayData main = comparison_ ? document_.state().displayData() : own;
    DisplayData other = comparison_ ? own : document_.state().comparison()->displayData();
    scaleTogether(main, other);
    own = comparison_ ? other : main;
    own.comparison = comparison_;
  }
  return own;
}

void CMfcView::paintEvent(QPaintEvent*) {
  const ViewState* shown = state();
  if (!shown) return;
  QPainter painter(this);
  const ScaledLayout layout = this->layout();
  painter.setTransform(layout.transform());
  if (layout.scale != 1.0) painter.setRenderHint(QPainter::SmoothPixmapTransform);
  if (live_ && live_->canvas() && !comparison_) {
    // Unsmoothed, so that the one-column cursor stays one sharp colour at any scale.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    live_->canvas()->paint(painter, live_->column());
    return;
  }
  DisplayData picture = shownData();
  picture.spectral.progressive = true;
  picture.screen = true;
  drawDisplayMode(painter, layout.geometry, picture, shown->displayMode());
  if (shown->spectral().picturesGrowing()) growth_.start();
}

void CMfcView::setGuide(const QString& text, const QList<QAction*>& actions) {
  guideText_->setText(text);
  auto* row = static_cast<QHBoxLayout*>(guideButtons_->layout());
  while (QLayoutItem* item = row->takeAt(0)) {
    delete item->widget();
    delete item;
  }
  for (QAction* action : actions) {
    auto* button = new QToolButton(guideButtons_);
    button->setDefaultAction(action);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(false);
    row->addWidget(button);
  }
  guide_->setVisible(!text.isEmpty());
  placeGuide();
}

void CMfcView::placeGuide() {
  if (guide_->isHidden()) return;
  const QRect graph = layout().toWidget(geometry().graph);
  const int width = std::min(graph.width() - 20, std::max(560, graph.width() * 2 / 3));
  guide_->setFixedWidth(std::max(width, 200));
  guide_->adjustSize();
  guide_->move(graph.center().x() - guide_->width() / 2, graph.center().y() - guide_->height() / 2);
}

void CMfcView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  placeGuide();
  // The other pane's scale follows this one's size.
  if (partner_ && comparisonOpen()) partner_->update();
}

void CMfcView::growPictures() {
  if (!state()) return;
  state()->spectral().advancePictures();
  updateLogical(geometry().graph.adjusted(-2, -16, 2, 2));
}

QPoint CMfcView::logicalPoint(const QMouseEvent* event) const {
  return layout().toLogical(event->position());
}

void CMfcView::mousePressEvent(QMouseEvent* event) {
  if (!state() || !state()->isOpen()) return;
  const QPoint point = logicalPoint(event);
  if (event->button() == Qt::RightButton) {
    showFrameSpectrum(point);
    return;
  }
  if (event->button() != Qt::LeftButton) return;
  if (startContrastDrag(point)) return;
  if (!geometry().strip.contains(point)) return;
  const DisplayModeEntry* shown = displayRegistry().byCode(state()->displayMode());
  if (shown && shown->hidesStrip) return;
  selecting_ = true;
  state()->pressStrip(stripX(point));
  updateLogical(geometry().strip);
  emit selectionChanged();
}

void CMfcView::mouseMoveEvent(QMouseEvent* event) {
  const QPoint point = logicalPoint(event);
  if (draggingContrast_) dragContrast(point);
  if (selecting_ && state()) {
    state()->dragStrip(std::clamp(stripX(point), 0, kGraphWidth));
    updateLogical(geometry().strip);
    emit selectionChanged();
  }
  updateReadout(point);
}

void CMfcView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && draggingContrast_) {
    dragContrast(logicalPoint(event));
    draggingContrast_ = false;
    return;
  }
  if (event->button() != Qt::LeftButton || !selecting_ || !state()) return;
  selecting_ = false;
  const bool marked = state()->releaseStrip(stripX(logicalPoint(event)));
  updateLogical(geometry().strip);
  emit selectionChanged();
  if (marked) showContextMenu(event->globalPosition().toPoint());
}

bool CMfcView::startContrastDrag(const QPoint& point) {
  const ViewState& state = *this->state();
  const auto marker = contrastMarker(state.displayMode(), geometry().graph,
                                     state.spectral().spectrogramSettings().contrast);
  if (!marker || !marker->adjusted(-3, -3, 3, 3).contains(point)) return false;
  draggingContrast_ = true;
  return true;
}

void CMfcView::dragContrast(const QPoint& point) {
  if (!this->state()) return;
  ViewState& state = *this->state();
  const auto contrast = contrastAt(state.displayMode(), geometry().graph, point);
  if (!contrast || *contrast == state.spectral().spectrogramSettings().contrast) return;
  state.spectral().setContrast(*contrast);
  if (!comparison_) document_.state().shareSettingsWithComparison();
  emit document_.changed();
}

void CMfcView::showFrameSpectrum(const QPoint& point) {
  // Not while a comparison is shown: the window belongs to a single spectrogram.
  if (!this->state() || comparisonOpen()) return;
  const ViewState& state = *this->state();
  if (!state.isOpen() || spectrumWindow_->isVisible()) return;
  const auto at = spectrogramPointAt(state.displayMode(), geometry().graph, point);
  if (!at) return;
  spectrumWindow_->setSpectrum(state.spectral().frameSpectrum(state.buffer(), at->column),
                               state.buffer().format.sampleRate, at->percent);
  // Horizontally centred over the view, near the top of the graph.
  const QPoint centre =
      mapToGlobal(QPoint(width() / 2, layout().toWidget(geometry().graph.topLeft()).y()));
  spectrumWindow_->move(centre.x() - spectrumWindow_->width() / 2, centre.y());
  spectrumWindow_->show();
}

void CMfcView::leaveEvent(QEvent*) {
  readout_->hide();
  setCursor(Qt::ArrowCursor);
}

void CMfcView::showContextMenu(const QPoint& globalPosition) {
  QMenu menu(this);
  struct Entry {
    int id;
    const char* text;
  };
  static const Entry kMain[] = {{cmd::PlaySelection, QT_TRANSLATE_NOOP("Command", "Play")},
                                {cmd::Zoom, QT_TRANSLATE_NOOP("Command", "&Zoom +")},
                                {cmd::Cut, QT_TRANSLATE_NOOP("Command", "Cut")},
                                {cmd::Copy, QT_TRANSLATE_NOOP("Command", "&Copy")},
                                {cmd::Paste, QT_TRANSLATE_NOOP("Command", "&Paste")}};
  static const Entry kComparison[] = {
      {cmd::PlayComparison, QT_TRANSLATE_NOOP("Command", "Play")},
      {cmd::ZoomComparison, QT_TRANSLATE_NOOP("Command", "&Zoom +")}};
  const std::span<const Entry> entries =
      comparison_ ? std::span<const Entry>(kComparison) : std::span<const Entry>(kMain);
  for (const auto& entry : entries) {
    QAction* action = menu.addAction(commandText(entry.text));
    action->setEnabled(entry.id == cmd::PlaySelection ||
                       (commandAvailable && commandAvailable(entry.id)));
    connect(action, &QAction::triggered, this, [this, id = entry.id] { emit contextCommand(id); });
  }
  menu.exec(globalPosition);
}

void CMfcView::updateReadout(const QPoint& point) {
  if (!this->state()) return;
  const ViewState& state = *this->state();
  const QString text = cursorReadout(state.displayMode(), geometry(), shownData(), point);
  const DisplayModeEntry* shown = displayRegistry().byCode(state.displayMode());
  const QRect box =
      shown && shown->readoutBox ? shown->readoutBox(geometry().graph, point) : QRect();
  setCursor(box.isEmpty() ? Qt::ArrowCursor : Qt::CrossCursor);
  if (text.isEmpty()) {
    readout_->hide();
    return;
  }
  readout_->setText(text);
  if (!box.isEmpty()) {
    // The mode places its own box.
    readout_->setStyleSheet("QLabel { background: rgb(255, 255, 206); padding: 0px 2px; }");
    readout_->setFont(QFont());
    readout_->setGeometry(layout().toWidget(box));
    readout_->show();
    return;
  }
  readout_->setStyleSheet(kReadoutStyle);
  readout_->adjustSize();
  const QPoint pointer = layout().toWidget(point);
  QPoint at = pointer + QPoint(14, 14);
  if (at.x() + readout_->width() > width()) at.setX(pointer.x() - readout_->width() - 6);
  readout_->move(at);
  readout_->show();
}

}  // namespace sonarel::app
