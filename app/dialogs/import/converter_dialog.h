// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Convert File": shown before an outside sound file whose format a recording cannot take
// is imported. It names the source (rate, mono or stereo) and the target file, and asks the
// target's rate and, for a source of several channels, which channel to keep.

#include <QComboBox>
#include <QDialog>
#include <QRadioButton>
#include <QString>

#include "core/sample_buffer.h"
#include "spectral/sound_import.h"

namespace sonarel::app {

struct ConversionQuestion {
  QString sourceName;
  int sourceRate = 0;  // Hz
  int channels = 1;
  QString targetName;  // "wv%03d.wav" or "qv%03d.wav"
  core::FileKind kind = core::FileKind::VoiceAnalysis;
  int presetRate = 22050;  // Hz, one the kind accepts
};

class CConverter : public QDialog {
  Q_OBJECT
 public:
  explicit CConverter(const ConversionQuestion& question, QWidget* parent = nullptr);

  int targetRate() const;
  spectral::ChannelChoice channel() const;

  QComboBox* rateBox() { return rate_; }
  QRadioButton* channelButton(spectral::ChannelChoice choice);

 private:
  QComboBox* rate_;
  QRadioButton* left_;
  QRadioButton* right_;
  QRadioButton* mix_;
};

}  // namespace sonarel::app
