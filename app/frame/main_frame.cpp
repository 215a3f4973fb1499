// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frame/main_frame.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/commands/record_command.h"
#include "app/dialogs/message_dialog.h"
#include "app/drawing/display_modes.h"
#include "app/frame/box_prompt.h"
#include "app/help_window.h"
#include "app/translated_text.h"
#include "app/views/command_icons.h"
#include "app/views/comparison_bar.h"
#include "app/views/display_registry.h"
#include "app/views/live_display.h"

namespace sonarel::app {
namespace {

struct TopMenuInfo {
  TopMenu menu;
  const char* text;
};

// The order of the menu bar, with the menus each file kind shows.
const TopMenuInfo kTopMenus[] = {
    {TopMenu::Client, QT_TRANSLATE_NOOP("Command", "&Client")},
    {TopMenu::Audio, QT_TRANSLATE_NOOP("Command", "A&udio")},
    {TopMenu::Edit, QT_TRANSLATE_NOOP("Command", "&Edit")},
    {TopMenu::Analysis, QT_TRANSLATE_NOOP("Command", "A&nalysis")},
    {TopMenu::FollowUp, QT_TRANSLATE_NOOP("Command", "&Follow up")},
    {TopMenu::Settings, QT_TRANSLATE_NOOP("Command", "&Settings")},
    {TopMenu::RealTime, QT_TRANSLATE_NOOP("Command", "&Real-Time")},
    {TopMenu::Compare, QT_TRANSLATE_NOOP("Command", "Co&mpare")},
    {TopMenu::Help, QT_TRANSLATE_NOOP("Command", "&Help")},
};

// The tool bar: these, then the display modes that have a picture, then help (0: a
// separator).
const int kToolBarStart[] = {cmd::OpenSoundFile, cmd::Print, 0, cmd::Play, cmd::Zoom, 0};
const int kToolBarEnd[] = {0, cmd::HelpContents};

}  // namespace

CMainFrame::CMainFrame(const FrameOptions& options, Languages& languages,
                       audio::PlaybackDevice* playback, QWidget* parent)
    : QMainWindow(parent),
      options_(options),
      languages_(languages),
      config_(options.dataFolder.toStdString()),
      view_(new CMfcView(document_, this)),
      playback_(playback),
      live_(new LivePlayer(document_, playback, this)),
      runner_(new AnalysisRunner(this)),
      clients_(options.dataFolder.toStdString() + "/pacb.dbf"),
      session_(options.dataFolder.toStdString()),
      ownPrompt_(options.prompt ? nullptr : std::make_unique<BoxPrompt>(this)),
      prompt_(options.prompt ? options.prompt : ownPrompt_.get()) {
  setObjectName("CMainFrame");
  setAcceptDrops(true);
  comparisonBar_ = new ComparisonBar(document_, this);
  view_->pairWith(comparisonBar_->view());
  auto* centre = new QWidget(this);
  auto* panes = new QVBoxLayout(centre);
  panes->setContentsMargins(0, 0, 0, 0);
  panes->setSpacing(0);
  panes->addWidget(view_, 1);
  panes->addWidget(comparisonBar_, 1);
  comparisonBar_->hide();
  setCentralWidget(centre);
  // The vowel targets start from the set of the language the program starts in.
  document_.state().setDefaultVowelSet(
      spectral::DefaultVowelSet(Languages::suffixOf(languages_.current())));
  document_.state().setLanguage(static_cast<int>(languages_.current()));
  if (!clients_.exists()) {
    if (auto created = clients_.create(); !created.ok())
      lastMessage_ = messageText(*created.failure);
  }
  createActions();
  fileLabel_ = new QLabel(this);
  rangeLabel_ = new QLabel(this);
  selectionLabel_ = new QLabel(this);
  notesLabel_ = new QLabel(this);
  notesLabel_->setMaximumWidth(320);
  statusBar()->addWidget(fileLabel_, 1);
  statusBar()->addWidget(notesLabel_);
  statusBar()->addPermanentWidget(selectionLabel_);
  statusBar()->addPermanentWidget(rangeLabel_);
  loadRecentFiles();
  rebuildMenus();
  rebuildToolBar();
  retranslate();
  connect(view_, &CMfcView::contextCommand, this, &CMainFrame::runCommand);
  connect(view_, &CMfcView::selectionChanged, this, &CMainFrame::updateSelectionStatus);
  connect(comparisonBar_->view(), &CMfcView::contextCommand, this, &CMainFrame::runCommand);
  comparisonBar_->view()->commandAvailable = [this](int id) {
    const CommandInfo* command = findCommand(id);
    return command && commandEnabled(*command);
  };
  view_->commandAvailable = [this](int id) {
    const CommandInfo* command = findCommand(id);
    return command && commandEnabled(*command);
  };
  connect(&document_, &CMfcDoc::changed, this, [this] {
    updateComparisonBar();
    updateCommandStates();
    updateStatus();
  });
  connect(this, &CMainFrame::newRecordingPrepared, this, &CMainFrame::updateCommandStates);
  connect(this, &CMainFrame::newRecordingPrepared, this, &CMainFrame::updateGuide);
  view_->setLivePlayer(live_);
  connect(live_, &LivePlayer::ended, this, &CMainFrame::endLiveDisplay);
  if (playback_) {
    connect(playback_, &audio::PlaybackDevice::finished, this, &CMainFrame::updateCommandStates);
  }
  updateCommandStates();
  updateStatus();
}

CMainFrame::~CMainFrame() {
  live_->abandon();
  if (playback_) playback_->stop();
}

void CMainFrame::createActions() {
  for (const CommandInfo& info : commandTable()) {
    auto* action = new QAction(this);
    action->setCheckable(info.checkable);
    if (*info.shortcut) action->setShortcut(QKeySequence(QString::fromLatin1(info.shortcut)));
    action->setIcon(commandIcon(info.id));
    action->setData(info.id);
    connect(action, &QAction::triggered, this, [this, id = info.id] { runCommand(id); });
    actions_.insert(info.id, action);
    addAction(action);  // shortcuts work whichever menus are shown
  }
  auto* languages = new QActionGroup(this);
  for (int id : {cmd::English, cmd::Spanish, cmd::Korean, cmd::Portuguese}) {
    languages->addAction(actions_.value(id));
  }
  for (int i = 0; i < 4; ++i) {
    auto* action = new QAction(this);
    connect(action, &QAction::triggered, this, [this, i] {
      if (i < recent_.size()) openFile(recent_.at(i));
    });
    recentActions_.append(action);
  }
}

void CMainFrame::rebuildMenus() {
  menuBar()->clear();
  // The bar keeps the menus it made after clear(): free the old ones, later, since this may
  // run from one of their own commands.
  for (QMenu* old : std::as_const(topMenus_)) old->deleteLater();
  topMenus_.clear();
  for (const TopMenuInfo& top : kTopMenus) {
    QMenu* menu = nullptr;
    for (const CommandInfo& info : commandTable()) {
      if (info.menu != top.menu || !inMenuSet(info.set, shownSet_)) continue;
      if (!menu) {
        menu = menuBar()->addMenu(commandText(top.text));
        menu->menuAction()->setEnabled(!live_->playing());
        topMenus_.append(menu);
      }
      if (info.separatorBefore) menu->addSeparator();
      menu->addAction(actions_.value(info.id));
      if (info.id == cmd::CloseSoundFile && !recent_.isEmpty()) {
        menu->addSeparator();
        for (int i = 0; i < recent_.size(); ++i) menu->addAction(recentActions_.at(i));
      }
    }
  }
}

void CMainFrame::rebuildToolBar() {
  if (!toolBar_) {
    toolBar_ = addToolBar(QString());
    toolBar_->setObjectName("mainToolBar");
    toolBar_->setMovable(false);
    toolBar_->setIconSize(QSize(24, 24));
  }
  toolBar_->clear();
  std::vector<int> commands(std::begin(kToolBarStart), std::end(kToolBarStart));
  for (const DisplayModeEntry& entry : displayRegistry().entries())
    if (entry.paintIcon) commands.push_back(entry.command);
  commands.insert(commands.end(), std::begin(kToolBarEnd), std::end(kToolBarEnd));
  for (int id : commands) {
    if (id == 0) {
      toolBar_->addSeparator();
    } else if (const CommandInfo* info = findCommand(id); info && inMenuSet(info->set, shownSet_)) {
      toolBar_->addAction(actions_.value(id));
    }
  }
}

void CMainFrame::retranslate() {
  setWindowTitle(windowTitleText());
  toolBar_->setWindowTitle(tr("Tool bar"));
  for (const CommandInfo& info : commandTable()) {
    QAction* action = actions_.value(info.id);
    action->setText(commandText(info.text));
    const QString tip = commandText(info.tip);
    action->setStatusTip(tip);
    action->setToolTip(action->shortcut().isEmpty()
                           ? tip
                           : tip + " (" + action->shortcut().toString(QKeySequence::NativeText) +
                                 ")");
  }
  for (int i = 0; i < recentActions_.size(); ++i) {
    if (i < recent_.size()) {
      recentActions_[i]->setText(
          QString("&%1 %2").arg(i + 1).arg(QFileInfo(recent_[i]).fileName()));
      recentActions_[i]->setStatusTip(recent_[i]);
    }
  }
  rebuildMenus();
  updateStatus();
}

void CMainFrame::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslate();
  QMainWindow::changeEvent(event);
}

