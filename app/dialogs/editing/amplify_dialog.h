// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Amplify Volume": the magnitude, in percent, that the marked stretch (or the whole file) is
// scaled by. Starts at 180; accepts whole numbers from 0 to 500 and stays open otherwise.

#include <QLineEdit>

#include "app/dialogs/message_dialog.h"

namespace sonarel::app {

class AmplifyDialog : public MessageDialog {
  Q_OBJECT
 public:
  explicit AmplifyDialog(QWidget* parent = nullptr);

  int magnitude() const { return magnitude_; }
  QLineEdit* magnitudeField() { return field_; }

  void accept() override;

 private:
  int magnitude_;
  QLineEdit* field_;
};

}  // namespace sonarel::app
