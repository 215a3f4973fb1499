// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Praat's own time for an analysis of a benchmark recording, so that the benchmark output
// shows both side by side. Praat runs as a separate program (scripts/praat-timing.praat).

#include <optional>
#include <string>

namespace sonarel::bench {

// Seconds Praat took for `analysis` ("ac", "cc", "intensity", "formants" or "clinical") of the
// file, reading excluded; nothing if Praat is not installed or failed.
std::optional<double> praatSeconds(const std::string& path, const std::string& analysis,
                                   double floorHz = 70, double ceilingHz = 400);

// Seconds a reference program took over the file: "pda" (the whole process; "pda_cpu" its
// processor time, user and system, which a busy machine does not inflate), "snack" (its
// ESPS pitch call alone) or a Praat analysis named as for praatSeconds, at 70-400 Hz; nothing
// if the program is missing or failed.
std::optional<double> referenceSeconds(const std::string& tool, const std::string& path);

// Wall-clock seconds a shell command took, program start included; nothing if it failed
// (a peer that is not installed, for one).
std::optional<double> commandSeconds(const std::string& command);

}  // namespace sonarel::bench
