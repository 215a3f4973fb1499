#pragma once
// The catalogue's messages and command texts in the language in force.

#include <QCoreApplication>
#include <QRegularExpression>
#include <QString>

#include "core/message.h"

namespace sonarel::app {

inline QString messageText(const core::Message& message) {
  QString text = QCoreApplication::translate("Message", core::messageTemplate(message.id).data());
  for (const std::string& argument : message.arguments) {
    // Placeholders in order, whether %s or %d.
    static const QRegularExpression placeholder("%[sd]");
    const int at = static_cast<int>(text.indexOf(placeholder));
    if (at < 0) break;
    text.replace(at, 2, QString::fromStdString(argument));
  }
  return text;
}

inline QString commandText(const char* english) {
  return QCoreApplication::translate("Command", english);
}

}  // namespace sonarel::app
