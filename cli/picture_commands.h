// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The subcommands that draw the window's pictures into PNG files: "diagram" (the phonatory
// deviation diagram of one recording, or of a follow-up series of up to six) and "report"
// (the vocal analysis report). They paint with the window's own drawing routines, so they
// live apart from the other subcommands, which need no Qt.

#include <string>
#include <vector>

#include "cli/commands.h"

namespace sonarel::cli {

int runDiagram(const std::vector<std::string>& words, Streams streams);
int runReport(const std::vector<std::string>& words, Streams streams);

// Adds "diagram" and "report" to the subcommands.
void addPictureCommands();

}  // namespace sonarel::cli
