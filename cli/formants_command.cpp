// SPDX-License-Identifier: GPL-3.0-or-later
// The formants subcommand: the formant track of a whole recording, one line per block.
#include <cstdio>
#include <ostream>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/output_format.h"
#include "cli/sound_file_option.h"
#include "spectral/formant_track.h"

namespace sonarel::cli {

int runFormants(const std::vector<std::string>& words, Streams streams) {
  const Arguments args = parseArguments(words, {"--kind", "--format"}, {});
  if (!args.error.empty() || args.positional.size() != 1) {
    return usageError(streams, args.error.empty() ? "formants takes one FILE" : args.error);
  }
  const auto format = formatOption(args);
  if (!format) return usageError(streams, kFormatChoices);
  core::SampleBuffer buffer;
  if (auto stop = openForAnalysis(args, args.positional[0], buffer, streams)) return *stop;
  const spectral::FormantTrack track =
      spectral::TrackFormants(buffer.samples, buffer.format.sampleRate);
  if (*format != OutputFormat::Text) {
    Output output("formants");
    output.field("file", "", Value::text(args.positional[0]))
        .field("sample_rate", "Hz", Value::integer(buffer.format.sampleRate));
    output.columns(
        {{"start", "samples"}, {"length", "samples"}, {"f1", "Hz"}, {"f2", "Hz"}, {"f3", "Hz"}});
    for (std::size_t b = 0; b < track.blocks.size(); ++b) {
      const auto& f = track.formants[b];
      output.row({Value::integer(track.blocks[b].start), Value::integer(track.blocks[b].length),
                  Value::number(f[0], 1), Value::number(f[1], 1), Value::number(f[2], 1)});
    }
    writeOutput(streams.out, *format, output);
    return kExitOk;
  }
  char line[128];
  for (std::size_t b = 0; b < track.blocks.size(); ++b) {
    const auto& f = track.formants[b];
    std::snprintf(line, sizeof line, "%lld %lld %.1f %.1f %.1f\n",
                  static_cast<long long>(track.blocks[b].start),
                  static_cast<long long>(track.blocks[b].length), f[0], f[1], f[2]);
    streams.out << line;
  }
  return kExitOk;
}

}  // namespace sonarel::cli
