// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/recording/adapter_settings_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QVBoxLayout>

namespace sonarel::app {

AdapterSettingsDialog::AdapterSettingsDialog(const audio::AdapterSettings& settings,
                                             QWidget* parent)
    : QDialog(parent) {
  setObjectName("AdapterSettingsDialog");
  setWindowTitle(tr("Andrea PureAudio USB Settings"));
  inUse_ = new QCheckBox(tr("The USB adapter is connected and in use"), this);
  inUse_->setChecked(settings.inUse);
  filter_ = new QComboBox(this);
  filter_->addItems({tr("Don´t use Filter"), tr("Low Noise Reduction Filter"),
                     tr("Middle Noise Reduction Filter"), tr("High Noise Reduction Filter")});
  filter_->setCurrentIndex(std::clamp(settings.noiseReduction, 0, 3));
  gain_ = new QComboBox(this);
  gain_->addItems({tr("Don´t use gain"), tr("5 dB Gain"), tr("10 dB Gain"), tr("15 dB Gain")});
  gain_->setCurrentIndex(std::clamp(settings.inputGain, 0, 3));
  auto* form = new QFormLayout;
  form->addRow(inUse_);
  form->addRow(tr("Noise Reduction:"), filter_);
  form->addRow(tr("Input Gain:"), gain_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
}

audio::AdapterSettings AdapterSettingsDialog::settings() const {
  return {inUse_->isChecked(), filter_->currentIndex(), gain_->currentIndex()};
}

bool isAdapterInputName(const QString& name) {
  return name.contains("PureAudio", Qt::CaseInsensitive) ||
         name.contains("Andrea", Qt::CaseInsensitive);
}

}  // namespace sonarel::app
