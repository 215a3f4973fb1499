// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A dialog that tells the user things and asks yes/no questions: in message boxes over
// itself, or through the prompt it was given (tests give a ScriptedPrompt). Every text is
// also signalled as shown.

#include <QDialog>
#include <QMessageBox>

#include "app/frame/box_prompt.h"
#include "app/session/prompt.h"
#include "app/translated_text.h"

namespace sonarel::app {

class MessageDialog : public QDialog {
  Q_OBJECT
 public:
  using QDialog::QDialog;

  // Messages and questions go to `prompt` from now on; null: message boxes.
  void setPrompt(Prompt* prompt) { prompt_ = prompt; }
  Prompt* prompt() const { return prompt_; }

  void tell(const core::Message& message) {
    emit messageShown(messageText(message));
    if (prompt_) {
      prompt_->tell(message);
    } else {
      BoxPrompt(this).tell(message);
    }
  }

  bool ask(const core::Message& message) {
    emit messageShown(messageText(message));
    return prompt_ ? prompt_->ask(message) : BoxPrompt(this).ask(message);
  }

  // A refused entry: a warning box over the dialog, or the prompt.
  void warn(const core::Message& message) {
    emit messageShown(messageText(message));
    if (prompt_) {
      prompt_->tell(message);
    } else {
      BoxPrompt(this, QMessageBox::Warning).tell(message);
    }
  }

 signals:
  // Every message and question, as shown (tests listen here).
  void messageShown(const QString& text);

 private:
  Prompt* prompt_ = nullptr;
};

}  // namespace sonarel::app
