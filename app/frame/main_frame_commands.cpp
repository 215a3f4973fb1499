// SPDX-License-Identifier: GPL-3.0-or-later
// The frame's command dispatch and the commands that act on the open recording.

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

#include "app/dialogs/settings/configure_f0_dialog.h"
#include "app/dialogs/settings/configure_intensity_dialog.h"
#include "app/dialogs/settings/configure_vowel_space_dialog.h"
#include "app/drawing/display_modes.h"
#include "app/frame/main_frame.h"
#include "app/help_window.h"
#include "app/translated_text.h"
#include "app/views/display_registry.h"
#include "app/views/live_display.h"
#include "app/wait_dialog.h"
#include "core/text_export.h"

namespace sonarel::app {

void CMainFrame::runCommand(int id) {
  const CommandInfo* command = findCommand(id);
  // Shortcuts reach disabled actions' commands too: the same rule stops them here.
  if (!command || !command->run) return;
  // Any command ends a live display that plays first (a new live display does it itself).
  const DisplayModeEntry* shows = displayRegistry().byCommand(id);
  if (live_->playing() && !(shows && shows->live())) {
    stopLiveDisplay();
    // "Play" stops whatever plays, a live display too.
    if (id == cmd::Play) return;
  }
  if (!commandEnabled(*command)) return;
  command->run(*this);
}

void CMainFrame::closeSoundFile() {
  if (!settleChanges()) return;
  if (playback_) playback_->stop();
  document_.state().close();
  session_.forgetOpenFile();
  emit document_.changed();
}

void CMainFrame::selectAll() {
  document_.state().selectAll();
  emit document_.changed();
}

void CMainFrame::showHelp() {
  if (!help_) help_ = new HelpWindow(this);
  help_->showContents(QString::fromLatin1(Languages::suffixOf(languages_.current())));
}

void CMainFrame::showMode(int mode) {
  ViewState& state = document_.state();
  if (!state.isOpen()) return;
  busy_ = true;
  updateCommandStates();
  const AnalysisRunner::Outcome outcome =
      analyse([mode](ViewState& view, const core::AnalysisControl& control) {
        return view.showMode(mode, control);
      });
  busy_ = false;
  if (outcome.superseded) return;  // the newer request has shown its own result
  emit document_.changed();
  if (outcome.message) showMessage(*outcome.message);
}

AnalysisRunner::Outcome CMainFrame::analyse(const AnalysisRunner::Work& work) {
  WaitDialog wait(this, tr("Analysing the recording..."));
  return runner_->run(document_.state(), &wait, work);
}

void CMainFrame::play(bool fromContextMenu) {
  ViewState& state = document_.state();
  if (!state.isOpen() || !playback_) return;
  // A second press stops the playback; the context command always starts a new one, and
  // so does a press while the comparison plays.
  if (playback_->isPlaying() && !fromContextMenu && !comparisonPlaying_) {
    playback_->stop();
    return;
  }
  comparisonPlaying_ = false;
  const SampleStretch stretch = state.playStretch(fromContextMenu);
  const auto samples = std::span(state.buffer().samples)
                           .subspan(static_cast<std::size_t>(stretch.start),
                                    static_cast<std::size_t>(stretch.length));
  if (auto failure = playback_->play(state.buffer().format, samples)) showMessage(*failure);
  updateCommandStates();
}

void CMainFrame::toggleZoom() {
  busy_ = true;
  const AnalysisRunner::Outcome outcome =
      analyse([](ViewState& view, const core::AnalysisControl& control) {
        return view.toggleZoom(control);
      });
  busy_ = false;
  if (outcome.superseded) return;
  emit document_.changed();
  if (outcome.message) showMessage(*outcome.message);
}

void CMainFrame::configureF0() {
  ConfigureF0Dialog dialog(document_.state().f0Settings(), this);
  connectDialog(dialog);
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
  connectDialog(dialog);
  if (dialog.exec() != QDialog::Accepted) return;
  document_.state().setIntensitySettings(dialog.settings());
  emit document_.changed();
}

void CMainFrame::configureVowelSpace() {
  ViewState& state = document_.state();
  CConfVogal dialog(state.clientType(), state.vowelSet(), state.vowelTargets(), this);
  connectDialog(dialog);
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
  showMode(mode::Intensity);
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

  const AnalysisRunner::Outcome outcome =
      analyse([command](ViewState& view, const core::AnalysisControl& control) {
        return command == cmd::ExportIntensity ? view.ensureIntensity() : view.ensureF0(control);
      });
  if (outcome.superseded) return;
  if (outcome.message) {
    showMessage(*outcome.message);
    return;
  }
  const std::string text = command == cmd::ExportF0 ? core::f0ExportText(state.f0())
                           : command == cmd::ExportIntensity
                               ? core::intensityExportText(state.intensityColumns())
                               : core::statisticsExportText(state.statisticsReport());
  const auto saved =
      core::saveExportFile(target.toStdString(), text,
                           command == cmd::ExportF0          ? core::ExportKind::F0
                           : command == cmd::ExportIntensity ? core::ExportKind::Intensity
                                                             : core::ExportKind::Statistics);
  emit document_.changed();
  showMessage(saved ? *saved : core::Message{core::MessageId::TextFileSaved});
}

void CMainFrame::chooseLanguage(Language language) {
  if (language == languages_.current()) return;
  if (!languages_.apply(language)) languages_.apply(Language::English);
  config_.setLanguage(languages_.current());
  document_.state().setLanguage(static_cast<int>(languages_.current()));
  retranslate();
  updateCommandStates();
  view_->update();
}

void CMainFrame::showAbout() {
  showMessage(core::Message{core::MessageId::AboutSonarel,
                            {QApplication::applicationVersion().toStdString()}});
}

}  // namespace sonarel::app