void CMainFrame::updateCommandStates() {
  const ViewState& state = document_.state();
  const bool open = state.isOpen();
  const MenuSet wanted = open && state.buffer().kind == core::FileKind::VocalQuality
                             ? MenuSet::Quality
                             : MenuSet::Voice;
  if (wanted != shownSet_) {
    shownSet_ = wanted;
    rebuildMenus();
    rebuildToolBar();
  }
  for (const CommandInfo& info : commandTable()) {
    if (QAction* action = actions_.value(info.id)) action->setEnabled(commandEnabled(info));
  }
  actions_.value(cmd::Zoom)->setChecked(state.zoomed());
  updateSpectrogramChecks();
  const int languageCommand[] = {cmd::English, cmd::Spanish, cmd::Korean, cmd::Portuguese};
  actions_.value(languageCommand[static_cast<int>(languages_.current())])->setChecked(true);
  const bool playing = playback_ && playback_->isPlaying();
  actions_.value(cmd::Play)->setIcon(
      style()->standardIcon(playing ? QStyle::SP_MediaStop : QStyle::SP_MediaPlay));
}

bool CMainFrame::commandEnabled(const CommandInfo& command) const {
  // A command outside the menus of the open file's kind is off, shortcut and tool bar too.
  if (!command.built || busy_ || !inMenuSet(command.set, shownSet_)) return false;
  const ViewState& state = document_.state();
  const bool realTime = state.displayMode() >= kFirstRealTimeMode;
  switch (command.enable) {
    case Enable::Always:
      return true;
    case Enable::OpenFile:
      return state.isOpen();
    case Enable::Client:
      return session_.hasClient();
    case Enable::OpenClientFile:
      return state.isOpen() && session_.hasClient() && session_.openNumber() >= 0;
    case Enable::Zoom:
      return state.isOpen() && (state.zoomed() || !state.selection().empty());
    case Enable::RecordTarget:
      return recordCommandAvailable(session_.recordTarget(state).has_value(), state.displayMode());
    case Enable::Edit:
      return editAvailable(state, EditCommand::Cut, realTime);
    case Enable::Paste:
      return editAvailable(state, EditCommand::Paste, realTime);
    case Enable::Undo:
      return editAvailable(state, EditCommand::Undo, realTime);
    case Enable::Modified:
      return state.isOpen() && state.edits().modified();
    case Enable::Comparison:
      return state.comparison() && state.comparison()->isOpen();
  }
  return false;
}

