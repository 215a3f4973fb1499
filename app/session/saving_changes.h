// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keeping or dropping the edits of the open recording: writing them over the sound file or
// as the client's next file, and the "Save Changes?" question asked before anything replaces
// the open file or the program ends. Every write goes beside the target and is renamed into
// place, so a failed save leaves the file as it was and the edits open and unsaved.

#include <optional>

#include "app/session/client_session.h"
#include "app/session/prompt.h"
#include "app/session/view_state.h"
#include "core/message.h"

namespace sonarel::app {

// Writes the open samples over their file, in its format.
std::optional<core::Message> saveOver(ViewState& view);
// Writes them as the current client's next file (a vocal-quality file at 44100 Hz, else a
// voice-analysis one), which becomes the open file.
std::optional<core::Message> saveAsNew(ViewState& view, ClientSession& session);

// Does what `answer` to "Save Changes?" says: true when saved or not to be saved, false when
// cancelled or the save failed (the failure is told).
bool saveAsAnswered(ViewState& view, ClientSession& session, Prompt& prompt, SaveAnswer answer);

// Asks what to do with unsaved changes and does it: true when the caller may go on to
// replace the open file (saved, or not to be saved; also when nothing was changed), false
// when the question was cancelled or the save failed (the failure is told). Not saving lets
// the changes go: they are not asked about again.
bool settleChanges(ViewState& view, ClientSession& session, Prompt& prompt);

}  // namespace sonarel::app
