// SPDX-License-Identifier: GPL-3.0-or-later
// The client commands in the real window (offscreen): registering a client through the
// "Client" dialog, the client list and file list, opening a client's file with its type's
// settings, new recordings, notes and deletions.

#include <gtest/gtest.h>

#include <cstdlib>

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "app/commands/command_table.h"
#include "app/dialogs/clients/client_dialog.h"
#include "app/dialogs/clients/client_list_dialog.h"
#include "app/dialogs/clients/files_dialog.h"
#include "app/dialogs/clients/sound_file_dialog.h"
#include "app/frame/main_frame.h"
#include "app/session/prompt.h"
#include "audio/scripted_playback_device.h"
#include "core/tests/wave_fixtures.h"
#include "core/wave_file.h"
#include "records/session_file.h"
#include "records/tests/folder_fixtures.h"

namespace sonarel::app {
namespace {

using records::RecordingType;
using sonarel::testing::DataFolder;

// Runs `act` on the next modal dialog of type Dialog, once it is showing.
template <typename Dialog = QWidget>
void whenModal(std::function<void(Dialog*)> act) {
  auto* timer = new QTimer;
  QObject::connect(timer, &QTimer::timeout, [timer, act] {
    if (auto* modal = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
      timer->stop();
      timer->deleteLater();
      act(modal);
    }
  });
  timer->start(10);
}

records::ClientRecord client(int code, const std::string& name, int type) {
  records::ClientRecord r;
  r.code = code;
  r.name = name;
  r.type = type;
  return r;
}

void putWave(const std::string& path, int rate) {
  ASSERT_FALSE(core::writeWave(path, core::pcm16MonoFormat(static_cast<std::uint32_t>(rate)),
                               testing::sine(180, rate, rate, 9000)));
}

class ClientCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    languages.apply(Language::English);
    makeFrame({});
  }
  void makeFrame(const QString& editor) {
    frame = std::make_unique<CMainFrame>(
        FrameOptions{QString::fromStdString(data.path()), &prompt, editor}, languages, &device);
    frame->resize(1024, 768);
    frame->show();
  }
  bool enabled(int command) { return frame->action(command)->isEnabled(); }

  DataFolder data;
  Languages languages;
  audio::ScriptedPlaybackDevice device;
  ScriptedPrompt prompt;
  std::unique_ptr<CMainFrame> frame;
};

TEST_F(ClientCommands, ANewClientIsRegisteredAndBecomesCurrent) {
  EXPECT_TRUE(frame->clientTable().exists()) << "created with the frame";
  for (int command : {cmd::PersonalInformation, cmd::DeleteClient, cmd::OpenFiles, 32833}) {
    EXPECT_FALSE(enabled(command)) << command;
  }
  EXPECT_TRUE(enabled(cmd::NewClient));
  prompt.answerWhenUnscripted = false;  // no new file yet
  whenModal<QWidget>([](QWidget* modal) {
    auto* dialog = qobject_cast<ClientDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->okButton()->text(), "Insert");
    dialog->nameField()->setText("Maria Inês");
    dialog->typeChoice()->button(1)->click();
    QTest::keyClicks(dialog->dateField(DateField::Month), "2");
    QTest::keyClicks(dialog->dateField(DateField::Day), "7");
    QTest::keyClicks(dialog->dateField(DateField::Year), "1974");
    dialog->okButton()->click();
  });
  frame->runCommand(cmd::NewClient);
  EXPECT_EQ(frame->lastMessage(), "Client Registered!\nDo you want to Start a New File?");
  EXPECT_EQ(frame->currentClient().code, 1);
  EXPECT_EQ(frame->windowTitle(), "Maria Inês - Sonarel");
  EXPECT_TRUE(records::ClientFolder(data.path(), 1).exists());
  ASSERT_EQ(frame->clientTable().load().value, 1);
  EXPECT_EQ(frame->clientTable().list().at(0).birthDate, "07021974");
  EXPECT_EQ(frame->clientTable().list().at(0).type, 1);
  for (int command : {cmd::PersonalInformation, cmd::DeleteClient, cmd::OpenFiles, 32833}) {
    EXPECT_TRUE(enabled(command)) << command;
  }
  EXPECT_FALSE(enabled(cmd::DeleteFiles)) << "no client file open";
}

