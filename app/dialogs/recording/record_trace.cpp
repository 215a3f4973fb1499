// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/recording/record_trace.h"

#include <QPainter>
#include <algorithm>

namespace sonarel::app {

RecordTrace::RecordTrace(bool vocalQuality, std::uint32_t sampleRate, QWidget* parent)
    : QWidget(parent),
      colour_(vocalQuality ? Qt::green : Qt::cyan),
      scale_(sampleRate >= 44100 ? 512 : 128),
      samplesPerColumn_(std::max<int>(1, static_cast<int>(sampleRate / 250))) {
  setObjectName("recordTrace");
  setMinimumSize(480, 128);  // a sweep of at least 1.9 s
  clear();
}

void RecordTrace::clear() {
  take_.clear();
  picture_ = QImage(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
  picture_.fill(Qt::black);
  notice_.clear();
  penX_ = 0;
  penY_ = -1;
  columnFill_ = 0;
  update();
}

void RecordTrace::resizeEvent(QResizeEvent*) {
  if (!take_.empty()) {
    showTake(std::vector<std::int16_t>(take_));
    return;
  }
  // The running line keeps what it has drawn (the dialog's layout may change as it runs).
  QImage resized(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
  resized.fill(Qt::black);
  QPainter(&resized).drawImage(0, 0, picture_);
  picture_ = resized;
  if (penX_ >= picture_.width()) {
    picture_.fill(Qt::black);
    penX_ = 0;
    penY_ = -1;
  }
  penY_ = std::min(penY_, picture_.height() - 1);
  update();
}

int RecordTrace::scale() const {
  // Full scale (32768) reaches the edge, never beyond it.
  const int half = std::max(1, picture_.height() / 2);
  return std::max(scale_, (32768 + half - 1) / half);
}

int RecordTrace::yOf(int sample) const {
  const int h = picture_.height();
  return std::clamp(h / 2 - sample / scale(), 0, h - 1);
}

void RecordTrace::showTake(const std::vector<std::int16_t>& samples) {
  clear();
  if (samples.empty()) return;
  QPainter painter(&picture_);
  painter.setPen(colour_);
  const int width = picture_.width();
  const std::size_t count = samples.size();
  for (int x = 0; x < width; ++x) {
    const std::size_t first = count * static_cast<std::size_t>(x) / width;
    const std::size_t last = std::max(first + 1, count * static_cast<std::size_t>(x + 1) / width);
    if (first >= count) break;
    const auto [low, high] =
        std::minmax_element(samples.begin() + static_cast<std::ptrdiff_t>(first),
                            samples.begin() + static_cast<std::ptrdiff_t>(std::min(last, count)));
    painter.drawLine(x, yOf(*low), x, yOf(*high));
  }
  penX_ = width;
  take_ = samples;
  update();
}

void RecordTrace::addSamples(const std::vector<std::int16_t>& samples) {
  if (!notice_.isEmpty()) clear();
  QPainter painter(&picture_);
  painter.setPen(colour_);
  for (std::int16_t s : samples) {
    if (columnFill_ == 0) columnLow_ = columnHigh_ = s;
    columnLow_ = std::min<int>(columnLow_, s);
    columnHigh_ = std::max<int>(columnHigh_, s);
    if (++columnFill_ < samplesPerColumn_) continue;
    // One column: the stroke from the last point through this column's extremes.
    const int low = yOf(columnLow_), high = yOf(columnHigh_);
    if (penY_ >= 0) painter.drawLine(std::max(0, penX_ - 1), penY_, penX_, (low + high) / 2);
    painter.drawLine(penX_, low, penX_, high);
    penY_ = (low + high) / 2;
    columnFill_ = 0;
    if (++penX_ >= picture_.width()) {
      picture_.fill(Qt::black);
      penX_ = 0;
      penY_ = -1;
    }
  }
  update();
}

void RecordTrace::showNotice(const QString& text) {
  if (notice_ == text) return;
  clear();
  notice_ = text;
  QPainter painter(&picture_);
  painter.setPen(Qt::white);
  painter.drawText(picture_.rect(), Qt::AlignCenter, text);
  update();
}

void RecordTrace::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, picture_);
}

}  // namespace sonarel::app
