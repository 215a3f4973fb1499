// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/printing/print_dialog.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QVBoxLayout>

#include "app/printing/report_document.h"

namespace sonarel::app {

CImprimir::CImprimir(core::FileKind kind, const PrintChoices& choices, QWidget* parent)
    : MessageDialog(parent), kind_(kind) {
  setWindowTitle(tr("Print"));
  auto* layout = new QVBoxLayout(this);
  auto* screens = new QGroupBox(tr("Screens"), this);
  auto* screenLayout = new QVBoxLayout(screens);
  for (int page : reportPageOrder(kind)) {
    if (!reportPagePrintable(page)) continue;
    auto* box = new QCheckBox(reportPageTitle(page), screens);
    box->setChecked(choices.ticked.contains(page));
    screenLayout->addWidget(box);
    boxes_[page] = box;
  }
  layout->addWidget(screens);
  pageNumbers_ = new QCheckBox(tr("Print page number"), this);
  pageNumbers_->setChecked(choices.pageNumbers);
  grayScale_ = new QCheckBox(tr("Print sound file in gray scale"), this);
  grayScale_->setChecked(choices.grayScale);
  layout->addWidget(pageNumbers_);
  layout->addWidget(grayScale_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &CImprimir::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &CImprimir::reject);
  layout->addWidget(buttons);
}

PrintChoices CImprimir::choices() const {
  PrintChoices choices;
  for (const auto& [page, box] : boxes_)
    if (box->isChecked()) choices.ticked.insert(page);
  choices.pageNumbers = pageNumbers_->isChecked();
  choices.grayScale = grayScale_->isChecked();
  return choices;
}

std::vector<int> CImprimir::pages() const {
  return orderedPages(kind_, choices().ticked);
}

QCheckBox* CImprimir::pageBox(int page) const {
  const auto found = boxes_.find(page);
  return found == boxes_.end() ? nullptr : found->second;
}

void CImprimir::accept() {
  if (auto refused = refuseEmptyReport(pages())) {
    warn(*refused);
    return;
  }
  MessageDialog::accept();
}

}  // namespace sonarel::app
