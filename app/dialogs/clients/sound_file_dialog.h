// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Sound File" asks the type of a new recording; "Notice" reminds the user that vocal
// quality needs a sustained vowel, with a box to stop the reminder.

#include <QCheckBox>
#include <QDialog>
#include <optional>

#include "records/client_folder.h"

namespace sonarel::app {

class SoundFileDialog : public QDialog {
  Q_OBJECT
 public:
  explicit SoundFileDialog(QWidget* parent = nullptr);
  // "Voice Analysis" or "Vocal Quality"; nothing after "Cancel".
  std::optional<records::RecordingType> chosen() const { return chosen_; }

 private:
  std::optional<records::RecordingType> chosen_;
};

class NoticeDialog : public QDialog {
  Q_OBJECT
 public:
  explicit NoticeDialog(QWidget* parent = nullptr);
  // "don´t show this message again" was ticked.
  bool stopShowing() const { return stop_->isChecked(); }
  QCheckBox* stopBox() { return stop_; }

 private:
  QCheckBox* stop_;
};

}  // namespace sonarel::app
