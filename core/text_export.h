// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The three text exports of a voice analysis, as other tools and older data read them.
// The texts are built with "\n" line ends (what the command line prints); the files hold
// CR LF line ends.

#include <optional>
#include <string>

#include "core/analysis_range.h"
#include "core/contour_text.h"
#include "core/contours.h"
#include "core/message.h"
#include "core/voice_statistics.h"

namespace sonarel::core {

struct StatisticsReport {
  VoiceStatistics statistics;
  TimeShares shares;
  AnalysisRange range;
  std::uint32_t sampleRate = 0;  // Hz
};
// The statistics file: every label and spacing as other tools expect, no newline at the end.
std::string statisticsExportText(const StatisticsReport& report);

std::string withCrLf(const std::string& text);

// The three exports, named by their failure messages.
enum class ExportKind { F0, Intensity, Statistics };

// Writes `text` with CR LF line ends to `path` through a temporary file renamed into place.
// On failure nothing is written and the message names the export, with the path and why
// as its detail.
std::optional<Message> saveExportFile(const std::string& path, const std::string& text,
                                      ExportKind kind);

}  // namespace sonarel::core
