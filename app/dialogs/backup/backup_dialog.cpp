// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/backup/backup_dialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHeaderView>
#include <QVBoxLayout>

#include "app/date_order.h"
#include "app/dialogs/clients/files_dialog.h"
#include "app/frame/box_prompt.h"
#include "records/backup_set.h"
#include "records/client_table.h"

namespace sonarel::app {
namespace {

using core::Message;
using core::MessageId;

// The operation's side of the dialog: its messages and questions, and the wait window.
class WaitObserver : public records::BackupObserver {
 public:
  WaitObserver(CBackup& dialog, BackupWaitWindow& window) : dialog_(dialog), window_(window) {}

  void tell(const Message& message) override { dialog_.tell(message); }
  bool ask(const Message& question) override { return dialog_.ask(question); }
  void startClient(const std::string& name, int entries) override {
    window_.startClient(QString::fromStdString(name), entries);
    pump();
  }
  void step(records::BackupStage stage, const std::string& file, int done) override {
    window_.showStep(actionText(stage), QString::fromStdString(file), done);
    if (dialog_.onStep) dialog_.onStep(window_);
    pump();
  }
  bool cancelRequested() override {
    pump();
    return window_.cancelled();
  }
  void allowCancel(bool allowed) override { window_.allowCancel(allowed); }

 private:
  static QString actionText(records::BackupStage stage) {
    switch (stage) {
      case records::BackupStage::Copying:
        return CBackup::tr("Copying...");
      case records::BackupStage::Decompressing:
        return CBackup::tr("decompressing:");
      case records::BackupStage::Verifying:
        return CBackup::tr("Verifying...");
      case records::BackupStage::Freeing:
        return CBackup::tr("Wait:") + " " + CBackup::tr("Freeing Data...");
      case records::BackupStage::RemovingSet:
        return CBackup::tr("Wait, Removing Backup Directory...");
      case records::BackupStage::RollingBack:
        return CBackup::tr("Wait, Restoring Files...");
    }
    return {};
  }
  // The windows stay painted and Cancel can be pressed; nothing else takes input.
  void pump() {
    QCoreApplication::processEvents(window_.isVisible() ? QEventLoop::AllEvents
                                                        : QEventLoop::ExcludeUserInputEvents);
  }

