// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where deleted recordings, notes and client folders go: never unlinked, but moved aside so
// that an accident can be undone. The window hands in the desktop's trash; without one (and
// on the command line) they go to the "Trash" folder of the data folder, in the same place
// relative to it that they had ("pac001/wv003.wav" becomes "Trash/pac001/wv003.wav").

#include <functional>
#include <string>

namespace sonarel::records {

// The data folder's own trash; nothing else in the program reads or sweeps it.
inline constexpr const char* kTrashFolderName = "Trash";

// Moves a file or a folder out of the way; true when it is gone from `path`.
using Discard = std::function<bool(const std::string& path)>;

// Moves `path`, which lies inside `dataFolder`, into `dataFolder`/Trash at its relative place.
// A name already taken there gets " (2)", " (3)", ... before its extension. False when the
// move fails (the file then stays where it was).
bool moveToDataTrash(const std::string& dataFolder, const std::string& path);

// `discard` when it is set, else moveToDataTrash into `dataFolder`.
Discard discardInto(const std::string& dataFolder, Discard discard = {});

}  // namespace sonarel::records