TEST_F(ClientCommands, TheClientDialogJudgesDatesAsTyped) {
  ClientDialog dialog(ClientDialog::Mode::Change, client(3, "Ana", 2), Language::Korean);
  ScriptedPrompt dialogPrompt;
  dialog.setPrompt(&dialogPrompt);
  QSignalSpy shown(&dialog, &MessageDialog::messageShown);
  dialog.show();
  EXPECT_EQ(dialog.okButton()->text(), "Change");
  QLineEdit* year = dialog.dateField(DateField::Year);
  year->setFocus();
  QTest::keyClicks(year, "2051");
  ASSERT_EQ(shown.count(), 1);
  EXPECT_EQ(shown.at(0).at(0).toString(), "Invalid Year \nRange: 1890 - 2050\"");
  EXPECT_TRUE(year->text().isEmpty());
  QTest::keyClicks(year, "1980");
  EXPECT_EQ(dialog.focusWidget(), dialog.dateField(DateField::Month)) << "Korean: year, month, day";
  QTest::keyClicks(dialog.dateField(DateField::Month), "13");
  EXPECT_EQ(shown.last().at(0).toString(), "Invalid Month!");
  QTest::keyClicks(dialog.dateField(DateField::Month), "12");
  EXPECT_EQ(dialog.focusWidget(), dialog.dateField(DateField::Day));
  QTest::keyClicks(dialog.dateField(DateField::Day), "31");
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.record().birthDate, "31121980");
  EXPECT_EQ(dialog.record().type, 2);

  ClientDialog refused(ClientDialog::Mode::Insert, client(4, "", -1), Language::English);
  ScriptedPrompt refusedPrompt;
  refused.setPrompt(&refusedPrompt);
  QSignalSpy refusals(&refused, &MessageDialog::messageShown);
  QTest::keyClicks(refused.nameField(), "Al");
  refused.accept();
  QTest::keyClicks(refused.nameField(), "i");
  refused.accept();
  ASSERT_EQ(refusals.count(), 2);
  EXPECT_EQ(refusals.at(0).at(0).toString(), "You need to fulfill the Client´s Name!");
  EXPECT_EQ(refusals.at(1).at(0).toString(), "Is the Client Man/Woman/Singer/Child?");
  EXPECT_NE(refused.result(), QDialog::Accepted);

  languages.apply(Language::Korean);
  ClientDialog korean(ClientDialog::Mode::Insert, client(5, "", -1), Language::Korean);
  EXPECT_EQ(korean.okButton()->text(), QString::fromUtf8("등록"));
  FilesDialog files(records::ClientFolder(data.path(), 5), "Ana", Language::Korean, false);
  EXPECT_EQ(files.windowTitle(), QString::fromUtf8("Ana - 파일"));
  languages.apply(Language::English);
}

