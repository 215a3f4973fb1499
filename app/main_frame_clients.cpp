// The frame's client commands: registering, choosing, editing and deleting clients, a
// client's file list, opening and deleting a client's files, preparing new recordings and
// editing notes.

#include <QApplication>
#include <QMessageBox>

#include "app/dialogs/client_dialog.h"
#include "app/dialogs/client_list_dialog.h"
#include "app/dialogs/files_dialog.h"
#include "app/dialogs/sound_file_dialog.h"
#include "app/main_frame.h"
#include "app/notes_editor.h"
#include "app/translated_text.h"
#include "core/f0_settings.h"
#include "records/client_code.h"
#include "records/client_register.h"

namespace sonarel::app {

using core::Message;
using core::MessageId;

QString CMainFrame::windowTitleText() const {
  QStringList parts;
  if (current_.code >= 0) parts << QString::fromStdString(current_.name);
  if (!document_.title().isEmpty()) parts << document_.title();
  parts << tr("Sonarel");
  return parts.join(" - ");
}

QString CMainFrame::preparedRecordingText() const {
  if (!prepared_) return {};
  return tr("New %1 file %2 for %3: ready to record.")
      .arg(prepared_->type == records::RecordingType::VocalQuality ? tr("vocal quality")
                                                                   : tr("voice analysis"))
      .arg(prepared_->number)
      .arg(QString::fromStdString(current_.name));
}

bool CMainFrame::ask(const Message& question) {
  const QString text = messageText(question);
  lastMessage_ = text;
  emit messageShown(text);
  if (confirm) return confirm(text);
  if (options_.quiet) return true;
  return QMessageBox::question(this, tr("Sonarel"), text, QMessageBox::Yes | QMessageBox::No) ==
         QMessageBox::Yes;
}

records::ClientFolder CMainFrame::currentFolder() const {
  return records::ClientFolder(options_.dataFolder.toStdString(), current_.code);
}

// Choosing a client or opening one of its files resets the recording rate to the one of its
// type, so a rate chosen in Configure Record lasts until then (a new file prepared after
// the choice is still recorded at it).
void CMainFrame::takeRecordingRateOfClientType() {
  if (const auto settings = records::settingsForType(current_.type)) {
    recordingRate_ = settings->recordingRate;
  }
}

void CMainFrame::setCurrentClient(const records::ClientRecord& client) {
  current_ = client;
  takeRecordingRateOfClientType();
  updateCommandStates();
  updateStatus();
}

void CMainFrame::clearClientView() {
  if (playback_) playback_->stop();
  document_.state().close();
  openNumber_ = -1;
  prepared_.reset();
  emit document_.changed();
}

bool CMainFrame::openClientFile(records::FileNumber number, records::RecordingType type) {
  if (current_.code < 0) return false;
  const QString path = QString::fromStdString(currentFolder().recordingPath(type, number));
  // The client's type sets the F0 range the file is analysed with.
  if (const auto range = core::f0RangeForCategory(current_.type)) {
    core::F0Settings settings = document_.state().f0Settings();
    settings.minPitch = range->minPitch;
    settings.maxPitch = range->maxPitch;
    document_.state().setF0Settings(settings);
    // ... and which vowel targets the vowel space shows.
    document_.state().setClientType(current_.type);
    takeRecordingRateOfClientType();
  } else {
    showMessage(Message{MessageId::UndefinedType});
  }
  if (playback_) playback_->stop();
  if (auto refused = document_.state().open(path.toStdString(), type)) {
    showMessage(*refused);
    return false;
  }
  openNumber_ = number;
  openType_ = type;
  prepared_.reset();
  emit document_.changed();
  return true;
}

bool CMainFrame::prepareNewRecording(records::RecordingType type) {
  if (current_.code < 0) return false;
  if (type == records::RecordingType::VocalQuality) {
    RecorderConfig recorder = config_.recorder();
    if (recorder.showQualityNotice) {
      NoticeDialog notice(this);
      if (!options_.quiet) notice.exec();
      if (notice.stopShowing()) {
        recorder.showQualityNotice = 0;
        config_.setRecorder(recorder);
      }
    }
  }
  const records::RecordingTarget target =
      records::targetForNewRecording(options_.dataFolder.toStdString(), current_.code, type);
  if (!target.ok()) {
    showMessage(*target.failure);
    return false;
  }
  clearClientView();
  prepared_ = PreparedRecording{type, target.number, QString::fromStdString(target.path)};
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
  dialog.setProperty("quiet", options_.quiet);
  connect(&dialog, &MessageDialog::messageShown, this, [this](const QString& text) {
    lastMessage_ = text;
    emit messageShown(text);
  });
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
  const int before = current_.code;
  ClientListDialog dialog(clients_, options_.dataFolder, languages_.current(), this);
  dialog.setProperty("quiet", options_.quiet);
  connect(&dialog, &MessageDialog::messageShown, this, [this](const QString& text) {
    lastMessage_ = text;
    emit messageShown(text);
  });
  connect(&dialog, &ClientListDialog::clientChanged, this,
          [this](const records::ClientRecord& record) {
            if (record.code == current_.code) setCurrentClient(record);
          });
  dialog.deleteClient = [this](int code) { deleteClientAsked(code); };
  if (dialog.exec() != QDialog::Accepted) return;
  switch (dialog.outcome()) {
    case ClientListDialog::Outcome::OpenFiles:
      setCurrentClient(dialog.chosen());
      // Another client whose file list was left without a choice: the view is theirs, empty
      // (never the previous client's file under the new client's name).
      if (!showFiles() && current_.code != before) clearClientView();
      break;
    case ClientListDialog::Outcome::NewClient:
      newClient();
      break;
    default:
      break;  // printing the list is not built yet
  }
}

bool CMainFrame::showFiles(bool browseOnly) {
  if (current_.code < 0) return false;
  FilesDialog dialog(currentFolder(), QString::fromStdString(current_.name), languages_.current(),
                     browseOnly, this);
  dialog.setProperty("quiet", options_.quiet);
  connect(&dialog, &MessageDialog::messageShown, this, [this](const QString& text) {
    lastMessage_ = text;
    emit messageShown(text);
  });
  dialog.editNotes = [this](records::FileNumber number) { editNotes(number); };
  if (dialog.exec() != QDialog::Accepted) return false;
  if (dialog.outcome() == FilesDialog::Outcome::Open) {
    return openClientFile(dialog.chosenNumber(), dialog.chosenType());
  }
  return dialog.outcome() == FilesDialog::Outcome::New && askNewFile();
}

void CMainFrame::editPersonalInformation() {
  if (current_.code < 0) return;
  const records::TableResult found = clients_.load(records::codeFilter(current_.code));
  if (!found.ok() || found.value <= 0) {
    showMessage(found.ok() ? Message{MessageId::ErrorAccessingDatabase} : *found.failure);
    return;
  }
  ClientDialog dialog(ClientDialog::Mode::Change, clients_.list().front(), languages_.current(),
                      this);
  dialog.setProperty("quiet", options_.quiet);
  connect(&dialog, &MessageDialog::messageShown, this, [this](const QString& text) {
    lastMessage_ = text;
    emit messageShown(text);
  });
  if (dialog.exec() != QDialog::Accepted) return;
  const records::TableResult updated = clients_.updateClient(dialog.record());
  if (!updated.ok()) {
    showMessage(*updated.failure);
    return;
  }
  setCurrentClient(clients_.find(current_.code).value_or(dialog.record()));
}

void CMainFrame::deleteClientAsked(int code) {
  if (code < 0 || !ask(Message{MessageId::ConfirmDeleteClient})) return;
  if (code == current_.code && playback_) playback_->stop();
  const records::DeleteOutcome outcome =
      records::deleteClient(clients_, options_.dataFolder.toStdString(), code);
  for (const Message& message : outcome.messages) showMessage(message);
  if (code == current_.code) {
    clearClientView();
    setCurrentClient(records::ClientRecord{});
  }
}

void CMainFrame::deleteOpenFile() {
  if (current_.code < 0 || openNumber_ < 0) return;
  if (!ask(Message{MessageId::ConfirmDeleteFile})) return;
  if (playback_) playback_->stop();
  const records::DeleteOutcome outcome =
      records::deleteSessionFile(currentFolder(), openNumber_, openType_);
  for (const Message& message : outcome.messages) showMessage(message);
  clearClientView();
}

void CMainFrame::editNotes(records::FileNumber number) {
  if (current_.code < 0) return;
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
