// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/settings/configure_intensity_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QMessageBox>
#include <QVBoxLayout>
#include <utility>
#include "core/f0_settings.h"

#include "app/translated_text.h"

namespace sonarel::app {

ConfigureIntensityDialog::ConfigureIntensityDialog(const core::IntensitySettings& settings,
                                                   QWidget* parent)
    : MessageDialog(parent), settings_(settings) {
  setWindowTitle(tr("Configure Intensity"));
  low_ = new QLineEdit(QString::number(settings.lowLimit), this);
  high_ = new QLineEdit(QString::number(settings.highLimit), this);
  auto* range = new QGroupBox(tr("Range"), this);
  auto* form = new QFormLayout(range);
  form->addRow(tr("Low Limit"), low_);
  form->addRow(tr("High Limit"), high_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(range);
  layout->addWidget(buttons);
}

void ConfigureIntensityDialog::accept() {
  // A field that is not a whole number says so.
  const auto low = core::parseDialogInteger(low_->text().toStdString());
  const auto high = core::parseDialogInteger(high_->text().toStdString());
  for (const auto& [value, field] : {std::pair{low, low_}, std::pair{high, high_}}) {
    if (value) continue;
    const core::Message failure = core::notANumber(field->text().toStdString());
    emit refused(messageText(failure));
    warn(failure);
    return;
  }
  const core::IntensitySettings typed{low.value_or(-1), high.value_or(-1)};
  if (const auto failure = core::validateIntensitySettings(typed)) {
    emit refused(messageText(core::Message{*failure}));
    warn(core::Message{*failure});
    return;
  }
  settings_ = typed;
  QDialog::accept();
}

}  // namespace sonarel::app
