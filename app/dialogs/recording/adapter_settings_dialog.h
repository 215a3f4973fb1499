// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Andrea PureAudio USB Settings": whether the USB adapter is in use, its noise-reduction
// filter and its input gain (cfg_aa.dat). The in-use box starts ticked when it was never set
// and an input of the adapter's name is present.

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>

#include "audio/recording_format.h"

namespace sonarel::app {

class AdapterSettingsDialog : public QDialog {
  Q_OBJECT
 public:
  AdapterSettingsDialog(const audio::AdapterSettings& settings, QWidget* parent = nullptr);

  audio::AdapterSettings settings() const;
  QCheckBox* inUseBox() { return inUse_; }
  QComboBox* filterBox() { return filter_; }
  QComboBox* gainBox() { return gain_; }

 private:
  QCheckBox* inUse_;
  QComboBox* filter_;
  QComboBox* gain_;
};

// Whether one of the sound inputs is the adapter, by its name.
bool isAdapterInputName(const QString& name);

}  // namespace sonarel::app
