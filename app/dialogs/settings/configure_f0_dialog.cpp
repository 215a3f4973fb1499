// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/settings/configure_f0_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QRadioButton>
#include <QVBoxLayout>
#include <variant>

#include "app/dialogs/editable_list.h"
#include "app/translated_text.h"

namespace sonarel::app {

ConfigureF0Dialog::ConfigureF0Dialog(const core::F0Settings& settings, QWidget* parent)
    : MessageDialog(parent), settings_(settings) {
  setWindowTitle(tr("Configure F0"));
  method_ = new QComboBox(this);
  for (int m = 0; m <= 4; ++m) {
    method_->addItem(QCoreApplication::translate("F0Method", core::f0MethodName(m)));
  }
  method_->setCurrentIndex(std::clamp(settings.method, 0, 4));
  low_ = editableNumberList({60, 70, 80, 90, 100, 200}, settings.minPitch, this);
  high_ = editableNumberList({250, 300, 400, 500, 600, 900, 1000, 1200}, settings.maxPitch, this);
  threshold_ = editableNumberList({0, 3, 6, 9, 12, 15, 18, 22, 25, 28, 30, 45},
                                  settings.silenceThreshold, this);

  auto* range = new QGroupBox(tr("F0 Range"), this);
  auto* rangeForm = new QFormLayout(range);
  rangeForm->addRow(tr("Low (Hz)"), low_);
  rangeForm->addRow(tr("High (Hz)"), high_);
  auto* silence = new QGroupBox(tr("Silence"), this);
  auto* silenceForm = new QFormLayout(silence);
  silenceForm->addRow(tr("Silence Threshold (dB)"), threshold_);
  auto* graphic = new QGroupBox(tr("Graphic"), this);
  auto* graphicRow = new QHBoxLayout(graphic);
  style_ = new QButtonGroup(this);
  auto* line = new QRadioButton(tr("Line"), graphic);
  auto* points = new QRadioButton(tr("Points"), graphic);
  style_->addButton(line, 1);
  style_->addButton(points, 0);
  (settings.style == 1 ? line : points)->setChecked(true);
  graphicRow->addWidget(line);
  graphicRow->addWidget(points);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* form = new QFormLayout;
  form->addRow(tr("Method"), method_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(range);
  layout->addWidget(silence);
  layout->addWidget(graphic);
  layout->addWidget(buttons);
}

void ConfigureF0Dialog::accept() {
  core::F0DialogInput input;
  input.method = method_->currentIndex();
  input.low = low_->currentText().toStdString();
  input.high = high_->currentText().toStdString();
  input.threshold = threshold_->currentText().toStdString();
  input.style = style_->checkedId();
  const auto checked = core::validateF0Dialog(input);
  if (const auto* failure = std::get_if<core::Message>(&checked)) {
    emit refused(messageText(*failure));
    warn(*failure);
    return;
  }
  settings_ = std::get<core::F0Settings>(checked);
  QDialog::accept();
}

}  // namespace sonarel::app
