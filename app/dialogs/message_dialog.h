#pragma once
// A dialog that tells the user things and asks yes/no questions in message boxes. With the
// "quiet" property set (tests) no box opens: the text is only signalled, and questions take
// the answer held in the "answer" property (yes unless set to false).

#include <QDialog>
#include <QMessageBox>

#include "app/translated_text.h"

namespace sonarel::app {

class MessageDialog : public QDialog {
  Q_OBJECT
 public:
  using QDialog::QDialog;

  void tell(const core::Message& message) {
    const QString text = messageText(message);
    emit messageShown(text);
    if (!property("quiet").toBool()) QMessageBox::information(this, tr("Sonarel"), text);
  }

  bool ask(const core::Message& message) {
    const QString text = messageText(message);
    emit messageShown(text);
    if (property("quiet").toBool()) {
      const QVariant answer = property("answer");
      return !answer.isValid() || answer.toBool();
    }
    return QMessageBox::question(this, tr("Sonarel"), text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
  }

 signals:
  // Every message and question, as shown (tests listen here).
  void messageShown(const QString& text);
};

}  // namespace sonarel::app
