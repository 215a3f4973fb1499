// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Vowel Space" (CConfVogal): the client type and vowel set whose targets the chart shows,
// and the F1/F2 target of every vowel of the set. Changing the type or the set reloads the
// rows (the Korean set shows ten, the others seven); "Default" puts the set's default
// targets of the shown type back. OK checks the rows in order and keeps the dialog open,
// with the focus on the offending edit, at the first failure.

#include <QComboBox>
#include <QDialog>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>
#include "app/dialogs/message_dialog.h"

#include "spectral/vowel_targets.h"

namespace sonarel::app {

class CConfVogal : public MessageDialog {
  Q_OBJECT
 public:
  // `clientType` presets the type (a singer shows as a man); `targets` are the stored
  // targets of `vowelSet`.
  CConfVogal(int clientType, int vowelSet, const spectral::VowelTargets& targets,
             QWidget* parent = nullptr);

  // What OK accepted (the initial choice until then).
  int clientType() const { return acceptedType_; }
  int vowelSet() const { return acceptedSet_; }
  const spectral::VowelBlock& targets() const { return acceptedBlock_; }

  // For tests.
  QComboBox* typeBox() { return type_; }
  QComboBox* languageBox() { return language_; }
  QLineEdit* f1Edit(int row) { return rows_[static_cast<std::size_t>(row)].f1; }
  QLineEdit* f2Edit(int row) { return rows_[static_cast<std::size_t>(row)].f2; }
  QLabel* symbolLabel(int row) { return rows_[static_cast<std::size_t>(row)].symbol; }
  QPushButton* defaultButton() { return default_; }

  void accept() override;

 signals:
  // A check failed: the message about to be shown (tests listen here).
  void refused(const QString& message);

 private:
  struct Row {
    QLabel* symbol = nullptr;
    QLineEdit* f1 = nullptr;
    QLineEdit* f2 = nullptr;
  };

  void reload();
  void fill(const spectral::VowelBlock& block);

  int storedSet_;
  spectral::VowelTargets stored_;
  int acceptedType_;
  int acceptedSet_;
  spectral::VowelBlock acceptedBlock_{};
  QComboBox* type_;
  QComboBox* language_;
  std::array<Row, spectral::kVowelsPerSet> rows_;
  QPushButton* default_;
};

}  // namespace sonarel::app