TEST_F(ClientCommands, OpeningAClientsFileSetsItsTypesRangeAndRate) {
  ASSERT_TRUE(frame->clientTable().append(client(1, "Child", 2)).ok());
  ASSERT_TRUE(frame->clientTable().append(client(2, "Singer", 3)).ok());
  ASSERT_TRUE(frame->clientTable().append(client(3, "Odd", 7)).ok());
  for (int code : {1, 2, 3}) {
    putWave(data.client(code).recordingPath(RecordingType::VoiceAnalysis, 1), 11025);
  }
  frame->setCurrentClient(*frame->clientTable().find(1));
  ASSERT_TRUE(frame->openClientFile(1, RecordingType::VoiceAnalysis));
  EXPECT_EQ(frame->document().state().f0Settings().minPitch, 200);
  EXPECT_EQ(frame->document().state().f0Settings().maxPitch, 550);
  EXPECT_EQ(frame->document().state().clientType(), 2);  // the child's vowel targets
  EXPECT_EQ(frame->recordingRate(), 11025);
  EXPECT_EQ(frame->windowTitle(), "Child - wv001.wav - Sonarel");
  EXPECT_TRUE(enabled(cmd::DeleteFiles));

  frame->setCurrentClient(*frame->clientTable().find(2));
  ASSERT_TRUE(frame->openClientFile(1, RecordingType::VoiceAnalysis));
  EXPECT_EQ(frame->document().state().f0Settings().maxPitch, 1000);
  EXPECT_EQ(frame->recordingRate(), 22050);

  frame->setCurrentClient(*frame->clientTable().find(3));
  ASSERT_TRUE(frame->openClientFile(1, RecordingType::VoiceAnalysis));
  EXPECT_EQ(frame->lastMessage(), "Undefined Type!");
  EXPECT_EQ(frame->document().state().f0Settings().maxPitch, 1000) << "left as it was";
}

TEST_F(ClientCommands, NewRecordingsGetTheNextNumbersPath) {
  ASSERT_TRUE(frame->clientTable().append(client(1, "Ana", 1)).ok());
  const records::ClientFolder folder = data.client(1);
  putWave(folder.recordingPath(RecordingType::VoiceAnalysis, 1), 11025);
  frame->setCurrentClient(*frame->clientTable().find(1));
  QSignalSpy prepared(frame.get(), &CMainFrame::newRecordingPrepared);
  frame->runCommand(32834);
  ASSERT_EQ(prepared.count(), 1);
  ASSERT_TRUE(frame->preparedRecording());
  EXPECT_EQ(frame->preparedRecording()->number, 2);
  EXPECT_EQ(frame->preparedRecording()->type, RecordingType::VocalQuality);
  EXPECT_EQ(frame->preparedRecording()->path,
            QString::fromStdString(folder.recordingPath(RecordingType::VocalQuality, 2)));
  for (int n = 11; n <= 151; n += 10)
    DataFolder::put(folder.markerPath(RecordingType::VoiceAnalysis, n));
  frame->runCommand(32833);
  EXPECT_EQ(frame->lastMessage(),
            "Number of files exceeds 150!\nInsert a new client to continue...");
}

TEST_F(ClientCommands, TheVocalQualityNoticeCanBeTurnedOff) {
  frame = std::make_unique<CMainFrame>(
      FrameOptions{QString::fromStdString(data.path()), nullptr, {}}, languages, &device);
  ASSERT_TRUE(frame->clientTable().append(client(1, "Ana", 1)).ok());
  data.client(1);
  frame->setCurrentClient(*frame->clientTable().find(1));
  EXPECT_EQ(ConfigFiles(data.path()).recorder().showQualityNotice, 1);
  bool noticed = false;
  whenModal<QWidget>([&](QWidget* modal) {
    auto* notice = qobject_cast<NoticeDialog*>(modal);
    ASSERT_NE(notice, nullptr);
    noticed = true;
    notice->stopBox()->setChecked(true);
    notice->accept();
  });
  ASSERT_TRUE(frame->prepareNewRecording(RecordingType::VocalQuality));
  EXPECT_TRUE(noticed);
  EXPECT_EQ(ConfigFiles(data.path()).recorder().showQualityNotice, 0);
  EXPECT_EQ(ConfigFiles(data.path()).recorder().microphoneInput, 1) << "the other value kept";
  ASSERT_TRUE(frame->prepareNewRecording(RecordingType::VocalQuality)) << "no notice now";
}

