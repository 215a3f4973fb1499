// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Client": a client's personal data, in insert mode (a new client, OK titled "Insert") or
// change mode (a stored client, OK titled "Change"). The birth-date fields are judged as
// they are typed and follow the language's order; OK runs the checks and keeps the dialog
// open on the first failure.

#include <QButtonGroup>
#include <QLineEdit>
#include <QPushButton>
#include <array>

#include "app/client_form.h"
#include "app/dialogs/message_dialog.h"

namespace sonarel::app {

class ClientDialog : public MessageDialog {
  Q_OBJECT
 public:
  enum class Mode { Insert, Change };

  ClientDialog(Mode mode, const records::ClientRecord& record, Language language,
               QWidget* parent = nullptr);

  // The record OK accepted (with the code given).
  const records::ClientRecord& record() const { return record_; }

  // For tests.
  QLineEdit* nameField() { return name_; }
  QLineEdit* dateField(DateField field) { return date_[static_cast<int>(field)]; }
  QLineEdit* cityField() { return city_; }
  QLineEdit* observationsField() { return observations_; }
  QButtonGroup* typeChoice() { return type_; }
  QPushButton* okButton() { return ok_; }

  void accept() override;

 private:
  QLineEdit* addText(const std::string& text, FieldLimit limit);
  void dateEdited(DateField field);
  ClientForm form() const;

  Mode mode_;
  Language language_;
  records::ClientRecord record_;
  QLineEdit* name_;
  QButtonGroup* type_;
  std::array<QLineEdit*, 3> date_{};  // by DateField
  std::array<bool, 3> dateValid_{};
  QLineEdit* address_;
  QLineEdit* city_;
  QLineEdit* state_;
  QLineEdit* zip_;
  QLineEdit* homePhone_;
  QLineEdit* workPhone_;
  QLineEdit* observations_;
  QPushButton* ok_;
};

}  // namespace sonarel::app
