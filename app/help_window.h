// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help window: the pages shipped with the program, in the language in force when a
// translation of a page exists.

#include <QTextBrowser>
#include <QWidget>

namespace sonarel::app {

class HelpWindow : public QWidget {
  Q_OBJECT
 public:
  explicit HelpWindow(QWidget* parent = nullptr);
  void showContents(const QString& languageSuffix);
  QTextBrowser* browser() { return browser_; }

 private:
  QTextBrowser* browser_;
};

}  // namespace sonarel::app