TEST_F(ClientCommands, TheFileListShowsNewestFirstAndActsOnRows) {
  const records::ClientFolder folder = data.client(5);
  DataFolder::put(folder.recordingPath(RecordingType::VoiceAnalysis, 1), "x", 20071231);
  DataFolder::put(folder.recordingPath(RecordingType::VocalQuality, 2), "x", 20080301);
  DataFolder::put(folder.markerPath(RecordingType::VoiceAnalysis, 3), "x", 20060101);
  DataFolder::put(folder.notesPath(1), "{\\rtf1\\pard Rouca\\par\\pard mais\\par}");
  FilesDialog dialog(folder, "Ana", Language::English, false);
  ScriptedPrompt dialogPrompt;
  dialog.setPrompt(&dialogPrompt);
  QSignalSpy shown(&dialog, &MessageDialog::messageShown);
  EXPECT_EQ(dialog.windowTitle(), "Ana - Files");
  QTreeWidget* list = dialog.list();
  ASSERT_EQ(list->topLevelItemCount(), 3);
  EXPECT_EQ(list->topLevelItem(0)->text(0), "03/01/2008 File 2");
  EXPECT_EQ(list->topLevelItem(1)->text(0), "12/31/2007 File 1");
  EXPECT_EQ(list->topLevelItem(1)->text(FilesDialog::kNotesColumn), "Rouca");
  EXPECT_EQ(list->topLevelItem(2)->text(FilesDialog::kNotesColumn), "?");

  dialog.openSelected();
  EXPECT_EQ(shown.last().at(0).toString(), "Select a File!");
  list->setCurrentItem(list->topLevelItem(2));
  dialog.openSelected();
  EXPECT_TRUE(shown.last().at(0).toString().startsWith("This File was send to Backup!"));
  int edited = 0;
  dialog.editNotes = [&](records::FileNumber) { ++edited; };
  dialog.editNotesOf(list->topLevelItem(2));
  EXPECT_EQ(edited, 0) << "a backed-up number has no notes to edit";

  list->setCurrentItem(list->topLevelItem(1));
  dialogPrompt.answerWhenUnscripted = true;
  dialog.deleteSelected();
  EXPECT_FALSE(std::filesystem::exists(folder.recordingPath(RecordingType::VoiceAnalysis, 1)));
  EXPECT_FALSE(std::filesystem::exists(folder.notesPath(1)));
  EXPECT_EQ(list->topLevelItemCount(), 2);

  list->setCurrentItem(list->topLevelItem(0));
  dialog.openSelected();
  EXPECT_EQ(dialog.outcome(), FilesDialog::Outcome::Open);
  EXPECT_EQ(dialog.chosenNumber(), 2);
  EXPECT_EQ(dialog.chosenType(), RecordingType::VocalQuality);

  FilesDialog browse(folder, "Ana", Language::Korean, true);
  EXPECT_EQ(browse.list()->topLevelItem(0)->text(0), "2008/03/01 File 2");
  const auto buttons = browse.findChildren<QPushButton*>();
  for (QPushButton* button : buttons) {
    if (button->text() == "New" || button->text() == "Delete") {
      EXPECT_FALSE(button->isEnabled()) << button->text().toStdString();
    }
  }
}

TEST_F(ClientCommands, ChoosingAnotherClientWithoutAFileClearsTheView) {
  ASSERT_TRUE(frame->clientTable().append(client(1, "Ana", 1)).ok());
  ASSERT_TRUE(frame->clientTable().append(client(2, "Bruno", 0)).ok());
  putWave(data.client(1).recordingPath(RecordingType::VoiceAnalysis, 1), 11025);
  data.client(2);
  frame->setCurrentClient(*frame->clientTable().find(1));
  ASSERT_TRUE(frame->openClientFile(1, RecordingType::VoiceAnalysis));
  bool listed = false;
  whenModal<ClientListDialog>([&](ClientListDialog* list) {
    whenModal<FilesDialog>([&](FilesDialog* files) {
      listed = files->windowTitle() == "Bruno - Files";
      files->reject();
    });
    list->list()->setCurrentItem(list->list()->topLevelItem(1));
    list->openFiles();
  });
  frame->runCommand(cmd::ClientList);
  EXPECT_TRUE(listed);
  EXPECT_EQ(frame->currentClient().code, 2);
  EXPECT_FALSE(frame->document().state().isOpen()) << "Ana's file is not shown as Bruno's";
  EXPECT_EQ(frame->openFileNumber(), -1);
  EXPECT_EQ(frame->windowTitle(), "Bruno - Sonarel");
  EXPECT_EQ(frame->recordingRate(), 11025);
}

