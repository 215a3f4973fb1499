// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Record" dialog's trace: the signal as it arrives, one running line from left to right
// on black, green for vocal-quality files and cyan for voice-analysis files, starting again
// at the left edge on a cleared area once it reaches the right edge (a sweep lasts the
// area's width times 4 ms: 1.9 s across 480 columns). After a take, the whole take can be
// shown at once. Sample values are divided by 128 (512 at 44100 Hz), or by more where the
// area is too low for that, so that full scale still fits between the edges.

#include <QImage>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <vector>

namespace sonarel::app {

class RecordTrace : public QWidget {
  Q_OBJECT
 public:
  RecordTrace(bool vocalQuality, std::uint32_t sampleRate, QWidget* parent = nullptr);

  void clear();
  void addSamples(const std::vector<std::int16_t>& samples);
  // The whole of a take, squeezed into the area's width, each column from its lowest to its
  // highest sample.
  void showTake(const std::vector<std::int16_t>& samples);
  // Sample values per pixel at the area's present height.
  int scale() const;
  // A line of text over a cleared area ("Wait, Calibrating...").
  void showNotice(const QString& text);
  const QString& notice() const { return notice_; }
  int penX() const { return penX_; }
  const QImage& picture() const { return picture_; }

  QSize sizeHint() const override { return {480, 160}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  int yOf(int sample) const;

  QColor colour_;
  int scale_;             // sample values per pixel: 128, or 512 at 44100 Hz
  int samplesPerColumn_;  // about 4 ms of sound per pixel column
  QImage picture_;
  QString notice_;
  int penX_ = 0;
  int penY_ = -1;
  int columnFill_ = 0;  // samples already drawn in the current column
  int columnLow_ = 0, columnHigh_ = 0;
  std::vector<std::int16_t> take_;  // the take shown whole, drawn again at a new size
};

}  // namespace sonarel::app
