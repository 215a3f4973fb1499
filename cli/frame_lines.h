// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The --frames output shared by the contour subcommands: "time value" per frame, the time
// being where the rest of the system puts frame i of n, i * (sampleCount / n) samples.

#include <cstdint>
#include <iosfwd>
#include <span>
#include <string>

namespace sonarel::cli {

class Output;

void printFrameLines(std::ostream& out, std::span<const float> values, std::int64_t sampleCount,
                     double sampleRate);

// The same frames as a "time" (s) and a `name` (`unit`) column of `output`.
void addFrameRows(Output& output, std::span<const float> values, std::int64_t sampleCount,
                  double sampleRate, const std::string& name, const std::string& unit);

}  // namespace sonarel::cli
