// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's prompt: messages and questions in message boxes over `parent`, in the
// language in force.

#include <QMessageBox>
#include <QPushButton>
#include <QWidget>

#include "app/session/prompt.h"
#include "app/translated_text.h"

namespace sonarel::app {

class BoxPrompt : public Prompt {
 public:
  BoxPrompt(QWidget* parent, QMessageBox::Icon icon = QMessageBox::Information)
      : parent_(parent), icon_(icon) {}

  // The message, with its details (why a file was refused, say) as the informative text.
  void tell(const core::Message& message) override {
    QMessageBox box(icon_, title(), messageText(message), QMessageBox::Ok, parent_);
    box.setInformativeText(detailText(message));
    box.exec();
  }
  // Yes or No; a question that erases something has No as its default button.
  bool ask(const core::Message& question) override {
    QMessageBox box(QMessageBox::Question, title(), messageText(question),
                    QMessageBox::Yes | QMessageBox::No, parent_);
    box.setInformativeText(detailText(question));
    box.setDefaultButton(defaultsToNo(question.id) ? QMessageBox::No : QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
  }
  // The three answers, and Cancel (or Escape) to go back to the changed file.
  SaveAnswer askSave(const core::Message& question) override {
    QMessageBox box(QMessageBox::Question,
                    QCoreApplication::translate("sonarel::app::BoxPrompt", "Save Changes?"),
                    messageText(question), QMessageBox::NoButton, parent_);
    QAbstractButton* over =
        box.addButton(QCoreApplication::translate("sonarel::app::BoxPrompt", "Save this File"),
                      QMessageBox::AcceptRole);
    QAbstractButton* asNew =
        box.addButton(QCoreApplication::translate("sonarel::app::BoxPrompt", "Save as new File"),
                      QMessageBox::AcceptRole);
    QAbstractButton* dontSave =
        box.addButton(QCoreApplication::translate("sonarel::app::BoxPrompt", "Don´t save"),
                      QMessageBox::DestructiveRole);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(static_cast<QPushButton*>(over));
    box.exec();
    if (box.clickedButton() == over) return SaveAnswer::SaveOver;
    if (box.clickedButton() == asNew) return SaveAnswer::SaveAsNew;
    if (box.clickedButton() == dontSave) return SaveAnswer::DontSave;
    return SaveAnswer::Cancel;
  }

 private:
  static QString title() {
    return QCoreApplication::translate("sonarel::app::CMainFrame", "Sonarel");
  }

  QWidget* parent_;
  QMessageBox::Icon icon_;
};

}  // namespace sonarel::app
