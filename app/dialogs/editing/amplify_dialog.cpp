// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/editing/amplify_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/session/sound_editing.h"
#include "core/f0_settings.h"

namespace sonarel::app {

AmplifyDialog::AmplifyDialog(QWidget* parent)
    : MessageDialog(parent),
      magnitude_(kDefaultMagnitude),
      field_(new QLineEdit(QString::number(kDefaultMagnitude), this)) {
  setWindowTitle(tr("Amplify Volume"));
  field_->setObjectName("magnitude");
  auto* row = new QHBoxLayout;
  row->addWidget(new QLabel(tr("Magnitude: "), this));
  row->addWidget(field_);
  row->addWidget(new QLabel(tr("%"), this));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addWidget(buttons);
}

void AmplifyDialog::accept() {
  const auto typed = core::parseDialogInteger(field_->text().trimmed().toStdString());
  if (!typed || *typed < kMinimumMagnitude || *typed > kMaximumMagnitude) {
    warn(typed ? core::Message{core::MessageId::MagnitudeRange}
               : core::notANumber(field_->text().trimmed().toStdString()));
    field_->setFocus();
    field_->selectAll();
    return;
  }
  magnitude_ = *typed;
  QDialog::accept();
}

}  // namespace sonarel::app
