// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdio>
#include <ostream>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/output_format.h"
#include "cli/quality_analysis.h"
#include "cli/sound_file_option.h"
#include "quality/frame_timing.h"

namespace sonarel::cli {
namespace {

constexpr double kRate = 44100.0;

std::string line(const char* format, auto... values) {
  char text[256];
  std::snprintf(text, sizeof text, format, values...);
  return text;
}

void printSegment(std::ostream& out, int index, const quality::SegmentResult& s) {
  using quality::Measure;
  out << line("segment %d: start %d (%.3f s), length %d (%.3f s), %d frames\n", index, s.start,
              s.start / kRate, s.length, s.length / kRate, s.frameCount);
  out << "  frame   from (s)     to (s)  jitter (%)  shimmer (%)  F0 (Hz)    GNE  correlation"
         "  irregularity  noise\n";
  for (int k = 0; k < s.frameCount; ++k) {
    const quality::FrameSpan span = quality::frameSpan(s, k);
    out << line("  %5d %10.3f %10.3f %11.3f %12.3f %8.2f %6.3f %12.4f %13.3f %6.3f\n", k + 1,
                span.first / kRate, span.end / kRate, s.value(Measure::Jitter, k),
                s.value(Measure::Shimmer, k), s.value(Measure::F0, k), s.value(Measure::Gne, k),
                s.value(Measure::Correlation, k), s.value(Measure::Irregularity, k),
                s.value(Measure::Noise, k));
  }
}

// Every frame of every segment as one row.
Output qualityOutput(const std::string& path, const quality::SegmentTable& table) {
  using quality::Measure;
  Output output("quality");
  output.field("file", "", Value::text(path))
      .field("segments", "", Value::integer(table.segmentCount()));
  output.columns({{"segment", ""},
                  {"segment_start", "s"},
                  {"segment_length", "s"},
                  {"frame", ""},
                  {"from", "s"},
                  {"to", "s"},
                  {"jitter", "%"},
                  {"shimmer", "%"},
                  {"f0", "Hz"},
                  {"gne", ""},
                  {"correlation", ""},
                  {"irregularity", ""},
                  {"noise", ""}});
  for (int i = 0; i < table.segmentCount(); ++i) {
    const quality::SegmentResult& s = table.segments[i];
    for (int k = 0; k < s.frameCount; ++k) {
      const quality::FrameSpan span = quality::frameSpan(s, k);
      output.row({Value::integer(i + 1), Value::number(s.start / kRate, 6),
                  Value::number(s.length / kRate, 6), Value::integer(k + 1),
                  Value::number(span.first / kRate, 6), Value::number(span.end / kRate, 6),
                  Value::number(s.value(Measure::Jitter, k), 3),
                  Value::number(s.value(Measure::Shimmer, k), 3),
                  Value::number(s.value(Measure::F0, k), 2),
                  Value::number(s.value(Measure::Gne, k), 3),
                  Value::number(s.value(Measure::Correlation, k), 4),
                  Value::number(s.value(Measure::Irregularity, k), 3),
                  Value::number(s.value(Measure::Noise, k), 3)});
    }
  }
  return output;
}

}  // namespace

int runQuality(const std::vector<std::string>& words, Streams streams) {
  const Arguments args = parseArguments(words, {"--format"}, {"--cache"});
  if (!args.error.empty() || args.positional.size() != 1) {
    return usageError(streams, args.error.empty() ? "quality takes one FILE" : args.error);
  }
  const auto format = formatOption(args);
  if (!format) return usageError(streams, kFormatChoices);
  core::SampleBuffer recording;
  quality::SegmentTable table;
  if (auto status =
          segmentsOfFile(args.positional[0], args.has("--cache"), recording, table, streams)) {
    return *status;
  }
  if (*format != OutputFormat::Text) {
    writeOutput(streams.out, *format, qualityOutput(args.positional[0], table));
    return kExitOk;
  }
  streams.out << "segments: " << table.segmentCount() << "\n";
  for (int i = 0; i < table.segmentCount(); ++i)
    printSegment(streams.out, i + 1, table.segments[i]);
  return kExitOk;
}

}  // namespace sonarel::cli
