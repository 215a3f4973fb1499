// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Configure F0": the method, the F0 range, the silence threshold and the drawing style.
// OK runs the checks in their order and keeps the dialog open on the first failure.

#include <QButtonGroup>
#include <QComboBox>
#include <QDialog>

#include "app/dialogs/message_dialog.h"

#include "core/f0_settings.h"

namespace sonarel::app {

class ConfigureF0Dialog : public MessageDialog {
  Q_OBJECT
 public:
  ConfigureF0Dialog(const core::F0Settings& settings, QWidget* parent = nullptr);

  // The settings accepted by OK (the initial ones until then).
  const core::F0Settings& settings() const { return settings_; }

  // For tests: type into the fields and press OK.
  QComboBox* methodBox() { return method_; }
  QComboBox* lowBox() { return low_; }
  QComboBox* highBox() { return high_; }
  QComboBox* thresholdBox() { return threshold_; }

  void accept() override;

 signals:
  // A check failed: the message about to be shown (tests listen here).
  void refused(const QString& message);

 private:
  core::F0Settings settings_;
  QComboBox* method_;
  QComboBox* low_;
  QComboBox* high_;
  QComboBox* threshold_;
  QButtonGroup* style_;
};

}  // namespace sonarel::app
