// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/languages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>

namespace sonarel::app {

QLocale Languages::localeOf(Language language) {
  switch (language) {
    case Language::Spanish:
      return QLocale(QLocale::Spanish, QLocale::Spain);
    case Language::Korean:
      return QLocale(QLocale::Korean, QLocale::SouthKorea);
    case Language::Portuguese:
      return QLocale(QLocale::Portuguese, QLocale::Brazil);
    case Language::English:
      break;
  }
  return QLocale(QLocale::English, QLocale::UnitedStates);
}

const char* Languages::suffixOf(Language language) {
  switch (language) {
    case Language::Spanish:
      return "es";
    case Language::Korean:
      return "ko";
    case Language::Portuguese:
      return "pt";
    case Language::English:
      break;
  }
  return "";
}

QString Languages::installedFile(const QString& relative) {
  const QString path =
      QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../share/sonarel/" + relative);
  return QFileInfo::exists(path) ? path : QString();
}

bool Languages::apply(Language language) {
  if (ours_) QCoreApplication::removeTranslator(ours_.get());
  if (qt_) QCoreApplication::removeTranslator(qt_.get());
  ours_.reset();
  qt_.reset();
  current_ = Language::English;
  QLocale::setDefault(localeOf(Language::English));
  if (language == Language::English) return true;

  auto ours = std::make_unique<QTranslator>();
  const QString name = QString("sonarel_%1.qm").arg(suffixOf(language));
  const QString installed = installedFile("translations/" + name);
  if (!ours->load(installed.isEmpty() ? ":/i18n/" + name : installed)) return false;
  QCoreApplication::installTranslator(ours.get());
  ours_ = std::move(ours);
  auto qt = std::make_unique<QTranslator>();
  if (qt->load(localeOf(language), "qtbase", "_",
               QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(qt.get());
    qt_ = std::move(qt);
  }
  QLocale::setDefault(localeOf(language));
  current_ = language;
  return true;
}

}  // namespace sonarel::app