void CMainFrame::updateStatus() {
  const ViewState& state = document_.state();
  setWindowTitle(windowTitleText());
  updateGuide();
  updateSelectionStatus();
  const QString notes = notesStatus();
  notesLabel_->setText(
      notesLabel_->fontMetrics().elidedText(notes, Qt::ElideRight, notesLabel_->maximumWidth()));
  notesLabel_->setToolTip(notes);
  notesLabel_->setVisible(!notes.isEmpty());
  if (!state.isOpen()) {
    fileLabel_->setText(session_.prepared()
                            ? preparedRecordingText()
                            : tr("Open a sound file to begin (Client > Open... or drop a "
                                 "file here)."));
    rangeLabel_->clear();
    return;
  }
  const core::SampleBuffer& b = state.buffer();
  const QString kind =
      b.kind == core::FileKind::VocalQuality ? tr("vocal quality") : tr("voice analysis");
  fileLabel_->setText(tr("%1 — %2 Hz, %3 s, %4")
                          .arg(QString::fromStdString(b.path))
                          .arg(b.format.sampleRate)
                          .arg(b.durationSeconds(), 0, 'f', 2)
                          .arg(kind));
  const double rate = b.format.sampleRate ? b.format.sampleRate : 1.0;
  rangeLabel_->setText(tr("%1 s to %2 s%3")
                           .arg(state.range().first / rate, 0, 'f', 2)
                           .arg(state.range().last / rate, 0, 'f', 2)
                           .arg(state.zoomed() ? tr(" (zoomed)") : QString()));
}

