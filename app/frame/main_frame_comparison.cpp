// SPDX-License-Identifier: GPL-3.0-or-later
// The comparison commands: a second recording (a client file or a model) shown beside the
// open one, its pop-up menu, and storing the open file as a model.

#include <QFileDialog>
#include <QFileInfo>

#include "app/frame/main_frame.h"
#include "app/translated_text.h"
#include "app/views/comparison_bar.h"
#include "app/wait_dialog.h"

namespace sonarel::app {

bool CMainFrame::playingComparison() const {
  return comparisonPlaying_ && playback_ && playback_->isPlaying();
}

void CMainFrame::loadComparison(const ComparisonChoice& choice) {
  if (playingComparison()) playback_->stop();
  busy_ = true;
  updateCommandStates();
  std::optional<core::Message> failure;
  {
    WaitDialog wait(this, tr("Analysing the recording..."));
    failure = openComparison(document_.state(), choice, wait.control());
  }
  busy_ = false;
  emit document_.changed();
  if (failure) showMessage(*failure);
}

void CMainFrame::compareWithFile() {
  if (!document_.state().isOpen() || !session_.hasClient()) return;
  const std::optional<FollowUpChoice> choice =
      chooseComparisonFile ? chooseComparisonFile() : askClientFile();
  if (!choice) return;
  const auto kind = choice->type == records::RecordingType::VocalQuality
                        ? core::FileKind::VocalQuality
                        : core::FileKind::VoiceAnalysis;
  loadComparison({currentFolder().recordingPath(choice->type, choice->number), kind});
}

void CMainFrame::openModel() {
  if (!document_.state().isOpen()) return;
  const auto folder = app::modelFolder(options_.dataFolder.toStdString());
  if (!folder) {
    showMessage(core::Message{core::MessageId::ErrorReadingFile});
    return;
  }
  const QString path =
      chooseModelPath
          ? chooseModelPath(false)
          : QFileDialog::getOpenFileName(this, commandText(findCommand(cmd::OpenModel)->text),
                                         QString::fromStdString(*folder), tr("Sound File (*.wav)"));
  if (path.isEmpty()) return;
  compareWith(path);
}

void CMainFrame::compareWith(const QString& path) {
  loadComparison({path.toStdString(), std::nullopt});
}

void CMainFrame::saveAsModel() {
  const ViewState& state = document_.state();
  if (!state.isOpen()) return;
  const auto folder = app::modelFolder(options_.dataFolder.toStdString());
  if (!folder) {
    showMessage(core::Message{core::MessageId::ModelNotSaved});
    return;
  }
  // The overwrite question is ours, so that it is asked (and answered in tests) like every
  // other question.
  QString path = chooseModelPath ? chooseModelPath(true)
                                 : QFileDialog::getSaveFileName(
                                       this, commandText(findCommand(cmd::SaveAsModel)->text),
                                       QString::fromStdString(*folder), tr("Sound Files (*.wav)"),
                                       nullptr, QFileDialog::DontConfirmOverwrite);
  if (path.isEmpty()) return;
  if (QFileInfo(path).suffix().isEmpty()) path += ".wav";
  if (QFileInfo::exists(path) && !ask(core::Message{core::MessageId::ReplaceModel,
                                                    {QFileInfo(path).fileName().toStdString()}})) {
    return;
  }
  if (auto failure = app::saveAsModel(state.buffer().path, path.toStdString())) {
    showMessage(*failure);
  }
}

void CMainFrame::closeComparison() {
  if (!document_.state().comparison()) return;
  if (playingComparison()) playback_->stop();
  comparisonPlaying_ = false;
  document_.state().closeComparison();
  emit document_.changed();
}

void CMainFrame::playComparison() {
  const ViewState* other = document_.state().comparison();
  if (!other || !other->isOpen() || !playback_) return;
  if (playback_->isPlaying()) {
    const bool wasComparison = comparisonPlaying_;
    playback_->stop();
    // A second use stops the comparison; a playing main recording gives way to it.
    if (wasComparison) {
      comparisonPlaying_ = false;
      updateCommandStates();
      return;
    }
  }
  const SampleStretch stretch = other->playStretch(true);
  const auto samples = std::span(other->buffer().samples)
                           .subspan(static_cast<std::size_t>(stretch.start),
                                    static_cast<std::size_t>(stretch.length));
  comparisonPlaying_ = true;
  if (auto failure = playback_->play(other->buffer().format, samples)) {
    comparisonPlaying_ = false;
    showMessage(*failure);
  }
  updateCommandStates();
}

void CMainFrame::zoomComparison() {
  ViewState* other = document_.state().comparison();
  if (!other || !other->isOpen()) return;
  busy_ = true;
  // Run on the main view: the copy carries the comparison, and the result goes back into it.
  const AnalysisRunner::Outcome outcome =
      analyse([](ViewState& view, const core::AnalysisControl& control) {
        ViewState* copy = view.comparison();
        return copy ? copy->toggleZoom(control) : std::nullopt;
      });
  busy_ = false;
  if (outcome.superseded) return;
  emit document_.changed();
  if (outcome.message) showMessage(*outcome.message);
}

void CMainFrame::updateComparisonBar() {
  const ViewState* other = document_.state().comparison();
  const bool shown = other && other->isOpen();
  if (shown) {
    comparisonBar_->setTitle(QFileInfo(QString::fromStdString(other->buffer().path)).fileName());
  }
  if (comparisonBar_->isVisibleTo(this) != shown) comparisonBar_->setVisible(shown);
}

}  // namespace sonarel::app
