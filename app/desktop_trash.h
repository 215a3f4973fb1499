// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Deleted recordings, notes and client folders go to the desktop's trash, from which the
// file manager can put them back; where the system has none, to the data folder's Trash.

#include <string>

#include "records/trash.h"

namespace sonarel::app {

records::Discard desktopTrash(const std::string& dataFolder);

}  // namespace sonarel::app
