// SPDX-License-Identifier: GPL-3.0-or-later
// noted: the notes editor the workstation starts with the path of one notes document.

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>

#include "app/config_files.h"
#include "app/languages.h"
#include "noted/notes_window.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("noted");
  const QStringList arguments = QApplication::arguments();
  if (arguments.size() != 2) {
    std::fprintf(stderr, "usage: noted DOCUMENT.rtf\n");
    return 2;
  }
  // The document lies in a client folder of the data folder, whose lang.dat names the
  // language of the workstation.
  const QString path = QFileInfo(arguments[1]).absoluteFilePath();
  const QString dataFolder = QFileInfo(QFileInfo(path).absolutePath()).absolutePath();
  sonarel::app::Languages languages;
  languages.apply(sonarel::app::ConfigFiles(dataFolder.toStdString())
                      .language()
                      .value_or(sonarel::app::Language::English));
  sonarel::noted::NotesWindow window(path);
  window.show();
  return application.exec();
}
