// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/desktop_trash.h"

#include <QFile>
#include <QString>

namespace sonarel::app {

records::Discard desktopTrash(const std::string& dataFolder) {
  return [dataFolder](const std::string& path) {
    return QFile::moveToTrash(QString::fromStdString(path)) ||
           records::moveToDataTrash(dataFolder, path);
  };
}

}  // namespace sonarel::app
