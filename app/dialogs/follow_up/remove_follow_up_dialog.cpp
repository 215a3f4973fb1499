// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/follow_up/remove_follow_up_dialog.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>

#include "app/drawing/quality_drawing.h"

namespace sonarel::app {

CRemoverFollowUp::CRemoverFollowUp(const FollowUpSeries& series, int language, QWidget* parent)
    : MessageDialog(parent), list_(new QTreeWidget(this)) {
  setWindowTitle(tr("Remove Sound File"));
  list_->setColumnCount(1);
  list_->setHeaderLabels({tr("File")});
  list_->setRootIsDecorated(false);
  for (int slot = 0; slot < FollowUpSeries::kSlots; ++slot) {
    const auto& recording = series.recordings()[static_cast<std::size_t>(slot)];
    if (!recording) continue;
    auto* item = new QTreeWidgetItem(
        list_, {legendEntryText(recording->fileNumber, recording->date, language)});
    item->setData(0, Qt::UserRole, slot);
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &CRemoverFollowUp::confirm);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_);
  layout->addWidget(buttons);
  resize(320, 220);
}

void CRemoverFollowUp::confirm() {
  const QTreeWidgetItem* item = list_->currentItem();
  if (!item || !item->isSelected()) {
    tell(core::Message{core::MessageId::SelectFile});
    return;
  }
  chosen_ = item->data(0, Qt::UserRole).toInt();
  accept();
}

}  // namespace sonarel::app
