#pragma once
// The window's prompt: messages and questions in message boxes over `parent`, in the
// language in force.

#include <QMessageBox>
#include <QWidget>

#include "app/session/prompt.h"
#include "app/translated_text.h"

namespace sonarel::app {

class BoxPrompt : public Prompt {
 public:
  BoxPrompt(QWidget* parent, QMessageBox::Icon icon = QMessageBox::Information)
      : parent_(parent), icon_(icon) {}

  void tell(const core::Message& message) override {
    QMessageBox box(icon_, title(), messageText(message), QMessageBox::Ok, parent_);
    box.exec();
  }
  bool ask(const core::Message& question) override {
    return QMessageBox::question(parent_, title(), messageText(question),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
  }

 private:
  static QString title() {
    return QCoreApplication::translate("sonarel::app::CMainFrame", "Sonarel");
  }

  QWidget* parent_;
  QMessageBox::Icon icon_;
};

}  // namespace sonarel::app
