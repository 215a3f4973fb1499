// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: the menus of the open file's kind (voice analysis or vocal quality), the
// tool bar, the status bar, the recent files, drag and drop, and the commands that do not
// belong to the view itself (files, exports, settings dialogs, languages, help).

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <functional>

#include "app/analysis_runner.h"
#include "app/commands/command_table.h"
#include "app/config_files.h"
#include "app/frame/mfc_doc.h"
#include "app/languages.h"
#include "app/printing/report_document.h"
#include "app/session/client_session.h"
#include "app/session/comparison.h"
#include "app/session/prompt.h"
#include "app/session/report_plan.h"
#include "app/session/sound_editing.h"
#include "app/views/mfc_view.h"
#include "audio/capture_device.h"
#include "audio/playback_device.h"
#include "audio/recording_format.h"
#include "records/client_folder.h"
#include "records/client_table.h"

class QAction;
class QPrinter;
class QPrintPreviewDialog;
class QLabel;
class QToolBar;

namespace sonarel::app {

class ComparisonBar;
class HelpWindow;
class LivePlayer;

struct FrameOptions {
  QString dataFolder;
  // Where messages and questions go: null for message boxes; tests pass a ScriptedPrompt.
  Prompt* prompt = nullptr;
  QString notesEditor{};  // the notes editor to start; empty: "noted" beside the program
};

// A new recording the frame has prepared for the current client: where the recorder
// writes it.
struct PreparedRecording {
  records::RecordingType type = records::RecordingType::VoiceAnalysis;
  records::FileNumber number = -1;
  QString path;
};

// A recording chosen for the follow-up series.
struct FollowUpChoice {
  records::FileNumber number = -1;
  records::RecordingType type = records::RecordingType::VocalQuality;
};

class CMainFrame : public QMainWindow {
  Q_OBJECT
 public:
  CMainFrame(const FrameOptions& options, Languages& languages, audio::PlaybackDevice* playback,
             QWidget* parent = nullptr);
  ~CMainFrame() override;

  // Carries out a command of the menus, tool bar or context menu (when it is enabled).
  void runCommand(int id);
  // Opens a sound file from outside a client folder; its kind follows its rate.
  bool openFile(const QString& path);
  // The sound input "&Record..." records from (none: the command explains there is none).
  void setCaptureDevice(audio::CaptureDevice* capture) { capture_ = capture; }
  // Tests answer the "Record" dialog's questions and drive it through this.
  std::function<void(class CGravacao& dialog)> driveRecordDialog;

  CMfcDoc& document() { return document_; }
  CMfcView* view() { return view_; }
  QAction* action(int id) const { return actions_.value(id); }
  const QStringList& recentFiles() const { return recent_; }
  // The last message shown to the user (tests read it).
  const QString& lastMessage() const { return lastMessage_; }
  // The status bar's texts: the marked stretch, and the open file's notes.
  QString selectionStatus() const;
  QString notesStatus() const;
  // Tests drive the "Amplify Volume" dialog through this (it is shown, not run modally).
  std::function<void(class AmplifyDialog& dialog)> driveAmplifyDialog;
  // Tests answer the save dialog of the exports through this.
  std::function<QString(const QString& title)> chooseSavePath;
  // Tests choose the file "Import..." imports, answer "Convert File" (accepting or rejecting
  // it) and see the conversion's progress (returning false cancels it) through these.
  std::function<QString()> chooseImportPath;
  std::function<void(class CConverter& dialog)> driveConverter;
  std::function<bool(double share)> onImportProgress;
  // Tests drive the print options dialog through this (it is shown, not run modally).
  std::function<void(class CImprimir& dialog)> drivePrintDialog;
  // Tests stand in for the standard print dialog: they set the printer up and accept.
  std::function<bool(QPrinter& printer)> choosePrinter;
  // Tests look at the print preview through this (it is shown, not run modally).
  std::function<void(QPrintPreviewDialog& preview)> drivePrintPreview;
  // Where messages and questions go (message boxes, or the script of FrameOptions).
  Prompt& prompt() { return *prompt_; }

