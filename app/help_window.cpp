// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/help_window.h"

#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

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
  const QString translated = QString(":/help/%1/index.html").arg(languageSuffix);
  const QString folder = !languageSuffix.isEmpty() && QFile::exists(translated)
                             ? ":/help/" + languageSuffix
                             : ":/help/en";
  browser_->setSearchPaths({folder, ":/help/en"});
  // The full address, so that a change of language loads the other folder's page.
  browser_->setSource(QUrl("qrc" + folder + "/index.html"));
  browser_->clearHistory();
  show();
  raise();
  activateWindow();
}

}  // namespace sonarel::app
