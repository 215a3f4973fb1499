// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Backup/Restore": create a backup of all clients, send chosen clients to backup, restore
// a backup over all data, attach chosen clients' files; the client-selection dialog; the
// wait window with two progress bars and Cancel; and the start-up offer to finish a
// restore that was broken off.

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <ctime>
#include <functional>
#include <optional>
#include <vector>

#include "app/config_files.h"
#include "app/dialogs/message_dialog.h"
#include "records/backup.h"

namespace sonarel::app {

// "Select a Client": every client of the register with a mark; OK needs one marked.
class CSelPacBkp : public MessageDialog {
  Q_OBJECT
 public:
  CSelPacBkp(const std::string& dataFolder, const QString& prompt, QWidget* parent = nullptr);

  std::vector<int> chosen() const;
  QTreeWidget* list() { return list_; }
  void toggleAll();
  void accept() override;

 private:
  QTreeWidget* list_;
};

// The wait window: the client and file in hand, the client's files and the clients done.
class BackupWaitWindow : public QDialog {
  Q_OBJECT
 public:
  explicit BackupWaitWindow(QWidget* parent = nullptr);

  void begin(int clients);
  void startClient(const QString& name, int entries);
  void showStep(const QString& action, const QString& file, int done);
  void allowCancel(bool allowed) { cancel_->setEnabled(allowed); }
  bool cancelled() const { return cancelled_; }
  void pressCancel() { cancelled_ = true; }

  QProgressBar* fileBar() { return files_; }
  QProgressBar* clientBar() { return clients_; }
  QPushButton* cancelButton() { return cancel_; }

 private:
  QLabel* client_;
  QLabel* action_;
  QProgressBar* files_;
  QProgressBar* clients_;
  QPushButton* cancel_;
  bool cancelled_ = false;
};

class CBackup : public MessageDialog {
  Q_OBJECT
 public:
  CBackup(QString dataFolder, Language language, QWidget* parent = nullptr);

  // The four operations (commands 1003, 1002, 1000 and 1004).
  void createBackup();
  void sendToBackup();
  void restoreBackup();
  void attachFiles();

  // Asks for a folder ("Select the Target Directory:", "Select the Source Directory:");
  // empty for Cancel. Tests replace it.
  std::function<QString(const QString& prompt)> chooseFolder;
  // Shows the client-selection dialog with `prompt`; nothing for Cancel. Tests replace it.
  std::function<std::optional<std::vector<int>>(const QString& prompt)> chooseClients;
  // Closes the sound file open in the main view; set by the frame.
  std::function<void()> closeSoundFile;
  // Called between files (tests press Cancel here).
  std::function<void(BackupWaitWindow&)> onStep;
  // The clock the set's name is taken from.
  std::function<std::time_t()> now = [] { return std::time(nullptr); };
  // Fault injection for tests.
  records::BackupFaults faults;

  BackupWaitWindow& waitWindow() { return *wait_; }
  // The set folder of the last backup.
  const QString& lastSet() const { return lastSet_; }

 private:
  void backup(bool send);
  void restore(bool attach);
  int clientCount() const;

  QString dataFolder_;
  Language language_;
  BackupWaitWindow* wait_;
  QString lastSet_;
};

// At start-up: a restore that a crash broke off is offered to be rolled back (and a
// committed one or a broken-off swap of a client folder is settled without asking).
// False when work is left (the user said No, or the rollback could not finish).
bool offerToFinishInterruptedWork(const std::string& dataFolder, Prompt& prompt);

}  // namespace sonarel::app
