// The frame's command dispatch and the commands that act on the open recording.

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

#include "app/dialogs/configure_f0_dialog.h"
#include "app/dialogs/configure_intensity_dialog.h"
#include "app/dialogs/configure_vowel_space_dialog.h"
#include "app/drawing/display_modes.h"
#include "app/help_window.h"
#include "app/main_frame.h"
#include "app/translated_text.h"
#include "app/wait_dialog.h"
#include "core/text_export.h"

namespace sonarel::app {

void CMainFrame::runCommand(int id) {
  if (busy_) return;
  if (const int mode = displayModeOf(id); mode >= 0 && id != cmd::CalculateIntensity) {
    showMode(mode);
    return;
  }
  switch (id) {
    case cmd::NewClient:
      newClient();
      break;
    case cmd::ClientList:
      showClientList();
      break;
    case cmd::OpenFiles:
      showFiles();
      break;
    case cmd::DeleteFiles:
      deleteOpenFile();
      break;
    case cmd::PersonalInformation:
      editPersonalInformation();
      break;
    case cmd::DeleteClient:
      deleteClientAsked(current_.code);
      break;
    case cmd::RecordVoiceAnalysis:
      prepareNewRecording(records::RecordingType::VoiceAnalysis);
      break;
    case cmd::RecordVocalQuality:
      prepareNewRecording(records::RecordingType::VocalQuality);
      break;
    case cmd::OpenSoundFile:
      openWithDialog();
      break;
    case cmd::CloseSoundFile:
      if (playback_) playback_->stop();
      document_.state().close();
      openNumber_ = -1;
      emit document_.changed();
      break;
    case cmd::Exit:
      close();
      break;
    case cmd::Play:
      play(false);
      break;
    case cmd::PlaySelection:
      play(true);
      break;
    case cmd::Zoom:
      toggleZoom();
      break;
    case cmd::SelectAll:
      document_.state().selectAll();
      emit document_.changed();
      break;
    case cmd::ConfigureF0:
      configureF0();
      break;
    case cmd::ConfigureIntensity:
      configureIntensity();
      break;
    case cmd::CalculateIntensity:
      calculateIntensity();
      break;
    case cmd::ConfigureVowelSpace:
      configureVowelSpace();
      break;
    case cmd::ConfigurePowerSpectrum:
      configurePowerSpectrum();
      break;
    case cmd::ConfigureLpc:
      configureLpc();
      break;
    case cmd::BandWide:
    case cmd::BandMiddle:
    case cmd::BandNarrow:
      chooseBand(id);
      break;
    case cmd::BlackAndWhite:
      toggleBlackAndWhite();
      break;
    case cmd::ExportF0:
    case cmd::ExportIntensity:
    case cmd::ExportStatistics:
      exportText(id);
      break;
    case cmd::English:
      chooseLanguage(Language::English);
      break;
    case cmd::Spanish:
      chooseLanguage(Language::Spanish);
      break;
    case cmd::Korean:
      chooseLanguage(Language::Korean);
      break;
    case cmd::Portuguese:
      chooseLanguage(Language::Portuguese);
      break;
    case cmd::HelpContents:
      if (!help_) help_ = new HelpWindow(this);
      help_->showContents(QString::fromLatin1(Languages::suffixOf(languages_.current())));
      break;
    case cmd::About:
      showAbout();
      break;
    case cmd::Record:
      recordViewFile();
      break;
    case cmd::ConfigureRecord:
      configureRecord();
      break;
    case cmd::ConfigureAdapter:
      configureAdapter();
      break;
    default:
      break;  // commands of features not built are disabled
  }
}

void CMainFrame::showMode(int mode) {
  ViewState& state = document_.state();
  if (!state.isOpen()) return;
  busy_ = true;
  updateCommandStates();
  std::optional<core::Message> failure;
  {
    WaitDialog wait(this, tr("Analysing the recording..."));
    failure = state.showMode(mode, wait.control());
  }
  busy_ = false;
  emit document_.changed();
  if (failure) showMessage(*failure);
}

void CMainFrame::play(bool fromContextMenu) {
  ViewState& state = document_.state();
  if (!state.isOpen() || !playback_) return;
  // A second press stops the playback; the context command always starts a new one.
  if (playback_->isPlaying() && !fromContextMenu) {
    playback_->stop();
    return;
  }
  const SampleStretch stretch = state.playStretch(fromContextMenu);
  const auto samples = std::span(state.buffer().samples)
                           .subspan(static_cast<std::size_t>(stretch.start),
                                    static_cast<std::size_t>(stretch.length));
  if (auto failure = playback_->play(state.buffer().format, samples)) showMessage(*failure);
  updateCommandStates();
}

void CMainFrame::toggleZoom() {
  ViewState& state = document_.state();
  busy_ = true;
  std::optional<core::Message> failure;
  {
    WaitDialog wait(this, tr("Analysing the recording..."));
    failure = state.toggleZoom(wait.control());
  }
  busy_ = false;
  emit document_.changed();
  if (failure) showMessage(*failure);
}

void CMainFrame::configureF0() {
  ConfigureF0Dialog dialog(document_.state().f0Settings(), this);
  dialog.setProperty("quiet", options_.quiet);
  if (dialog.exec() != QDialog::Accepted) return;
  document_.state().setF0Settings(dialog.settings());
  const int mode = document_.state().displayMode();
  if (document_.state().isOpen()) {
    // A voice-analysis file shows the new contour; others keep their display, recomputed.
    showMode(document_.state().buffer().kind == core::FileKind::VoiceAnalysis ? mode::F0 : mode);
  }
}

void CMainFrame::configureIntensity() {
  ConfigureIntensityDialog dialog(document_.state().intensitySettings(), this);
  dialog.setProperty("quiet", options_.quiet);
  if (dialog.exec() != QDialog::Accepted) return;
  document_.state().setIntensitySettings(dialog.settings());
  emit document_.changed();
}

void CMainFrame::configureVowelSpace() {
  ViewState& state = document_.state();
  CConfVogal dialog(state.clientType(), state.vowelSet(), state.vowelTargets(), this);
  dialog.setProperty("quiet", options_.quiet);
  if (dialog.exec() != QDialog::Accepted) return;
  state.setVowelSpace(dialog.vowelSet(), dialog.clientType(), dialog.targets());
  if (state.isOpen()) {
    showMode(mode::VowelSpace);
  } else {
    emit document_.changed();
  }
}

void CMainFrame::calculateIntensity() {
  if (auto failure = document_.state().recalculateIntensity()) showMessage(*failure);
  emit document_.changed();
}

void CMainFrame::exportText(int command) {
  ViewState& state = document_.state();
  if (!state.isOpen()) return;
  const QString title = commandText(findCommand(command)->text);
  const QString path = chooseSavePath ? chooseSavePath(title)
                                      : QFileDialog::getSaveFileName(this, title, QString(),
                                                                     tr("Text File (*.txt)"));
  if (path.isEmpty()) return;  // cancelled: nothing happens
  QString target = path;
  if (QFileInfo(target).suffix().isEmpty()) target += ".txt";

  std::optional<core::Message> failure;
  {
    WaitDialog wait(this, tr("Analysing the recording..."));
    failure =
        command == cmd::ExportIntensity ? state.ensureIntensity() : state.ensureF0(wait.control());
  }
  if (failure) {
    showMessage(*failure);
    return;
  }
  const std::string text = command == cmd::ExportF0 ? core::f0ExportText(state.f0())
                           : command == cmd::ExportIntensity
                               ? core::intensityExportText(state.intensityColumns())
                               : core::statisticsExportText(state.statisticsReport());
  const auto saved = core::saveExportFile(target.toStdString(), text);
  emit document_.changed();
  showMessage(saved ? *saved : core::Message{core::MessageId::TextFileSaved});
}

void CMainFrame::chooseLanguage(Language language) {
  if (language == languages_.current()) return;
  if (!languages_.apply(language)) languages_.apply(Language::English);
  config_.setLanguage(languages_.current());
  retranslate();
  updateCommandStates();
  view_->update();
}

void CMainFrame::showAbout() {
  showInfo(
      tr("Sonarel %1\nAcoustic assessment of the voice.").arg(QApplication::applicationVersion()));
}

}  // namespace sonarel::app
