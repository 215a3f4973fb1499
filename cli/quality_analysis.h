// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the vocal-quality subcommands share: opening FILE as a vocal-quality recording and
// obtaining its segment table as the workstation does.

#include <optional>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "core/sample_buffer.h"
#include "quality/segment_table.h"

namespace sonarel::cli {

// Opens FILE (44100 Hz only), then analyses it, or with `useCache` loads the ".dat" beside
// it when it matches and writes it otherwise. Returns the exit status to stop with, or
// nothing when `table` is ready. No segment at all is "There is no area to be analysed!".
std::optional<int> segmentsOfFile(const std::string& path, bool useCache,
                                  core::SampleBuffer& recording, quality::SegmentTable& table,
                                  Streams streams);

}  // namespace sonarel::cli
