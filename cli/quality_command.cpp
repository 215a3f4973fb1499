// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdio>
#include <ostream>

#include "cli/arguments.h"
#include "cli/commands.h"
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

}  // namespace

int runQuality(const std::vector<std::string>& words, Streams streams) {
  const Arguments args = parseArguments(words, {}, {"--cache"});
  if (!args.error.empty() || args.positional.size() != 1) {
    return usageError(streams, args.error.empty() ? "quality takes one FILE" : args.error);
  }
  core::SampleBuffer recording;
  quality::SegmentTable table;
  if (auto status =
          segmentsOfFile(args.positional[0], args.has("--cache"), recording, table, streams)) {
    return *status;
  }
  streams.out << "segments: " << table.segmentCount() << "\n";
  for (int i = 0; i < table.segmentCount(); ++i)
    printSegment(streams.out, i + 1, table.segments[i]);
  return kExitOk;
}

}  // namespace sonarel::cli
