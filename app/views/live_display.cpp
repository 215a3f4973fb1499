// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/views/live_display.h"

#include <QPainter>
#include <algorithm>

#include "app/drawing/display_modes.h"
#include "app/drawing/live_drawing.h"
#include "app/frame/mfc_doc.h"

namespace sonarel::app {

LiveCanvas::LiveCanvas(const DisplayModeEntry& entry, const GraphGeometry& geometry, QSize size,
                       const DisplayData& data)
    : entry_(entry), geometry_(geometry), data_(data) {
  data_.liveColumn = -1;
  before_ = QImage(size, QImage::Format_ARGB32_Premultiplied);
  before_.fill(Qt::white);
  {
    QPainter painter(&before_);
    if (entry_.liveDrawing != LiveDrawing::Frame) entry_.draw(painter, geometry_.graph, data_);
    drawWaveformStrip(painter, geometry_.strip, data_);
  }
  if (entry_.liveDrawing != LiveDrawing::Frame) {
    whole_ = QImage(size, QImage::Format_ARGB32_Premultiplied);
    whole_.fill(Qt::white);
    QPainter painter(&whole_);
    DisplayData finished = data_;
    finished.liveColumn = kLiveColumns;
    entry_.draw(painter, geometry_.graph, finished);
  }
}

int LiveCanvas::shownColumn(int column) const {
  return entry_.liveDrawing == LiveDrawing::UncoverEven ? evenColumn(column) : column;
}

void LiveCanvas::paint(QPainter& painter, int column) const {
  painter.drawImage(0, 0, before_);
  if (entry_.liveDrawing == LiveDrawing::Frame) {
    if (column >= 0) {
      DisplayData shown = data_;
      shown.liveColumn = column;
      entry_.draw(painter, geometry_.graph, shown);
    }
  } else {
    const int shown = entry_.liveDrawing == LiveDrawing::UncoverEven ? evenColumn(column) : column;
    const QRect area = uncoveredArea(geometry_.graph, shown);
    if (!area.isEmpty()) painter.drawImage(area.topLeft(), whole_, area);
  }
  drawLiveCursor(painter, geometry_.strip, column);
}

QRect LiveCanvas::changedArea(int previous, int column) const {
  const QRect& strip = geometry_.strip;
  QRect area =
      QRect(strip.left() + std::max(0, previous), strip.top(), 1, strip.height())
          .united(QRect(strip.left() + std::max(0, column), strip.top(), 1, strip.height()));
  const int from = shownColumn(previous), to = shownColumn(column);
  if (from == to) return area;
  if (entry_.liveDrawing == LiveDrawing::Frame) {
    // The spectrum or the vowel chart with its scales.
    return area.united(geometry_.graph.adjusted(-80, -30, 80, 40));
  }
  // The columns between the two, a column more on each side for curves that join them.
  QRect graphPart = uncoveredArea(geometry_.graph, std::max(from, to) + 1);
  graphPart.setLeft(geometry_.graph.left() + std::max(0, std::min(from, to) - 1));
  return area.united(graphPart);
}

LivePlayer::LivePlayer(CMfcDoc& document, audio::PlaybackDevice* device, QObject* parent)
    : QObject(parent), document_(document), device_(device) {}

LivePlayer::~LivePlayer() {
  abandon();
}

void LivePlayer::prepare(const DisplayModeEntry& entry, const GraphGeometry& geometry,
                         QSize viewSize) {
  release();
  const ViewState& state = document_.state();
  data_ = state.displayData();
  blocks_ = LiveBlocks::of(state.buffer().count());
  if (entry.afterEnd == mode::LpcSpectrum) {
    spectra_ = liveLpcSpectra(state.buffer().samples, state.spectral().lpcSettings());
  } else if (entry.afterEnd == mode::PowerSpectrum) {
    spectra_ = livePowerSpectra(state.buffer().samples, state.spectral().powerSettings());
  }
  data_.liveSpectra = &spectra_;
  canvas_ = std::make_unique<LiveCanvas>(entry, geometry, viewSize, data_);
}

std::optional<core::Message> LivePlayer::start() {
  if (!canvas_ || !device_) {
    release();
    return core::Message{core::MessageId::CannotOpenWaveformOutput};
  }
  const core::SampleBuffer& buffer = document_.state().buffer();
  const auto heard =
      std::span(buffer.samples).first(static_cast<std::size_t>(blocks_.playedLength()));
  // Connected first: a device may report (or finish) from inside play().
  connect(device_, &audio::PlaybackDevice::progressed, this, &LivePlayer::onProgress);
  connect(device_, &audio::PlaybackDevice::lost, this, [this] { lost_ = true; });
  connect(device_, &audio::PlaybackDevice::finished, this, &LivePlayer::onFinished);
  column_ = 0;
  finished_ = 0;
  stopRequested_ = false;
  lost_ = false;
  playing_ = true;
  if (device_->play(buffer.format, heard)) {
    device_->disconnect(this);
    playing_ = false;
    release();
    return core::Message{core::MessageId::CannotOpenWaveformOutput};
  }
  emit columnReached(0, true);
  // Recordings too short for any further block end with the first one.
  onProgress();
  return std::nullopt;
}

void LivePlayer::onProgress() {
  if (!playing_ || !device_) return;
  const int finished = blocks_.finishedBlocks(device_->playedSamples());
  if (finished <= finished_) return;
  finished_ = finished;
  const int next = columnAfter(finished);
  if (next < 0) {
    // Every block has been heard: the output is closed and the display ends.
    device_->stop();
    return;
  }
  const int previous = column_;
  column_ = next;
  if (stopRequested_) return;
  emit columnReached(column_, canvas_->shownColumn(column_) != canvas_->shownColumn(previous));
}

void LivePlayer::stop() {
  if (!playing_) return;
  stopRequested_ = true;
  if (device_) device_->stop();
}

void LivePlayer::onFinished() {
  if (!playing_) return;
  if (device_) device_->disconnect(this);
  playing_ = false;
  const int afterEnd = canvas_->entry().afterEnd;
  release();
  emit ended(afterEnd, stopRequested_, lost_);
}

void LivePlayer::abandon() {
  if (device_) device_->disconnect(this);
  if (playing_ && device_) device_->stop();
  playing_ = false;
  release();
}

void LivePlayer::release() {
  canvas_.reset();
  spectra_ = {};
  data_ = {};
}

}  // namespace sonarel::app
