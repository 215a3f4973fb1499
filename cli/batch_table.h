// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The batch subcommand's input list and its CSV table, one row per recording.

#include <cstdint>
#include <string>
#include <vector>

#include "cli/output_format.h"
#include "core/text_export.h"

namespace sonarel::cli {

struct BatchRow {
  std::string path;
  std::uint32_t sampleRate = 0;
  std::int64_t sampleCount = 0;
  double durationSeconds = 0;
  bool analysed = false;
  core::StatisticsReport report;
  std::string error;  // the catalogue's message when the file could not be analysed
};

// Files named as they are; folders searched recursively for ".wav" files (any case), in
// name order. Paths that do not exist go to `missing`.
std::vector<std::string> collectWaveFiles(const std::vector<std::string>& paths,
                                          std::vector<std::string>& missing);

// A header line and one line per row, fields quoted where they need it.
std::string batchCsv(const std::vector<BatchRow>& rows);

// The same rows for --format csv|json, with the units in the column names.
Output batchOutput(const std::vector<BatchRow>& rows);

}  // namespace sonarel::cli
