// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/views/comparison_bar.h"

#include <QEvent>
#include <QVBoxLayout>

namespace sonarel::app {

ComparisonBar::ComparisonBar(CMfcDoc& document, QWidget* parent)
    : QWidget(parent), title_(new QLabel(this)), view_(new CMfcView(document, this, true)) {
  setObjectName("ComparisonBar");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  title_->setStyleSheet(
      "QLabel { background: #dfe6f3; border-top: 1px solid #9aa6bd; padding: 1px 8px; "
      "color: #000078; }");
  layout->addWidget(title_);
  layout->addWidget(view_, 1);
}

void ComparisonBar::setTitle(const QString& fileName) {
  fileName_ = fileName;
  title_->setText(tr("Comparison: %1").arg(fileName_));
}

void ComparisonBar::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) setTitle(fileName_);
  QWidget::changeEvent(event);
}

}  // namespace sonarel::app
