// SPDX-License-Identifier: GPL-3.0-or-later
// The frame's client commands: registering, choosing, editing and deleting clients, a
// client's file list, opening and deleting a client's files, preparing new recordings and
// editing notes.

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QProcess>

#include "app/date_order.h"
#include "app/desktop_trash.h"
#include "app/dialogs/backup/backup_dialog.h"
#include "app/dialogs/clients/client_dialog.h"
#include "app/dialogs/clients/client_list_dialog.h"
#include "app/dialogs/clients/files_dialog.h"
#include "app/dialogs/clients/sound_file_dialog.h"
#include "app/frame/main_frame.h"
#include "app/notes_editor.h"
#include "app/translated_text.h"
#include "records/client_code.h"
#include "records/client_register.h"

namespace sonarel::app {

using core::Message;
using core::MessageId;

QString CMainFrame::windowTitleText() const {
  QStringList parts;
  if (session_.hasClient()) parts << QString::fromStdString(session_.client().name);
  if (!document_.title().isEmpty()) parts << document_.title();
  parts << tr("Sonarel");
  return parts.join(" - ");
}

QString CMainFrame::preparedRecordingText() const {
  const auto& prepared = session_.prepared();
  if (!prepared) return {};
  return tr("New %1 file %2 for %3: ready to record.")
      .arg(prepared->type == records::RecordingType::VocalQuality ? tr("vocal quality")
                                                                  : tr("voice analysis"))
      .arg(prepared->number)
      .arg(QString::fromStdString(session_.client().name));
}

std::optional<PreparedRecording> CMainFrame::preparedRecording() const {
  const auto& prepared = session_.prepared();
  if (!prepared) return std::nullopt;
  return PreparedRecording{prepared->type, prepared->number,
                           QString::fromStdString(prepared->path)};
}

void CMainFrame::setCurrentClient(const records::ClientRecord& client) {
  // The follow-up series belongs to one client.
  if (client.code != session_.client().code) document_.state().followUp().clear();
  session_.setClient(client);
  updateCommandStates();
  updateStatus();
}

void CMainFrame::clearClientView() {
  if (playback_) playback_->stop();
  document_.state().close();
  session_.forgetOpenFile();
  emit document_.changed();
}

bool CMainFrame::openClientFile(records::FileNumber number, records::RecordingType type) {
  if (!session_.hasClient()) return false;
  stopLiveDisplay();
  if (!settleChanges()) return false;
  if (playback_) playback_->stop();
  if (!session_.openClientFile(document_.state(), number, type, relay_)) return false;
  emit document_.changed();
  return true;
}

bool CMainFrame::prepareNewRecording(records::RecordingType type) {
  if (!session_.hasClient() || !settleChanges()) return false;
  if (type == records::RecordingType::VocalQuality) {
    RecorderConfig recorder = config_.recorder();
    if (recorder.showQualityNotice) {
      NoticeDialog notice(this);
      if (!options_.prompt) notice.exec();
      if (notice.stopShowing()) {
        recorder.showQualityNotice = 0;
        config_.setRecorder(recorder);
      }
    }
  }
  if (playback_) playback_->stop();
  if (auto refused = session_.prepareNewRecording(document_.state(), type)) {
    showMessage(*refused);
    return false;
  }
  emit document_.changed();
  updateStatus();
  emit newRecordingPrepared();
  return true;
}

bool CMainFrame::askNewFile() {
  SoundFileDialog dialog(this);
  if (dialog.exec() != QDialog::Accepted || !dialog.chosen()) return false;
  return prepareNewRecording(*dialog.chosen());
}

void CMainFrame::newClient() {
  if (!settleChanges()) return;  // a new client empties the view
  if (const auto loaded = clients_.load(); !loaded.ok()) {
    showMessage(*loaded.failure);
    return;
  }
  const records::NewCode code =
      records::newClientCode(clients_.list(), options_.dataFolder.toStdString());
  if (code.failure) {
    showMessage(*code.failure);
    return;
  }
  records::ClientRecord blank;
  blank.code = code.code;
  ClientDialog dialog(ClientDialog::Mode::Insert, blank, languages_.current(), this);
  connectDialog(dialog);
  if (dialog.exec() != QDialog::Accepted) return;
  const records::Registration registered =
      records::registerClient(clients_, options_.dataFolder.toStdString(), dialog.record());
  if (registered.failure) {
    showMessage(*registered.failure);
    return;
  }
  if (registered.warning) showMessage(*registered.warning);
  clearClientView();
  setCurrentClient(registered.record);
  if (ask(Message{MessageId::ClientRegistered})) askNewFile();
}

void CMainFrame::showClientList() {
  const int before = session_.client().code;
  ClientListDialog dialog(clients_, options_.dataFolder, languages_.current(), this);
  connectDialog(dialog);
  connect(&dialog, &ClientListDialog::clientChanged, this,
          [this](const records::ClientRecord& record) {
            if (record.code == session_.client().code) setCurrentClient(record);
          });
  dialog.deleteClient = [this](int code) { deleteClientAsked(code); };
  if (dialog.exec() != QDialog::Accepted) return;
  switch (dialog.outcome()) {
    case ClientListDialog::Outcome::OpenFiles:
      // Another client empties the view unless one of their files opens.
      if (dialog.chosen().code != before && !settleChanges()) return;
      setCurrentClient(dialog.chosen());
      // Another client whose file list was left without a choice: the view is theirs, empty
      // (never the previous client's file under the new client's name).
      if (!showFiles() && session_.client().code != before) clearClientView();
      break;
    case ClientListDialog::Outcome::NewClient:
      newClient();
      break;
    case ClientListDialog::Outcome::PrintList:
      printClientList();
      break;
    default:
      break;
  }
}

bool CMainFrame::showFiles(bool browseOnly) {
  if (!session_.hasClient()) return false;
  FilesDialog dialog(currentFolder(), QString::fromStdString(session_.client().name),
                     languages_.current(), browseOnly, this);
  connectDialog(dialog);
  dialog.editNotes = [this](records::FileNumber number) { editNotes(number); };
  if (dialog.exec() != QDialog::Accepted) return false;
  if (dialog.outcome() == FilesDialog::Outcome::Open) {
    return openClientFile(dialog.chosenNumber(), dialog.chosenType());
  }
  return dialog.outcome() == FilesDialog::Outcome::New && askNewFile();
}

void CMainFrame::editPersonalInformation() {
  if (!session_.hasClient()) return;
  const int code = session_.client().code;
  const records::TableResult found = clients_.load(records::codeFilter(code));
  if (!found.ok() || found.value <= 0) {
    showMessage(found.ok() ? Message{MessageId::ErrorAccessingDatabase} : *found.failure);
    return;
  }
  ClientDialog dialog(ClientDialog::Mode::Change, clients_.list().front(), languages_.current(),
                      this);
  connectDialog(dialog);
  if (dialog.exec() != QDialog::Accepted) return;
  const records::TableResult updated = clients_.updateClient(dialog.record());
  if (!updated.ok()) {
    showMessage(*updated.failure);
    return;
  }
  setCurrentClient(clients_.find(code).value_or(dialog.record()));
}

void CMainFrame::deleteClientAsked(int code) {
  if (code < 0) return;
  Message question{MessageId::ConfirmDeleteClient};
  if (const auto client = clients_.find(code)) {
    question =
        question.with(Message{MessageId::DeleteWhichClient, {client->name, std::to_string(code)}});
  }
  if (!ask(question)) return;
  const bool current = code == session_.client().code;
  if (current && playback_) playback_->stop();
  const records::DeleteOutcome outcome =
      records::deleteClient(clients_, options_.dataFolder.toStdString(), code,
                            desktopTrash(options_.dataFolder.toStdString()));
  for (const Message& message : outcome.messages) showMessage(message);
  if (current) {
    clearClientView();
    setCurrentClient(records::ClientRecord{});
  }
}

void CMainFrame::showBackup() {
  if (!settleChanges()) return;
  CBackup dialog(options_.dataFolder, languages_.current(), this);
  connectDialog(dialog);
  dialog.closeSoundFile = [this] { clearClientView(); };
  if (driveBackupDialog) {
    driveBackupDialog(dialog);
  } else {
    dialog.exec();
  }
  // A restore may have replaced the register: the current client is looked up again.
  clients_.load();
  if (session_.hasClient()) {
    const auto record = clients_.find(session_.client().code);
    if (!record) clearClientView();
    setCurrentClient(record.value_or(records::ClientRecord{}));
  }
}

void CMainFrame::deleteOpenFile() {
  if (!session_.hasClient() || session_.openNumber() < 0) return;
  Message question{MessageId::ConfirmDeleteFile};
  const records::RecordingType type = session_.openType();
  if (const auto date =
          records::fileDateOf(currentFolder().recordingPath(type, session_.openNumber()))) {
    question = question.with(records::fileToDelete(session_.openNumber(), type, *date,
                                                   dateOrderOf(languages_.current())));
  }
  if (!ask(question)) return;
  if (playback_) playback_->stop();
  const records::DeleteOutcome outcome =
      records::deleteSessionFile(currentFolder(), session_.openNumber(), session_.openType(),
                                 desktopTrash(currentFolder().dataFolder()));
  for (const Message& message : outcome.messages) showMessage(message);
  clearClientView();
}

void CMainFrame::editOpenFileNotes() {
  if (!session_.hasClient() || session_.openNumber() < 0) return;
  editNotes(session_.openNumber());
  updateStatus();
}

void CMainFrame::openDemoRegister() {
  const QString folder = QDir::cleanPath(options_.dataFolder) + "-demo";
  const QStringList arguments{"--demo", folder};
  const QString program = QCoreApplication::applicationFilePath();
  QProcess process;
  process.setProgram(program);
  process.setArguments(arguments);
  const bool started = startProgram ? startProgram(program, arguments) : process.startDetached();
  if (!started) {
    showMessage(Message{MessageId::ProgramNotStarted,
                        {program.toStdString(), process.errorString().toStdString()}});
  }
}

void CMainFrame::editNotes(records::FileNumber number) {
  if (!session_.hasClient()) return;
  if (playback_) playback_->stop();
  const QString editor =
      options_.notesEditor.isEmpty() ? defaultNotesEditor() : options_.notesEditor;
  const QString document = QString::fromStdString(currentFolder().notesPath(number));
  if (auto failure = runNotesEditor(editor, document)) showMessage(*failure);
  view_->update();
}

}  // namespace sonarel::app

namespace sonarel::app {

bool CMainFrame::openFirstClientFile() {
  if (!clients_.load().ok() || clients_.list().empty()) return false;
  setCurrentClient(clients_.list().front());
  // The newest voice-analysis file shows the most at once; else the newest file of all.
  std::optional<records::SessionFile> chosen;
  for (const records::SessionFile& file : records::listSessionFiles(currentFolder())) {
    const auto type = records::typeOfKind(file.kind);
    if (!type) continue;
    if (!chosen) chosen = file;
    if (*type == records::RecordingType::VoiceAnalysis) {
      chosen = file;
      break;
    }
  }
  if (!chosen) return false;
  const records::RecordingType type = *records::typeOfKind(chosen->kind);
  if (!openClientFile(chosen->number, type)) return false;
  runCommand(type == records::RecordingType::VoiceAnalysis ? cmd::F0AndIntensity
                                                           : cmd::AudioSignal);
  return true;
}

}  // namespace sonarel::app
