// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every subcommand that reads a sound file shares: the --kind option, loading the file
// as the window would, and the error reports.

#include <optional>
#include <string>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "core/sample_buffer.h"

namespace sonarel::cli {

// The kind named by --kind ("voice" or "quality"), else the kind the rate implies; nothing
// when --kind has another value.
std::optional<core::FileKind> kindOption(const Arguments& args, std::uint32_t sampleRate);

// "Error Reading File!" and the reader's code in hex, on standard error, and on the next
// line why, naming the file; returns 1.
int reportReadError(Streams streams, core::WaveError error, const std::string& path);
int usageError(Streams streams, const std::string& what);

// Loads FILE into `buffer` with the kind of --kind (or of its rate) and the acceptance rules.
// Returns the exit status to stop with, or nothing when the buffer is ready.
std::optional<int> openForAnalysis(const Arguments& args, const std::string& path,
                                   core::SampleBuffer& buffer, Streams streams);

}  // namespace sonarel::cli
