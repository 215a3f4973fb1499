// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs the notes editor ("noted", beside the program) on one notes document and waits for
// it to close. Meanwhile the program's windows keep repainting but take no input, so no
// command can run under the editor.

#include <QString>
#include <optional>

#include "core/message.h"

namespace sonarel::app {

// The editor beside the running program.
QString defaultNotesEditor();

// Starts `editor` with `document` as its one argument (no shell involved) and returns when
// it has ended; the message when it could not be started.
std::optional<core::Message> runNotesEditor(const QString& editor, const QString& document);

}  // namespace sonarel::app
