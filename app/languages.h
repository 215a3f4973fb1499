// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The user-interface language: our own translations of every text (compiled into the
// program) and Qt's own for the standard dialogs, switched while the program runs.

#include <QLocale>
#include <QTranslator>
#include <memory>

#include "app/config_files.h"

namespace sonarel::app {

class Languages {
 public:
  // Installs the translations of `language` (English needs none); false when the
  // translation could not be loaded, in which case English stays.
  bool apply(Language language);
  Language current() const { return current_; }

  static QLocale localeOf(Language language);
  static const char* suffixOf(Language language);  // "es", "ko", "pt"; "" for English
  // `relative` under the installation's share/sonarel folder (PREFIX/share/sonarel beside
  // PREFIX/bin, where the program runs from), or an empty string when that does not exist,
  // as in the build tree: the copies compiled into the program serve then.
  static QString installedFile(const QString& relative);

 private:
  Language current_ = Language::English;
  std::unique_ptr<QTranslator> ours_;
  std::unique_ptr<QTranslator> qt_;
};

}  // namespace sonarel::app
