// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/frame_lines.h"

#include <cstdio>
#include <ostream>

namespace sonarel::cli {

void printFrameLines(std::ostream& out, std::span<const float> values, std::int64_t sampleCount,
                     double sampleRate) {
  const double samplesPerFrame =
      values.empty() ? 0.0 : static_cast<double>(sampleCount) / static_cast<double>(values.size());
  char line[64];
  for (std::size_t i = 0; i < values.size(); ++i) {
    const double seconds = static_cast<double>(i) * samplesPerFrame / sampleRate;
    std::snprintf(line, sizeof line, "%.6f %.3f\n", seconds, static_cast<double>(values[i]));
    out << line;
  }
}

}  // namespace sonarel::cli
