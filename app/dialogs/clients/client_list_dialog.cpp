// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/clients/client_list_dialog.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>

#include "app/dialogs/clients/client_dialog.h"

namespace sonarel::app {

ClientListDialog::ClientListDialog(records::ClientTable& table, QString dataFolder,
                                   Language language, QWidget* parent)
    : MessageDialog(parent),
      table_(table),
      dataFolder_(std::move(dataFolder)),
      language_(language) {
  setWindowTitle(tr("Select a Client"));
  list_ = new QTreeWidget(this);
  list_->setHeaderLabels({tr("Code"), tr("Client")});
  list_->setRootIsDecorated(false);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setMinimumHeight(260);
  search_ = new QLineEdit(this);
  auto* find = new QPushButton(tr("Search"), this);
  personal_ = new QPushButton(tr("Personal Information...."), this);
  delete_ = new QPushButton(tr("Delete Client"), this);
  open_ = new QPushButton(tr("Open Files..."), this);
  auto* newClient = new QPushButton(tr("New Client"), this);
  auto* print = new QPushButton(tr("Print List"), this);
  auto* cancel = new QPushButton(tr("Cancel"), this);
  open_->setDefault(true);

  auto* layout = new QGridLayout(this);
  layout->addWidget(list_, 0, 0, 7, 2);
  layout->addWidget(new QLabel(tr("Client Name"), this), 7, 0, 1, 2);
  layout->addWidget(search_, 8, 0);
  layout->addWidget(find, 8, 1);
  int row = 0;
  for (QPushButton* button : {open_, personal_, delete_, newClient, print, cancel}) {
    layout->addWidget(button, row++, 2);
  }
  connect(find, &QPushButton::clicked, this, &ClientListDialog::search);
  connect(search_, &QLineEdit::returnPressed, this, &ClientListDialog::search);
  connect(personal_, &QPushButton::clicked, this, &ClientListDialog::showPersonalInformation);
  connect(delete_, &QPushButton::clicked, this, &ClientListDialog::removeClient);
  connect(open_, &QPushButton::clicked, this, &ClientListDialog::openFiles);
  connect(list_, &QTreeWidget::itemDoubleClicked, this, &ClientListDialog::openFiles);
  connect(newClient, &QPushButton::clicked, this, [this] { finish(Outcome::NewClient); });
  connect(print, &QPushButton::clicked, this, [this] { finish(Outcome::PrintList); });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(list_, &QTreeWidget::itemSelectionChanged, this, &ClientListDialog::updateButtons);
  fill();
}

void ClientListDialog::fill() {
  list_->clear();
  const records::TableResult loaded = table_.load();
  if (!loaded.ok()) tell(*loaded.failure);
  for (const records::ClientRecord& r : table_.list()) {
    auto* item = new QTreeWidgetItem(
        list_, {QString::asprintf("%03d", r.code), QString::fromStdString(r.name)});
    item->setData(0, Qt::UserRole, r.code);
  }
  list_->setColumnWidth(0, 60);
  list_->setColumnWidth(1, table_.count() >= 11 ? 153 : 171);
  updateButtons();
}

void ClientListDialog::updateButtons() {
  const bool selected = !list_->selectedItems().isEmpty();
  for (QPushButton* button : {personal_, delete_, open_}) button->setEnabled(selected);
}

void ClientListDialog::search() {
  const QString wanted = search_->text();
  if (wanted.isEmpty()) {
    tell(core::Message{core::MessageId::TypeClientName});
    search_->setFocus();
    return;
  }
  for (int i = 0; i < list_->topLevelItemCount(); ++i) {
    QTreeWidgetItem* item = list_->topLevelItem(i);
    if (item->text(1).startsWith(wanted, Qt::CaseInsensitive)) {
      list_->setCurrentItem(item);
      list_->scrollToItem(item);
      return;
    }
  }
  tell(core::Message{core::MessageId::ClientNotFound});
}

std::optional<records::ClientRecord> ClientListDialog::selectedRecord() {
  const auto items = list_->selectedItems();
  if (items.isEmpty()) {
    tell(core::Message{core::MessageId::SelectClient});
    return std::nullopt;
  }
  const int code = items.first()->data(0, Qt::UserRole).toInt();
  const records::TableResult found = table_.load(records::codeFilter(code));
  if (!found.ok() || found.value <= 0) {
    tell(found.ok() ? core::Message{core::MessageId::ErrorAccessingDatabase} : *found.failure);
    return std::nullopt;
  }
  return table_.list().front();
}

void ClientListDialog::showPersonalInformation() {
  const auto record = selectedRecord();
  if (!record) return;
  ClientDialog dialog(ClientDialog::Mode::Change, *record, language_, this);
  dialog.setPrompt(prompt());
  connect(&dialog, &MessageDialog::messageShown, this, &MessageDialog::messageShown);
  if (dialog.exec() != QDialog::Accepted) return;
  const records::TableResult updated = table_.updateClient(dialog.record());
  if (!updated.ok()) {
    tell(*updated.failure);
    return;
  }
  list_->selectedItems().first()->setText(1, QString::fromStdString(dialog.record().name));
  emit clientChanged(table_.find(record->code).value_or(dialog.record()));
}

void ClientListDialog::removeClient() {
  const auto items = list_->selectedItems();
  if (items.isEmpty()) {
    tell(core::Message{core::MessageId::SelectClient});
    return;
  }
  if (deleteClient) deleteClient(items.first()->data(0, Qt::UserRole).toInt());
  fill();
}

void ClientListDialog::openFiles() {
  const auto record = selectedRecord();
  if (!record) return;
  chosen_ = *record;
  finish(Outcome::OpenFiles);
}

void ClientListDialog::finish(Outcome outcome) {
  outcome_ = outcome;
  QDialog::accept();
}

}  // namespace sonarel::app
