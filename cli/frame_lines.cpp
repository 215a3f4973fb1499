// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/frame_lines.h"

#include <cstdio>
#include <ostream>

#include "cli/output_format.h"

namespace sonarel::cli {
namespace {

double frameSeconds(std::size_t i, std::size_t frames, std::int64_t sampleCount,
                    double sampleRate) {
  const double samplesPerFrame =
      frames == 0 ? 0.0 : static_cast<double>(sampleCount) / static_cast<double>(frames);
  return static_cast<double>(i) * samplesPerFrame / sampleRate;
}

}  // namespace

void printFrameLines(std::ostream& out, std::span<const float> values, std::int64_t sampleCount,
                     double sampleRate) {
  char line[64];
  for (std::size_t i = 0; i < values.size(); ++i) {
    const double seconds = frameSeconds(i, values.size(), sampleCount, sampleRate);
    std::snprintf(line, sizeof line, "%.6f %.3f\n", seconds, static_cast<double>(values[i]));
    out << line;
  }
}

void addFrameRows(Output& output, std::span<const float> values, std::int64_t sampleCount,
                  double sampleRate, const std::string& name, const std::string& unit) {
  output.columns({{"time", "s"}, {name, unit}});
  for (std::size_t i = 0; i < values.size(); ++i) {
    output.row({Value::number(frameSeconds(i, values.size(), sampleCount, sampleRate), 6),
                Value::number(values[i], 3)});
  }
}

}  // namespace sonarel::cli
