// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Configure Intensity": the low and high limits of the intensity scale.

#include <QDialog>

#include <QLineEdit>
#include "app/dialogs/message_dialog.h"

#include "core/intensity.h"

namespace sonarel::app {

class ConfigureIntensityDialog : public MessageDialog {
  Q_OBJECT
 public:
  ConfigureIntensityDialog(const core::IntensitySettings& settings, QWidget* parent = nullptr);

  const core::IntensitySettings& settings() const { return settings_; }
  QLineEdit* lowField() { return low_; }
  QLineEdit* highField() { return high_; }

  void accept() override;

 signals:
  void refused(const QString& message);

 private:
  core::IntensitySettings settings_;
  QLineEdit* low_;
  QLineEdit* high_;
};

}  // namespace sonarel::app