QString CMainFrame::selectionStatus() const {
  const ViewState& state = document_.state();
  if (!state.isOpen() || state.selection().empty()) return {};
  const SampleStretch stretch = state.selectedStretch();
  const double rate = state.buffer().format.sampleRate ? state.buffer().format.sampleRate : 1.0;
  const auto seconds = [rate](std::int64_t samples) {
    return QString::asprintf("%.2f", static_cast<double>(samples) / rate).toStdString();
  };
  return messageText(core::Message{
      core::MessageId::MarkedStretch,
      {seconds(stretch.start), seconds(stretch.start + stretch.length), seconds(stretch.length)}});
}

void CMainFrame::updateSelectionStatus() {
  const QString text = selectionStatus();
  selectionLabel_->setText(text);
  selectionLabel_->setVisible(!text.isEmpty());
}

QString CMainFrame::notesStatus() const {
  if (!document_.state().isOpen() || !session_.hasClient() || session_.openNumber() < 0) return {};
  const auto file = records::fileInformation(currentFolder(), session_.openNumber());
  if (!file || !file->hasNotes) return {};
  const QString preview = QString::fromStdString(file->notesPreview).simplified();
  if (preview.isEmpty()) return {};
  return messageText(core::Message{core::MessageId::NotesPreview, {preview.toStdString()}});
}

void CMainFrame::updateGuide() {
  const ViewState& state = document_.state();
  core::Message text{core::MessageId::EndOfCatalogue};
  QList<int> commands;
  if (state.isOpen()) {
    if (state.displayMode() == mode::None) {
      text = core::Message{core::MessageId::ChooseDisplayHint};
      commands = state.buffer().kind == core::FileKind::VocalQuality
                     ? QList<int>{cmd::VocalAnalysisData, cmd::DeviationDiagram,
                                  cmd::SpectrogramIntensityF0}
                     : QList<int>{cmd::F0AndIntensity, cmd::Spectrogram, cmd::Statistics};
    }
  } else if (session_.prepared()) {
    text = core::Message{core::MessageId::RecordNewFileHint};
    commands = {cmd::Record, cmd::Import};
  } else if (session_.hasClient()) {
    text = core::Message{core::MessageId::ClientStartHint, {session_.client().name}};
    commands = {cmd::OpenFiles, cmd::RecordVoiceAnalysis, cmd::RecordVocalQuality};
  } else {
    text = core::Message{core::MessageId::StartHint};
    commands = {cmd::NewClient, cmd::OpenSoundFile, cmd::OpenDemo};
  }
  if (text.id == core::MessageId::EndOfCatalogue) {
    view_->setGuide({}, {});
    return;
  }
  QList<QAction*> actions;
  for (int id : commands)
    if (QAction* action = actions_.value(id)) actions.append(action);
  view_->setGuide(messageText(text), actions);
}

void CMainFrame::noteShown(const QString& text) {
  lastMessage_ = text;
  emit messageShown(text);
}

void CMainFrame::showMessage(const core::Message& message) {
  noteShown(messageText(message));
  prompt_->tell(message);
}

bool CMainFrame::ask(const core::Message& question) {
  noteShown(messageText(question));
  return prompt_->ask(question);
}

SaveAnswer CMainFrame::askSave(const core::Message& question) {
  noteShown(messageText(question));
  return prompt_->askSave(question);
}

void CMainFrame::connectDialog(MessageDialog& dialog) {
  dialog.setPrompt(options_.prompt);
  connect(&dialog, &MessageDialog::messageShown, this, &CMainFrame::noteShown);
}

}  // namespace sonarel::app