  // The client register and the current client (code -1 while none is chosen).
  records::ClientTable& clientTable() { return clients_; }
  const records::ClientRecord& currentClient() const { return session_.client(); }
  void setCurrentClient(const records::ClientRecord& client);
  // The current client's folder.
  records::ClientFolder currentFolder() const { return session_.folder(); }
  // The sampling rate the current client's type records at (Hz).
  int recordingRate() const { return session_.recordingRate(); }
  // Opens file `number` of the current client; its type sets the F0 range.
  bool openClientFile(records::FileNumber number, records::RecordingType type);
  // The number of the open client file, -1 for none.
  records::FileNumber openFileNumber() const { return session_.openNumber(); }
  // Prepares a new, empty file of `type` with the client's next number (asking the notice
  // first for vocal quality); false when it cannot be made.
  bool prepareNewRecording(records::RecordingType type);
  std::optional<PreparedRecording> preparedRecording() const;
  // Makes the register's first client current and opens its newest file (the demo).
  bool openFirstClientFile();
  // Runs the notes editor on the notes of the current client's file `number`.
  void editNotes(records::FileNumber number);
  // "Edit Notes" for the open client file; the status bar then shows the notes' first
  // paragraph as it now stands.
  void editOpenFileNotes();
  // Starts this program on the demo register, in a folder of its own beside the data folder.
  void openDemoRegister();
  // Tests see the program and arguments openDemoRegister starts through this.
  std::function<bool(const QString& program, const QStringList& arguments)> startProgram;

  // Runs the analyses off the window thread (tests watch it).
  AnalysisRunner& analysisRunner() { return *runner_; }

  // The commands, as the command table runs them.
  void showMode(int mode);
  // Every live display ("Real-Time") starts here: the recording is played with display
  // `liveMode` drawn in step with it, then the display's mode after the end is shown.
  void startLiveDisplay(int liveMode);
  // Ends a live display that is playing, as a stop request (nothing when none plays).
  void stopLiveDisplay();
  LivePlayer& livePlayer() { return *live_; }
  void play(bool fromContextMenu);
  void toggleZoom();
  void selectAll();
  void closeSoundFile();
  void configureF0();
  void configureIntensity();
  void configureVowelSpace();
  void calculateIntensity();
  void configurePowerSpectrum();
  void configureLpc();
  void chooseBand(int command);
  void toggleBlackAndWhite();
  void exportText(int command);
  void chooseLanguage(Language language);
  void openWithDialog();
  void showHelp();
  void showAbout();
  void recordViewFile();
  // "Import...": an outside sound file into the client file that is open or prepared.
  void importSoundFile();
  void configureRecord();
  void configureAdapter();
  void newClient();
  void showClientList();
  // True when a file was opened or a new one prepared.
  bool showFiles(bool browseOnly = false);
  void editPersonalInformation();
  void deleteClientAsked(int code);
  void deleteOpenFile();
  // "Backup/Restore".
  void showBackup();
  // Tests drive the "Backup/Restore" dialog through this (it is then not run modally).
  std::function<void(class CBackup& dialog)> driveBackupDialog;
  // Printing: the chosen screens on a printer or in the preview, as a PDF file, and the
  // client list.
  void printReport(bool preview);
  void exportReportPdf();
  void printClientList();
  // The header of the open recording's report.
  ReportSubject reportSubject() const;
  // Editing the open recording.
  void editSound(EditCommand command);
  void amplifyVolume();
  void saveChanges();
  // The follow-up series of the open vocal-quality recording.
  void addFollowUpFile();
  void removeFollowUpFile();
  void cleanFollowUp();
  // Tests choose the file "Add File..." adds through this (nothing: cancelled) instead of the
  // client's file list, and drive the "Remove Sound File" dialog through the other.
  std::function<std::optional<FollowUpChoice>()> chooseFollowUpFile;
  std::function<void(class CRemoverFollowUp& dialog)> driveRemoveDialog;
  // The comparison with a second recording: another file of the client, a model from the
  // model folder; storing the open file as a model.
  void compareWithFile();
  void openModel();
  // Compares with the sound file at `path` (its kind by its rate), as a model is.
  void compareWith(const QString& path);
  void saveAsModel();
  // Closes an open comparison (stopping its playback) and repaints the main view in its
  // mode; nothing without one. Whatever must show one recording alone (a synchronised
  // playback) calls this first.
  void closeComparison();
  // The comparison pop-up menu: play its selection (or all of it; a second use stops it,
  // and a playing main recording is stopped first), zoom it into its selection or out.
  void playComparison();
  void zoomComparison();
  // Tests choose the comparison's client file (nothing: cancelled) and answer the model
  // folder's open and save dialogs (an empty path: cancelled) through these.
  std::function<std::optional<FollowUpChoice>()> chooseComparisonFile;
  std::function<QString(bool saving)> chooseModelPath;
  // The comparison bar: shown while a comparison is open.
  ComparisonBar* comparisonBar() const { return comparisonBar_; }
  // Whether the device plays the comparison's samples (else the main recording's).
  bool playingComparison() const;
  // Asks "Save Changes?" when the open recording has unsaved changes, and saves as answered:
  // true when the open file may now be replaced.
  bool settleChanges();