TEST_F(ClientCommands, TheClientListSearchesNamesWithoutRegardToCase) {
  records::ClientTable& table = frame->clientTable();
  for (auto [code, name] : std::initializer_list<std::pair<int, const char*>>{
           {1, "Pedro"}, {2, "Maria"}, {3, "MARCOS"}, {4, "Ana"}}) {
    ASSERT_TRUE(table.append(client(code, name, 0)).ok());
  }
  ClientListDialog dialog(table, QString::fromStdString(data.path()), Language::English);
  ScriptedPrompt dialogPrompt;
  dialog.setPrompt(&dialogPrompt);
  QSignalSpy shown(&dialog, &MessageDialog::messageShown);
  ASSERT_EQ(dialog.list()->topLevelItemCount(), 4);
  EXPECT_EQ(dialog.list()->topLevelItem(0)->text(0), "001");
  EXPECT_EQ(dialog.list()->columnWidth(1), 171);
  dialog.search();
  EXPECT_EQ(shown.last().at(0).toString(), "Type the Client Name!");
  dialog.searchField()->setText("ma");
  dialog.search();
  EXPECT_EQ(dialog.list()->currentItem()->text(1), "Maria");
  dialog.searchField()->setText("mAR");
  dialog.search();
  EXPECT_EQ(dialog.list()->currentItem()->text(1), "Maria");
  dialog.searchField()->setText("marc");
  dialog.search();
  EXPECT_EQ(dialog.list()->currentItem()->text(1), "MARCOS");
  dialog.searchField()->setText("zz");
  dialog.search();
  EXPECT_EQ(shown.last().at(0).toString(), "Client not Found!");
  dialog.openFiles();
  EXPECT_EQ(dialog.outcome(), ClientListDialog::Outcome::OpenFiles);
  EXPECT_EQ(dialog.chosen().name, "MARCOS");
}