  CBackup& dialog_;
  BackupWaitWindow& window_;
};

}  // namespace

CSelPacBkp::CSelPacBkp(const std::string& dataFolder, const QString& prompt, QWidget* parent)
    : MessageDialog(parent) {
  setWindowTitle(tr("Select a Client"));
  list_ = new QTreeWidget(this);
  list_->setHeaderLabels({tr("Client"), tr("Code")});
  list_->setRootIsDecorated(false);
  list_->setSelectionMode(QAbstractItemView::MultiSelection);
  list_->setMinimumSize(360, 260);
  records::ClientTable table(dataFolder + "/pacb.dbf");
  if (const auto loaded = table.load(); !loaded.ok()) tell(*loaded.failure);
  for (const records::ClientRecord& r : table.list()) {
    auto* item = new QTreeWidgetItem(
        list_, {QString::fromStdString(r.name), QString::asprintf("%03d", r.code)});
    item->setData(0, Qt::UserRole, r.code);
  }
  const int width = list_->minimumWidth();
  list_->setColumnWidth(0, width * 2 / 3);
  list_->setColumnWidth(1, width / 4);
  auto* all = new QPushButton(tr("Select All"), this);
  auto* ok = new QPushButton(tr("OK"), this);
  auto* cancel = new QPushButton(tr("Cancel"), this);
  ok->setDefault(true);
  auto* layout = new QGridLayout(this);
  layout->addWidget(new QLabel(prompt, this), 0, 0, 1, 3);
  layout->addWidget(list_, 1, 0, 1, 3);
  layout->addWidget(all, 2, 0);
  layout->addWidget(ok, 2, 1);
  layout->addWidget(cancel, 2, 2);
  connect(all, &QPushButton::clicked, this, &CSelPacBkp::toggleAll);
  connect(ok, &QPushButton::clicked, this, &CSelPacBkp::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

std::vector<int> CSelPacBkp::chosen() const {
  std::vector<int> codes;
  for (int i = 0; i < list_->topLevelItemCount(); ++i) {
    if (list_->topLevelItem(i)->isSelected()) {
      codes.push_back(list_->topLevelItem(i)->data(0, Qt::UserRole).toInt());
    }
  }
  return codes;
}

void CSelPacBkp::toggleAll() {
  const bool mark = static_cast<int>(chosen().size()) != list_->topLevelItemCount();
  for (int i = 0; i < list_->topLevelItemCount(); ++i) list_->topLevelItem(i)->setSelected(mark);
}

void CSelPacBkp::accept() {
  if (chosen().empty()) {
    warn(Message{MessageId::SelectAtLeastOneClient});
    return;
  }
  QDialog::accept();
}

BackupWaitWindow::BackupWaitWindow(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Wait"));
  setModal(false);
  client_ = new QLabel(this);
  action_ = new QLabel(this);
  action_->setMinimumWidth(320);
  files_ = new QProgressBar(this);
  clients_ = new QProgressBar(this);
  cancel_ = new QPushButton(tr("Cancel"), this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(client_);
  layout->addWidget(files_);
  layout->addWidget(action_);
  layout->addWidget(clients_);
  layout->addWidget(cancel_, 0, Qt::AlignHCenter);
  connect(cancel_, &QPushButton::clicked, this, &BackupWaitWindow::pressCancel);
}

void BackupWaitWindow::begin(int clients) {
  cancelled_ = false;
  cancel_->setEnabled(true);
  clients_->setRange(0, std::max(clients, 1));
  clients_->setValue(0);
  files_->setRange(0, 1);
  files_->setValue(0);
  client_->clear();
  action_->clear();
}

void BackupWaitWindow::startClient(const QString& name, int entries) {
  if (!client_->text().isEmpty())
    clients_->setValue(std::min(clients_->value() + 1, clients_->maximum()));
  client_->setText(name);
  files_->setRange(0, std::max(entries, 1));
  files_->setValue(0);
}

void BackupWaitWindow::showStep(const QString& action, const QString& file, int done) {
  action_->setText(file.isEmpty() ? action : action + " " + file);
  files_->setValue(std::min(done, files_->maximum()));
}

CBackup::CBackup(QString dataFolder, Language language, QWidget* parent)
    : MessageDialog(parent), dataFolder_(std::move(dataFolder)), language_(language) {
  setWindowTitle(tr("Backup/Restore"));
  wait_ = new BackupWaitWindow(this);
  auto* create = new QPushButton(tr("Create Backup..."), this);
  auto* restore = new QPushButton(tr("Restore Backup...."), this);
  auto* send = new QPushButton(tr("Send to Backup..."), this);
  auto* attach = new QPushButton(tr("Attach Files..."), this);
  auto* close = new QPushButton(tr("Close"), this);
  auto wrapped = [this](const QString& text) {
    auto* label = new QLabel(text, this);
    label->setWordWrap(true);
    label->setMinimumWidth(300);
    return label;
  };
  auto* layout = new QGridLayout(this);
  layout->addWidget(create, 0, 0);
  layout->addWidget(wrapped(tr("Create a security copy of the information of all clients "
                               "without these data being removed from the system.")),
                    0, 1);
  layout->addWidget(send, 1, 0);
  layout->addWidget(wrapped(tr("Copy the chosen clients to a backup and free their recordings "
                               "from the system, keeping their dates.")),
                    1, 1);
  layout->addWidget(restore, 2, 0);
  layout->addWidget(wrapped(tr("Restore a security copy of all clients REPLACING all actual "
                               "data of the system.  ")),
                    2, 1);
  layout->addWidget(attach, 3, 0);
  layout->addWidget(wrapped(tr("Bring the files of the chosen clients back from a backup.")), 3, 1);
  layout->addWidget(close, 4, 0, 1, 2, Qt::AlignRight);
  connect(create, &QPushButton::clicked, this, &CBackup::createBackup);
  connect(send, &QPushButton::clicked, this, &CBackup::sendToBackup);
  connect(restore, &QPushButton::clicked, this, &CBackup::restoreBackup);
  connect(attach, &QPushButton::clicked, this, &CBackup::attachFiles);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);

  chooseFolder = [this](const QString& prompt) {
    return QFileDialog::getExistingDirectory(this, prompt, QString());
  };
  chooseClients = [this](const QString& prompt) -> std::optional<std::vector<int>> {
    CSelPacBkp select(dataFolder_.toStdString(), prompt, this);
    select.setPrompt(this->prompt());
    connect(&select, &MessageDialog::messageShown, this, &MessageDialog::messageShown);
    if (select.exec() != QDialog::Accepted) return std::nullopt;
    return select.chosen();
  };
}

void CBackup::createBackup() {
  backup(false);
}
void CBackup::sendToBackup() {
  backup(true);
}
void CBackup::restoreBackup() {
  restore(false);
}
void CBackup::attachFiles() {
  restore(true);
}

int CBackup::clientCount() const {
  records::ClientTable table(dataFolder_.toStdString() + "/pacb.dbf");
  table.load();
  return table.count();
}

void CBackup::backup(bool send) {
  std::optional<std::vector<int>> clients;
  if (send) {
    clients = chooseClients(tr("Select the Clients You want to send to Backup:"));
    if (!clients) return;
  }
  const std::time_t today = now();
  const QString chosen = chooseFolder(tr("Select the Target Directory:"));
  if (chosen.isEmpty()) return;
  const std::string dataFolder = dataFolder_.toStdString();
  if (auto refused = records::backupTargetRefusal(dataFolder, chosen.toStdString())) {
    warn(*refused);
    return;
  }
  const std::string set =
      records::backupSetPathFor(chosen.toStdString(), dateOrderOf(language_), today);
  if (closeSoundFile) closeSoundFile();
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  wait_->begin(clients ? static_cast<int>(clients->size()) : clientCount());
  wait_->show();
  WaitObserver observer(*this, *wait_);
  const records::BackupRequest request{dataFolder, set, clients, send, faults};
  const records::OperationResult result = records::runBackup(request, observer);
  wait_->hide();
  QGuiApplication::restoreOverrideCursor();
  if (result.ok) {
    lastSet_ = QString::fromStdString(set);
    tell(Message{MessageId::BackupDone, {set}});
  } else {
    tell(Message{MessageId::BackupFailed});
  }
}

void CBackup::restore(bool attach) {
  std::optional<std::vector<int>> clients;
  if (attach) {
    clients = chooseClients(tr("Select the Clients You Want to Attach Files:"));
    if (!clients) return;
  }
  const QString chosen = chooseFolder(tr("Select the Source Directory:"));
  if (chosen.isEmpty()) return;
  if (closeSoundFile) closeSoundFile();
  const std::string dataFolder = dataFolder_.toStdString();
  if (auto refused = records::restoreSourceRefusal(dataFolder, chosen.toStdString())) {
    warn(*refused);
    return;
  }
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  wait_->begin(clients ? static_cast<int>(clients->size()) : clientCount());
  wait_->show();
  WaitObserver observer(*this, *wait_);
  const records::RestoreRequest request{dataFolder, chosen.toStdString(), clients, faults};
  const records::OperationResult result = records::runRestore(request, observer);
  wait_->hide();
  QGuiApplication::restoreOverrideCursor();
  tell(Message{result.ok ? MessageId::RestoreFinished : MessageId::RestoreNotFinished});
}

bool offerToFinishInterruptedWork(const std::string& dataFolder, Prompt& prompt) {
  const records::InterruptedWork work = records::findInterruptedWork(dataFolder);
  if (!work.any()) return true;
  struct Relay : records::BackupObserver {
    explicit Relay(Prompt& p) : prompt(p) {}
    void tell(const Message& message) override { prompt.tell(message); }
    bool ask(const Message& question) override { return prompt.ask(question); }
    Prompt& prompt;
  } relay(prompt);
  if (work.restore && !prompt.ask(Message{MessageId::RestoreInterrupted, {dataFolder}})) {
    // Only what needs no question is settled; the restore waits for the next start.
    records::settleInterruptedFreeing(dataFolder, work);
    return false;
  }
  if (!records::finishInterruptedWork(dataFolder, relay)) {
    prompt.tell(Message{MessageId::RollbackIncomplete, {records::rollbackFolder(dataFolder)}});
    return false;
  }
  if (work.restore) prompt.tell(Message{MessageId::RestoreRolledBack});
  return true;
}

}  // namespace sonarel::app
