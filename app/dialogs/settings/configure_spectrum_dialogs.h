// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Configure Power Spectrum" (transform size and window) and "Configure LPC Spectrum" (order
// and window): two combos each, preset from the current settings.

#include <QComboBox>
#include <QDialog>

#include "spectral/lpc_spectrum.h"
#include "spectral/power_spectrum.h"

namespace sonarel::app {

class ConfigurePowerSpectrumDialog : public QDialog {
  Q_OBJECT
 public:
  ConfigurePowerSpectrumDialog(const spectral::PowerSpectrumSettings& settings,
                               QWidget* parent = nullptr);
  spectral::PowerSpectrumSettings settings() const;
  QComboBox* sizeCombo() { return size_; }
  QComboBox* windowCombo() { return window_; }

 private:
  QComboBox* size_;
  QComboBox* window_;
};

class ConfigureLpcDialog : public QDialog {
  Q_OBJECT
 public:
  ConfigureLpcDialog(const spectral::LpcSettings& settings, QWidget* parent = nullptr);
  spectral::LpcSettings settings() const;
  QComboBox* orderCombo() { return order_; }
  QComboBox* windowCombo() { return window_; }

 private:
  QComboBox* order_;
  QComboBox* window_;
};

}  // namespace sonarel::app