TEST_F(ClientCommands, DeletingTheCurrentClientOrItsOpenFile) {
  ASSERT_TRUE(frame->clientTable().append(client(1, "Ana", 1)).ok());
  const records::ClientFolder folder = data.client(1);
  putWave(folder.recordingPath(RecordingType::VoiceAnalysis, 1), 11025);
  putWave(folder.recordingPath(RecordingType::VoiceAnalysis, 2), 11025);
  DataFolder::put(folder.notesPath(2));
  frame->setCurrentClient(*frame->clientTable().find(1));
  ASSERT_TRUE(frame->openClientFile(2, RecordingType::VoiceAnalysis));
  prompt.answerWhenUnscripted = true;
  const auto date = records::fileDateOf(folder.recordingPath(RecordingType::VoiceAnalysis, 2));
  ASSERT_TRUE(date);
  frame->runCommand(cmd::DeleteFiles);
  // The question names the file: number, kind and date.
  ASSERT_EQ(prompt.shown.back().id, core::MessageId::ConfirmDeleteFile);
  EXPECT_EQ(prompt.shown.back().detailText(),
            "File 2, voice analysis, recorded " +
                records::dateText(*date, records::DateOrder::MonthDayYear));
  EXPECT_FALSE(std::filesystem::exists(folder.recordingPath(RecordingType::VoiceAnalysis, 2)));
  EXPECT_FALSE(std::filesystem::exists(folder.notesPath(2)));
  EXPECT_FALSE(frame->document().state().isOpen());
  EXPECT_EQ(frame->openFileNumber(), -1);
  // Both went to the desktop's trash (the run's own XDG data home), with where they were.
  const std::string trash = std::string(std::getenv("XDG_DATA_HOME")) + "/Trash/";
  EXPECT_TRUE(std::filesystem::exists(trash + "files/wv002.wav"));
  EXPECT_TRUE(std::filesystem::exists(trash + "files/an002.rtf"));
  EXPECT_TRUE(std::filesystem::exists(trash + "info/wv002.wav.trashinfo"));
  for (const auto& file : records::listSessionFiles(folder)) EXPECT_NE(file.number, 2);

  // Another file opened from outside the folders is not the client's: nothing to delete.
  ASSERT_TRUE(frame->openClientFile(1, RecordingType::VoiceAnalysis));
  EXPECT_TRUE(enabled(cmd::DeleteFiles));
  const std::string outside = data.file("outside.wav");
  putWave(outside, 11025);
  ASSERT_TRUE(frame->openFile(QString::fromStdString(outside)));
  EXPECT_FALSE(enabled(cmd::DeleteFiles));
  frame->runCommand(cmd::DeleteFiles);
  EXPECT_TRUE(std::filesystem::exists(folder.recordingPath(RecordingType::VoiceAnalysis, 1)));

  prompt.answerWhenUnscripted = false;
  frame->runCommand(cmd::DeleteClient);
  EXPECT_EQ(frame->currentClient().code, 1) << "answered No";
  EXPECT_EQ(prompt.shown.back().detailText(), "Client: Ana (code 1)");
  prompt.answerWhenUnscripted = true;
  frame->runCommand(cmd::DeleteClient);
  EXPECT_EQ(frame->currentClient().code, -1);
  EXPECT_FALSE(folder.exists());
  EXPECT_EQ(frame->clientTable().load().value, 0);
  EXPECT_TRUE(std::filesystem::exists(trash + "files/pac001/wv001.wav")) << "the folder, whole";
  EXPECT_FALSE(enabled(cmd::PersonalInformation));
  EXPECT_EQ(frame->windowTitle(), "Sonarel");
}

TEST_F(ClientCommands, NotesAreEditedByTheOutsideEditorAndPreviewedAfter) {
  // A stand-in editor: writes a document to the path it is given and ends.
  const std::string editor = data.file("fake-noted");
  std::ofstream(editor) << "#!/bin/sh\nprintf '{\\\\rtf1\\\\pard Written by the editor\\\\par}' "
                           "> \"$1\"\n";
  std::filesystem::permissions(editor, std::filesystem::perms::owner_all);
  makeFrame(QString::fromStdString(editor));
  ASSERT_TRUE(frame->clientTable().append(client(1, "Ana", 1)).ok());
  const records::ClientFolder folder = data.client(1);
  DataFolder::put(folder.recordingPath(RecordingType::VoiceAnalysis, 1));
  frame->setCurrentClient(*frame->clientTable().find(1));
  frame->editNotes(1);
  const auto file = records::fileInformation(folder, 1);
  ASSERT_TRUE(file && file->hasNotes);
  EXPECT_EQ(file->notesPreview, "Written by the editor\n");

  makeFrame(QString::fromStdString(data.file("no-such-editor")));
  frame->setCurrentClient(client(1, "Ana", 1));
  frame->editNotes(1);
  EXPECT_EQ(frame->lastMessage(), "Notes Editor can´t be Inicialized!\nReinstall Sonarel!");
}

// A stand-in editor that writes `text` as the notes' first paragraph.
std::string fakeEditor(DataFolder& data, const std::string& text) {
  const std::string editor = data.file("fake-noted");
  std::ofstream(editor) << "#!/bin/sh\nprintf '{\\\\rtf1\\\\pard " << text
                        << "\\\\par}' > \"$1\"\n";
  std::filesystem::permissions(editor, std::filesystem::perms::owner_all);
  return editor;
}

