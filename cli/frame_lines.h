// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The --frames output shared by the contour subcommands: "time value" per frame, the time
// being where the rest of the system puts frame i of n, i * (sampleCount / n) samples.

#include <cstdint>
#include <iosfwd>
#include <span>

namespace sonarel::cli {

void printFrameLines(std::ostream& out, std::span<const float> values, std::int64_t sampleCount,
                     double sampleRate);

}  // namespace sonarel::cli
