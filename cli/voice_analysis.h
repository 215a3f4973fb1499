// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The voice analysis that the stats, export and batch subcommands share: options from the
// command line, then F0, intensity and statistics of one recording, as the window computes
// them.

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "cli/arguments.h"
#include "cli/output_format.h"
#include "core/analysis_control.h"
#include "core/contours.h"
#include "core/f0_settings.h"
#include "core/message.h"
#include "core/sample_buffer.h"
#include "core/text_export.h"

namespace sonarel::cli {

struct VoiceOptions {
  core::F0Settings f0;  // method, range and silence threshold, checked as the dialog does
  std::optional<core::SampleRange> range;  // the whole file by default
};

// The words every voice-analysis subcommand takes as options with values.
const std::set<std::string>& voiceOptionNames();

// The F0 method named by --method: ac (the default), cc, srpd, amdf or rapt; nothing for
// another name.
std::optional<core::F0Method> f0MethodOption(const Arguments& args);
inline constexpr const char* kMethodChoices = "--method takes ac, cc, srpd, amdf or rapt";

// Reads --method, --min, --max and --silence; the message when one is wrong. The range is
// read once the recording is open (readRange).
std::optional<std::string> readVoiceOptions(const Arguments& args, VoiceOptions& options);

struct VoiceAnalysis {
  core::F0Contour f0;
  core::IntensityColumns intensity{};
  core::StatisticsReport report;
  double silenceThresholdDb = 0;         // intensity columns below it are silence
  std::vector<std::string> diagnostics;  // the tracker's lines for standard error
};

// F0 over the whole file, intensity, then the statistics over the range of the options
// (clipped to the recording). A message when the analysis could not run. `control` sets the
// F0 analysis's threads (the result does not depend on them).
std::optional<core::Message> analyseVoice(core::SampleBuffer& buffer, const VoiceOptions& options,
                                          VoiceAnalysis& out,
                                          const core::AnalysisControl& control = {});

// The statistics as named figures with their units (F0 in Hz, intensity in dB, shares in
// percent), in the order of the export text, for the machine-readable outputs of stats and
// batch.
struct Figure {
  Column column;
  Value value;
};
std::vector<Figure> statisticsFigures(const core::StatisticsReport& report);

}  // namespace sonarel::cli
