// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Select a Client": the register in table order with a search by the start of the name,
// the client's personal information, deleting a client, opening a client's files, and the
// requests for a new client or a printed list.

#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <functional>

#include "app/config_files.h"
#include "app/dialogs/message_dialog.h"
#include "records/client_table.h"

namespace sonarel::app {

class ClientListDialog : public MessageDialog {
  Q_OBJECT
 public:
  enum class Outcome { Cancelled, OpenFiles, NewClient, PrintList };

  ClientListDialog(records::ClientTable& table, QString dataFolder, Language language,
                   QWidget* parent = nullptr);

  Outcome outcome() const { return outcome_; }
  // The client chosen with "Open Files..." or a double click.
  const records::ClientRecord& chosen() const { return chosen_; }

  // Runs the deletion of a client (confirmation, files, record); set by the frame.
  std::function<void(int code)> deleteClient;

  // For tests.
  QTreeWidget* list() { return list_; }
  QLineEdit* searchField() { return search_; }
  void search();
  void showPersonalInformation();
  void removeClient();
  void openFiles();

 signals:
  // A client's record was changed in the personal information dialog.
  void clientChanged(const records::ClientRecord& record);

 private:
  void fill();
  // The record of the selected row, looked up by its code; nothing (and the message
  // shown) when no row is selected or the lookup fails.
  std::optional<records::ClientRecord> selectedRecord();
  void finish(Outcome outcome);
  void updateButtons();

  records::ClientTable& table_;
  QString dataFolder_;
  Language language_;
  Outcome outcome_ = Outcome::Cancelled;
  records::ClientRecord chosen_;
  QTreeWidget* list_;
  QLineEdit* search_;
  QPushButton* personal_;
  QPushButton* delete_;
  QPushButton* open_;
};

}  // namespace sonarel::app