 signals:
  void messageShown(const QString& text);
  // A new recording was prepared (see preparedRecording()).
  void newRecordingPrepared();

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void changeEvent(QEvent* event) override;
  // Unsaved changes are asked about first; cancelling keeps the window open.
  void closeEvent(QCloseEvent* event) override;

 private:
  void createActions();
  // The end of a live display: the whole range, the mode after the end drawn in full, the
  // menus back.
  void endLiveDisplay(int afterEnd, bool stopped, bool lost);
  void rebuildMenus();
  void rebuildToolBar();
  void retranslate();
  void updateCommandStates();
  bool commandEnabled(const CommandInfo& command) const;
  void updateSpectrogramChecks();
  void updateStatus();
  void updateSelectionStatus();
  // What the empty graph offers to do next.
  void updateGuide();
  void showMessage(const core::Message& message);
  // Runs `work` on the open recording's view on the worker with the wait dialog, and takes
  // its result into the view (see AnalysisRunner).
  AnalysisRunner::Outcome analyse(const AnalysisRunner::Work& work);
  bool ask(const core::Message& question);
  SaveAnswer askSave(const core::Message& question);
  // Keeps `text` as the last message shown and signals it.
  void noteShown(const QString& text);
  // Dialogs tell and ask through the frame's prompt, and their texts show in lastMessage().
  void connectDialog(class MessageDialog& dialog);

  std::optional<FollowUpChoice> askFollowUpFile();
  // The client's file list in selection mode; nothing when cancelled.
  std::optional<FollowUpChoice> askClientFile();
  // Loads `choice` as the comparison and tells what went wrong.
  void loadComparison(const ComparisonChoice& choice);
  void updateComparisonBar();
  // The print options dialog, then every analysis its pages need; nothing when cancelled.
  std::optional<ReportJob> chooseReport();
  bool printerChosen(QPrinter& printer);

  void addRecentFile(const QString& path);
  void loadRecentFiles();
  audio::AdapterSettings adapterSettings() const;
  bool askNewFile();
  void clearClientView();
  QString windowTitleText() const;
  QString preparedRecordingText() const;

  FrameOptions options_;
  Languages& languages_;
  ConfigFiles config_;
  CMfcDoc document_;
  CMfcView* view_;
  ComparisonBar* comparisonBar_ = nullptr;
  bool comparisonPlaying_ = false;  // the last playback started was the comparison's
  audio::PlaybackDevice* playback_;
  LivePlayer* live_;
  AnalysisRunner* runner_;
  audio::CaptureDevice* capture_ = nullptr;
  QHash<int, QAction*> actions_;
  QList<QAction*> recentActions_;
  QList<QMenu*> topMenus_;  // the menu bar's, replaced by each rebuild
  QToolBar* toolBar_ = nullptr;
  QLabel* fileLabel_ = nullptr;
  QLabel* rangeLabel_ = nullptr;
  QLabel* selectionLabel_ = nullptr;  // the marked stretch's times
  QLabel* notesLabel_ = nullptr;      // the open client file's notes, first paragraph
  QPointer<HelpWindow> help_;
  QStringList recent_;
  QString lastMessage_;
  MenuSet shownSet_ = MenuSet::Voice;
  bool busy_ = false;
  records::ClientTable clients_;
  PrintChoices voicePrintChoices_;  // the print boxes, as left at the last print
  PrintChoices qualityPrintChoices_;
  ClientSession session_;
  std::unique_ptr<Prompt> ownPrompt_;  // message boxes, when FrameOptions names no prompt
  Prompt* prompt_;
  // The frame's own telling and asking as a Prompt, for the session's calls: what they say
  // goes through showMessage, ask and askSave like everything else.
  struct Relay : Prompt {
    explicit Relay(CMainFrame& owner) : frame(owner) {}
    void tell(const core::Message& message) override { frame.showMessage(message); }
    bool ask(const core::Message& question) override { return frame.ask(question); }
    SaveAnswer askSave(const core::Message& question) override { return frame.askSave(question); }
    CMainFrame& frame;
  } relay_{*this};
};

}  // namespace sonarel::app
