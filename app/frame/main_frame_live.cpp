// SPDX-License-Identifier: GPL-3.0-or-later
// The displays drawn in step with the sound: their start, and their end.

#include <QMenu>

#include "app/frame/main_frame.h"
#include "app/views/display_registry.h"
#include "app/views/live_display.h"
#include "app/views/power_spectrum_window.h"

namespace sonarel::app {

void CMainFrame::startLiveDisplay(int liveMode) {
  ViewState& state = document_.state();
  const DisplayModeEntry* entry = displayRegistry().byCode(liveMode);
  if (!state.isOpen() || !entry || !entry->live()) return;
  // A comparison that is shown is closed before anything else.
  closeComparison();
  // A live display that plays ends first, as a stop request.
  stopLiveDisplay();

  // Everything the display needs is computed before any sound plays.
  busy_ = true;
  updateCommandStates();
  const AnalysisRunner::Outcome outcome =
      analyse([liveMode](ViewState& view, const core::AnalysisControl& control) {
        return view.showMode(liveMode, control);
      });
  const std::optional<core::Message>& failure = outcome.message;
  if (state.displayMode() == liveMode) {
    // The pictures are drawn in the view's logical units; its transform scales them.
    const ScaledLayout layout = view_->layout();
    live_->prepare(*entry, layout.geometry, (QSizeF(view_->size()) / layout.scale).toSize());
  }
  busy_ = false;
  if (outcome.superseded) return;
  if (state.displayMode() != liveMode) {
    // Cancelled: the display stays as it was.
    emit document_.changed();
    if (failure) showMessage(*failure);
    return;
  }
  // The empty frame of the display, then the reason a contour is shown only in part.
  emit document_.changed();
  if (failure) showMessage(*failure);

  for (QMenu* menu : std::as_const(topMenus_)) menu->menuAction()->setEnabled(false);
  if (auto refused = live_->start()) {
    for (QMenu* menu : std::as_const(topMenus_)) menu->menuAction()->setEnabled(true);
    state.clearDisplay();
    emit document_.changed();
    showMessage(*refused);
    return;
  }
  updateCommandStates();
}

void CMainFrame::stopLiveDisplay() {
  live_->stop();
}

void CMainFrame::endLiveDisplay(int afterEnd, bool stopped, bool lost) {
  ViewState& state = document_.state();
  state.resetRange();
  // The spectra of the mode after the end are computed anew over the whole recording.
  showMode(afterEnd);
  if (!stopped) view_->spectrumWindow()->hide();
  for (QMenu* menu : std::as_const(topMenus_)) menu->menuAction()->setEnabled(true);
  updateCommandStates();
  if (lost) showMessage(core::Message{core::MessageId::ErrorPlayingSoundFile});
}

}  // namespace sonarel::app
