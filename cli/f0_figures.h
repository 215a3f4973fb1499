// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The F0 lines of the vocal analysis report: mean, modes and spread of the F0 contour over
// the analysis range.

#include <string>

#include "core/voice_statistics.h"

namespace sonarel::cli {

// "%.2f Hz" for the first mode, "; %.2f Hz" for each of the next three, and " ..." when
// there are five or more.
std::string f0ModesText(const core::VoiceStatistics& statistics);

// "Average F0: ...", "Mode F0: ..." and "F0 SD: ..." lines.
std::string f0FigureLines(const core::VoiceStatistics& statistics);

}  // namespace sonarel::cli
