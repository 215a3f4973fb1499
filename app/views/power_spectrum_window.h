// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Power Spectrum" pop-up of the spectrogram displays: the spectrum of the single frame
// under a right click, with a marker at the clicked height. Modeless; moving or closing it
// clears the strip selection of the view (the view listens to `dismissed`).

#include <QWidget>
#include <optional>
#include <vector>

namespace sonarel::app {

class CEspectroEnergia : public QWidget {
  Q_OBJECT
 public:
  explicit CEspectroEnergia(QWidget* parent = nullptr);

  // The frame's levels (none: the frame would run past the recording), its rate and the
  // pointer height in percent of the picture.
  void setSpectrum(std::optional<std::vector<float>> levels, std::uint32_t rate, double percent);
  bool empty() const { return !levels_; }

 signals:
  void dismissed();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  std::optional<std::vector<float>> levels_;
  std::uint32_t rate_ = 0;
  double percent_ = 0;
};

}  // namespace sonarel::app
