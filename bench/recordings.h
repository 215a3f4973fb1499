// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Recordings for the benchmarks, written once per run into the temporary folder.

#include <string>

namespace sonarel::bench {

// A WAVE file of `seconds` of a voiced-like signal (a gliding pulse train with noise) at
// `rate` Hz; the same file is reused by every benchmark of the run.
const std::string& benchRecording(int seconds, int rate);

}  // namespace sonarel::bench
