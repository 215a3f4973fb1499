// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Configure Record...": the recording input (microphone or line input, kept in cfg1.dat)
// and the rate of voice-analysis recordings (11025 or 22050 Hz, until the next file opens).

#include <QComboBox>
#include <QDialog>
#include <cstdint>

namespace sonarel::app {

class CConfGravar : public QDialog {
  Q_OBJECT
 public:
  // `microphoneInput`: 1 "Microphone", 0 "Line Input".
  CConfGravar(int microphoneInput, std::uint32_t voiceAnalysisRate, QWidget* parent = nullptr);

  int microphoneInput() const { return input_->currentIndex() == 0 ? 1 : 0; }
  std::uint32_t voiceAnalysisRate() const { return rate_->currentIndex() == 1 ? 22050 : 11025; }
  QComboBox* inputBox() { return input_; }
  QComboBox* rateBox() { return rate_; }

 private:
  QComboBox* input_;
  QComboBox* rate_;
};

}  // namespace sonarel::app
