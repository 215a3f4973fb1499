// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/help_window.h"

#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/languages.h"

namespace sonarel::app {

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this)) {
  setWindowTitle(tr("Sonarel Help"));
  resize(720, 620);
  browser_->setOpenExternalLinks(false);
  auto* back = new QPushButton(tr("Back"), this);
  auto* home = new QPushButton(tr("Contents"), this);
  connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
  connect(home, &QPushButton::clicked, browser_, &QTextBrowser::home);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(back);
  buttons->addWidget(home);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(browser_);
}

void HelpWindow::showContents(const QString& languageSuffix) {
  // The installed pages when the program runs from its installation, else its own copies.
  const QString installed = Languages::installedFile("help");
  const QString root = installed.isEmpty() ? ":/help" : installed;
  const QString translated = QString("%1/%2/index.html").arg(root, languageSuffix);
  const QString folder = !languageSuffix.isEmpty() && QFile::exists(translated)
                             ? root + "/" + languageSuffix
                             : root + "/en";
  browser_->setSearchPaths({folder, root + "/en"});
  // The full address, so that a change of language loads the other folder's page.
  browser_->setSource(installed.isEmpty() ? QUrl("qrc" + folder + "/index.html")
                                          : QUrl::fromLocalFile(folder + "/index.html"));
  browser_->clearHistory();
  show();
  raise();
  activateWindow();
}

}  // namespace sonarel::app