TEST_F(ClientCommands, TheFileListsColumnsFitTheirTextsInEveryLanguage) {
  const records::ClientFolder folder = data.client(5);
  putWave(folder.recordingPath(RecordingType::VoiceAnalysis, 1), 11025);  // one second
  putWave(folder.recordingPath(RecordingType::VocalQuality, 2), 44100);
  DataFolder::put(folder.markerPath(RecordingType::VoiceAnalysis, 3), "x", 20060101);
  for (Language language :
       {Language::English, Language::Spanish, Language::Korean, Language::Portuguese}) {
    languages.apply(language);
    FilesDialog dialog(folder, "Ana", language, false);
    dialog.resize(460, 300);  // as narrow as the list allows
    dialog.show();
    QApplication::processEvents();
    QTreeWidget* list = dialog.list();
    ASSERT_EQ(list->topLevelItemCount(), 3);
    for (int row = 0; row < 3; ++row) {
      const QTreeWidgetItem* item = list->topLevelItem(row);
      for (int column :
           {FilesDialog::kDateColumn, FilesDialog::kKindColumn, FilesDialog::kDurationColumn}) {
        const int needed = list->fontMetrics().horizontalAdvance(item->text(column)) +
                           (column == FilesDialog::kDateColumn ? list->iconSize().width() : 0);
        EXPECT_GE(list->columnWidth(column), needed)
            << Languages::suffixOf(language) << " row " << row << " column " << column;
      }
    }
    languages.apply(Language::English);
  }
  FilesDialog dialog(folder, "Ana", Language::English, false);
  QTreeWidget* list = dialog.list();
  EXPECT_EQ(list->headerItem()->text(FilesDialog::kKindColumn), "Kind");
  // Files 1 and 2 carry today's date, in no fixed order; file 3 is the oldest.
  const auto row = [list](const char* number) {
    for (int i = 0; i < list->topLevelItemCount(); ++i)
      if (list->topLevelItem(i)->text(FilesDialog::kDateColumn).endsWith(number))
        return list->topLevelItem(i);
    return list->topLevelItem(0);
  };
  EXPECT_EQ(row("File 1")->text(FilesDialog::kDurationColumn), "1.00 s");
  EXPECT_EQ(row("File 1")->text(FilesDialog::kKindColumn), "Voice Analysis");
  EXPECT_EQ(row("File 2")->text(FilesDialog::kKindColumn), "Vocal Quality");
  EXPECT_EQ(row("File 3")->text(FilesDialog::kKindColumn), "Sent to Backup");
  EXPECT_EQ(row("File 3")->text(FilesDialog::kDurationColumn), "");
}

TEST_F(ClientCommands, EditNotesFromTheListButtonAndFromTheMainView) {
  makeFrame(QString::fromStdString(fakeEditor(data, "Voz rouca")));
  ASSERT_TRUE(frame->clientTable().append(client(1, "Ana", 1)).ok());
  const records::ClientFolder folder = data.client(1);
  putWave(folder.recordingPath(RecordingType::VoiceAnalysis, 1), 11025);
  frame->setCurrentClient(*frame->clientTable().find(1));

  // The list's button edits the selected row's notes and shows the new preview, in Korean too.
  FilesDialog dialog(folder, "Ana", Language::Korean, false);
  dialog.editNotes = [this](records::FileNumber number) { frame->editNotes(number); };
  EXPECT_FALSE(dialog.editNotesButton()->isEnabled()) << "nothing selected";
  dialog.list()->setCurrentItem(dialog.list()->topLevelItem(0));
  ASSERT_TRUE(dialog.editNotesButton()->isEnabled());
  dialog.editNotesButton()->click();
  EXPECT_EQ(dialog.list()->topLevelItem(0)->text(FilesDialog::kNotesColumn), "Voz rouca");

  // The main view's command, for the open file; the status bar shows the notes after.
  EXPECT_FALSE(enabled(cmd::EditNotes)) << "no file open";
  ASSERT_TRUE(frame->openClientFile(1, RecordingType::VoiceAnalysis));
  EXPECT_EQ(frame->notesStatus(), "Notes: Voz rouca");
  makeFrame(QString::fromStdString(fakeEditor(data, "Melhorou")));
  frame->setCurrentClient(client(1, "Ana", 1));
  ASSERT_TRUE(frame->openClientFile(1, RecordingType::VoiceAnalysis));
  ASSERT_TRUE(enabled(cmd::EditNotes));
  frame->runCommand(cmd::EditNotes);
  EXPECT_EQ(records::fileInformation(folder, 1)->notesPreview, "Melhorou\n");
  EXPECT_EQ(frame->notesStatus(), "Notes: Melhorou");
}

