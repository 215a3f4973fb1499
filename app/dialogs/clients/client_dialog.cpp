// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/clients/client_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace sonarel::app {
namespace {

std::string text(const QLineEdit* field) {
  return field->text().toStdString();
}

}  // namespace

ClientDialog::ClientDialog(Mode mode, const records::ClientRecord& record, Language language,
                           QWidget* parent)
    : MessageDialog(parent), mode_(mode), language_(language), record_(record) {
  setWindowTitle(tr("Client"));
  const ClientForm form = formOfRecord(record);
  name_ = addText(form.name, kNameLimit);

  type_ = new QButtonGroup(this);
  auto* types = new QHBoxLayout;
  const char* const typeNames[] = {QT_TR_NOOP("Man"), QT_TR_NOOP("Woman"), QT_TR_NOOP("Child"),
                                   QT_TR_NOOP("Singer")};
  for (int t = 0; t < 4; ++t) {
    auto* button = new QRadioButton(tr(typeNames[t]), this);
    type_->addButton(button, t);
    types->addWidget(button);
    if (mode == Mode::Change && form.type == t) button->setChecked(true);
  }

  const std::string parts[] = {form.day, form.month, form.year};
  auto* dates = new QHBoxLayout;
  for (DateField field : dateFieldOrder(language)) {
    const int i = static_cast<int>(field);
    auto* edit = new QLineEdit(QString::fromStdString(parts[i]), this);
    edit->setMaxLength(field == DateField::Year ? 4 : 2);
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), edit));
    edit->setFixedWidth(field == DateField::Year ? 60 : 40);
    date_[static_cast<std::size_t>(i)] = edit;
    dates->addWidget(edit);
    connect(edit, &QLineEdit::textEdited, this, [this, field] { dateEdited(field); });
  }
  dates->addStretch();
  dateValid_ = {form.dayValid, form.monthValid, form.yearValid};
  // The label shows the fields' order ("MM  /  DD  /   YYYY" in English).
  const QString order = language == Language::English  ? tr("MM  /  DD  /   YYYY")
                        : language == Language::Korean ? tr("YYYY  /  MM  /  DD")
                                                       : tr("DD  /  MM  /   YYYY");

  address_ = addText(form.address, kAddressLimit);
  city_ = addText(form.city, kCityLimit);
  state_ = addText(form.state, kStateLimit);
  zip_ = addText(form.zip, kZipLimit);
  homePhone_ = addText(form.homePhone, kPhoneLimit);
  workPhone_ = addText(form.workPhone, kPhoneLimit);
  observations_ = addText(form.observations, kObservationsLimit);

  auto* layout = new QFormLayout;
  auto* code = new QLabel(QString::asprintf("%03d", record.code), this);
  layout->addRow(tr("Code"), code);
  layout->addRow(tr("Name"), name_);
  layout->addRow(tr("Type"), types);
  layout->addRow(tr("Birth Date"), dates);
  layout->addRow(QString(), new QLabel(order, this));
  layout->addRow(tr("Address"), address_);
  layout->addRow(tr("City"), city_);
  layout->addRow(tr("State"), state_);
  layout->addRow(tr("Zip Code"), zip_);
  layout->addRow(tr("Home Phone"), homePhone_);
  layout->addRow(tr("Work Phone"), workPhone_);
  layout->addRow(tr("Observations"), observations_);

  auto* buttons = new QDialogButtonBox(this);
  ok_ = buttons->addButton(mode == Mode::Insert ? tr("Insert") : tr("Change"),
                           QDialogButtonBox::AcceptRole);
  ok_->setDefault(true);
  buttons->addButton(QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::accepted, this, &ClientDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* outer = new QVBoxLayout(this);
  outer->addLayout(layout);
  outer->addWidget(buttons);
  setMinimumWidth(520);
}

QLineEdit* ClientDialog::addText(const std::string& initial, FieldLimit limit) {
  auto* edit = new QLineEdit(QString::fromStdString(initial), this);
  edit->setMaxLength(limit.characters);
  // Keep the text within the table's width in bytes too (Korean letters take three).
  connect(edit, &QLineEdit::textEdited, this, [edit, limit](const QString& typed) {
    const std::string fitted = limitToField(typed.toStdString(), limit);
    if (fitted != typed.toStdString()) edit->setText(QString::fromStdString(fitted));
  });
  return edit;
}

void ClientDialog::dateEdited(DateField field) {
  const std::size_t i = static_cast<std::size_t>(field);
  QLineEdit* edit = date_[i];
  const DateFieldCheck check = checkDateField(field, text(edit));
  dateValid_[i] = check.valid;
  if (check.message) tell(core::Message{*check.message});
  if (check.clear) edit->clear();
  if (!check.moveOn) return;
  const auto order = dateFieldOrder(language_);
  for (std::size_t k = 0; k < order.size(); ++k) {
    if (order[k] != field) continue;
    QWidget* next = k + 1 < order.size() ? date_[static_cast<std::size_t>(order[k + 1])]
                                         : static_cast<QWidget*>(address_);
    next->setFocus();
  }
}

ClientForm ClientDialog::form() const {
  ClientForm form;
  form.name = text(name_);
  form.type = type_->checkedId();
  form.day = text(date_[0]);
  form.month = text(date_[1]);
  form.year = text(date_[2]);
  form.dayValid = dateValid_[0];
  form.monthValid = dateValid_[1];
  form.yearValid = dateValid_[2];
  form.address = text(address_);
  form.city = text(city_);
  form.state = text(state_);
  form.zip = text(zip_);
  form.homePhone = text(homePhone_);
  form.workPhone = text(workPhone_);
  form.observations = text(observations_);
  return form;
}

void ClientDialog::accept() {
  const auto result = recordOfForm(form(), record_.code);
  if (const auto* refusal = std::get_if<FormRefusal>(&result)) {
    tell(core::Message{refusal->message});
    switch (refusal->focus) {
      case FormFocus::Name:
        name_->setFocus();
        break;
      case FormFocus::Type:
        break;
      default:
        date_[static_cast<std::size_t>(refusal->focus) - 2]->setFocus();
    }
    return;
  }
  record_ = std::get<records::ClientRecord>(result);
  QDialog::accept();
}

}  // namespace sonarel::app
