// SPDX-License-Identifier: GPL-3.0-or-later
// The follow-up commands: adding a recording of the client to the series, removing one,
// emptying it.

#include "app/dialogs/clients/files_dialog.h"
#include "app/dialogs/follow_up/remove_follow_up_dialog.h"
#include "app/drawing/quality_drawing.h"
#include "app/frame/main_frame.h"
#include "app/wait_dialog.h"

namespace sonarel::app {

std::optional<FollowUpChoice> CMainFrame::askFollowUpFile() {
  if (chooseFollowUpFile) return chooseFollowUpFile();
  return askClientFile();
}

std::optional<FollowUpChoice> CMainFrame::askClientFile() {
  FilesDialog dialog(currentFolder(), QString::fromStdString(session_.client().name),
                     languages_.current(), true, this);
  connectDialog(dialog);
  if (dialog.exec() != QDialog::Accepted || dialog.outcome() != FilesDialog::Outcome::Open) {
    return std::nullopt;
  }
  return FollowUpChoice{dialog.chosenNumber(), dialog.chosenType()};
}

void CMainFrame::addFollowUpFile() {
  ViewState& state = document_.state();
  if (!state.isOpen() || !session_.hasClient()) return;
  FollowUpSeries& series = state.followUp();
  if (!series.firstEmptySlot()) {
    showMessage(core::Message{core::MessageId::FollowUpLimit});
    return;
  }
  const std::optional<FollowUpChoice> choice = askFollowUpFile();
  if (!choice) return;
  const FollowUpCandidate candidate{choice->number,
                                    currentFolder().recordingPath(choice->type, choice->number),
                                    choice->type == records::RecordingType::VocalQuality};
  if (auto refused = series.refusal(candidate, state.buffer().path)) {
    showMessage(*refused);
    return;
  }
  FollowUpRecording recording;
  std::optional<core::Message> failure;
  {
    WaitDialog wait(this, tr("Analysing the recording..."));
    failure = loadFollowUpRecording(candidate, recording);
  }
  if (failure) {
    showMessage(*failure);
    return;
  }
  series.add(std::move(recording));
  showMode(mode::FollowUp);
}

void CMainFrame::removeFollowUpFile() {
  ViewState& state = document_.state();
  CRemoverFollowUp dialog(state.followUp(), static_cast<int>(languages_.current()), this);
  connectDialog(dialog);
  if (driveRemoveDialog) {
    dialog.show();
    driveRemoveDialog(dialog);
  } else {
    dialog.exec();
  }
  if (dialog.result() != QDialog::Accepted || !dialog.chosenSlot()) return;
  state.followUp().remove(*dialog.chosenSlot());
  emit document_.changed();
}

void CMainFrame::cleanFollowUp() {
  document_.state().followUp().clear();
  emit document_.changed();
}

}  // namespace sonarel::app