TEST_F(ClientCommands, TheEmptyWindowSaysWhatToDoNext) {
  QFrame* guide = frame->view()->guide();
  ASSERT_FALSE(guide->isHidden());
  const auto offered = [guide] {
    QList<int> commands;
    for (const QToolButton* button : guide->findChildren<QToolButton*>())
      commands << button->defaultAction()->data().toInt();
    return commands;
  };
  EXPECT_EQ(offered(), (QList<int>{cmd::NewClient, cmd::OpenSoundFile, cmd::OpenDemo}));
  QStringList started;
  frame->startProgram = [&](const QString&, const QStringList& arguments) {
    started = arguments;
    return true;
  };
  frame->runCommand(cmd::OpenDemo);
  ASSERT_EQ(started.size(), 2);
  EXPECT_EQ(started[0], "--demo");
  EXPECT_TRUE(started[1].endsWith("-demo"));

  ASSERT_TRUE(frame->clientTable().append(client(1, "Ana", 1)).ok());
  putWave(data.client(1).recordingPath(RecordingType::VoiceAnalysis, 1), 11025);
  frame->setCurrentClient(*frame->clientTable().find(1));
  EXPECT_EQ(offered(),
            (QList<int>{cmd::OpenFiles, cmd::RecordVoiceAnalysis, cmd::RecordVocalQuality}));
  ASSERT_TRUE(frame->openClientFile(1, RecordingType::VoiceAnalysis));
  EXPECT_FALSE(guide->isHidden()) << "an opened recording with no display yet";
  EXPECT_TRUE(offered().contains(cmd::F0AndIntensity));
  frame->runCommand(cmd::F0AndIntensity);
  EXPECT_TRUE(guide->isHidden());
}

TEST_F(ClientCommands, AMarkedStretchShowsItsTimesInTheStatusBar) {
  const std::string outside = data.file("outside.wav");
  ASSERT_FALSE(core::writeWave(outside, core::pcm16MonoFormat(11025),
                               testing::sine(180, 11025, 6800, 9000)));
  ASSERT_TRUE(frame->openFile(QString::fromStdString(outside)));
  EXPECT_EQ(frame->selectionStatus(), "");
  // 6800 samples: 10 a column. Columns 100 to 340 are samples 1000 to 3400.
  ViewState& state = frame->document().state();
  state.pressStrip(340);
  state.dragStrip(100);
  EXPECT_EQ(frame->selectionStatus(), "Marked: 0.09 s to 0.31 s (0.22 s)");
  state.releaseStrip(100);
  languages.apply(Language::Portuguese);
  EXPECT_EQ(frame->selectionStatus(), "Marcado: de 0.09 s a 0.31 s (0.22 s)");
  languages.apply(Language::English);
  state.clearSelection();
  EXPECT_EQ(frame->selectionStatus(), "");
}

}  // namespace
}  // namespace sonarel::app
