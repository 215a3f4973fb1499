// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The view's edit commands: which stretch they act on, what each does to the open samples
// and what a change does to the view besides (results dropped, display ended, the analysis
// cache beside the sound file deleted, even when the change is later undone).

#include <optional>

#include "app/session/view_state.h"
#include "core/edit_state.h"
#include "core/message.h"

namespace sonarel::app {

enum class EditCommand { Cut, Copy, Paste, Silence, Amplify, Undo };

// The stretch the edit commands act on: the visible range while zoomed, else the marked
// stretch of the strip (empty when nothing is marked).
core::EditStretch editStretch(const ViewState& view);
// Amplify acts on the marked stretch, or on the whole file when nothing is marked.
core::EditStretch amplifyStretch(const ViewState& view);

// The initial magnitude of "Amplify Volume" and the range the dialog accepts (percent).
constexpr int kDefaultMagnitude = 180;
constexpr int kMinimumMagnitude = 0;
constexpr int kMaximumMagnitude = 500;

// Carries out `command` on the open samples (`percent` is Amplify's magnitude); the message
// to tell when it was refused. Nothing happens without an open recording.
std::optional<core::Message> editView(ViewState& view, EditCommand command, int percent = 0);

// Whether the command can be chosen now: the recording is open and no display plays it in
// step (`realTime`); Paste needs a copied clip, Undo a change to revert.
bool editAvailable(const ViewState& view, EditCommand command, bool realTime);

}  // namespace sonarel::app
