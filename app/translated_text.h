// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The catalogue's messages and command texts in the language in force.

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include "core/message.h"

namespace sonarel::app {

// The translated template, filled by the catalogue's own routine so that every language
// treats placeholders and "%%" alike.
inline QString messageText(const core::Message& message) {
  const QString pattern =
      QCoreApplication::translate("Message", core::messageTemplate(message.id).data());
  return QString::fromStdString(core::fillTemplate(pattern.toStdString(), message.arguments));
}

// The translated details of a message, one a line (a message box's informative text).
inline QString detailText(const core::Message& message) {
  QStringList lines;
  for (const core::Message& detail : message.details) lines << messageText(detail);
  return lines.join(QLatin1Char('\n'));
}

inline QString commandText(const char* english) {
  return QCoreApplication::translate("Command", english);
}

}  // namespace sonarel::app
