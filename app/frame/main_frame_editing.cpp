// SPDX-License-Identifier: GPL-3.0-or-later
// The frame's edit commands: cut, copy, paste, silence, amplify and undo on the open
// recording, "Save Changes", and the question about unsaved changes before the open file
// is replaced or the window closes.

#include <QCloseEvent>

#include "app/dialogs/editing/amplify_dialog.h"
#include "app/frame/main_frame.h"
#include "app/session/saving_changes.h"
#include "app/views/live_display.h"

namespace sonarel::app {

void CMainFrame::editSound(EditCommand command) {
  if (playback_) playback_->stop();  // the samples playing may be about to move
  const auto refusal = editView(document_.state(), command);
  emit document_.changed();
  if (refusal) showMessage(*refusal);
}

void CMainFrame::amplifyVolume() {
  AmplifyDialog dialog(this);
  connectDialog(dialog);
  if (driveAmplifyDialog) {
    dialog.show();
    driveAmplifyDialog(dialog);
  } else {
    dialog.exec();
  }
  if (dialog.result() != QDialog::Accepted) return;
  if (playback_) playback_->stop();
  const auto refusal = editView(document_.state(), EditCommand::Amplify, dialog.magnitude());
  emit document_.changed();
  if (refusal) showMessage(*refusal);
}

bool CMainFrame::settleChanges() {
  const bool settled = app::settleChanges(document_.state(), session_, relay_);
  emit document_.changed();  // a save as a new file renames the open one
  return settled;
}

void CMainFrame::saveChanges() {
  ViewState& state = document_.state();
  if (!state.isOpen() || !state.edits().modified()) return;
  // "Don´t save" here only ends the question: the changes stay unsaved.
  saveAsAnswered(state, session_, relay_,
                 askSave(core::Message{core::MessageId::SaveChangesQuestion}));
  emit document_.changed();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  if (!settleChanges()) {
    event->ignore();
    return;
  }
  // The sound stops and the live display's pictures go; nothing more is drawn.
  if (live_->playing()) {
    live_->abandon();
    document_.state().clearDisplay();
  }
  QMainWindow::closeEvent(event);
}

}  // namespace sonarel::app
