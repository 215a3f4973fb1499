// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/recording/configure_record_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QVBoxLayout>

namespace sonarel::app {

CConfGravar::CConfGravar(int microphoneInput, std::uint32_t voiceAnalysisRate, QWidget* parent)
    : QDialog(parent) {
  setObjectName("CConfGravar");
  setWindowTitle(tr("Configure Record..."));
  input_ = new QComboBox(this);
  input_->addItems({tr("Microphone"), tr("Line Input")});
  input_->setCurrentIndex(microphoneInput == 1 ? 0 : 1);
  rate_ = new QComboBox(this);
  rate_->addItems({"11025", "22050"});
  rate_->setCurrentIndex(voiceAnalysisRate != 11025 ? 1 : 0);
  auto* form = new QFormLayout;
  form->addRow(tr("Input:"), input_);
  form->addRow(tr("Frequency:"), rate_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
}

}  // namespace sonarel::app
