// SPDX-License-Identifier: GPL-3.0-or-later
#include <ostream>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/frame_lines.h"
#include "cli/output_format.h"
#include "cli/sound_file_option.h"
#include "core/contour_text.h"
#include "core/intensity.h"

namespace sonarel::cli {

int runIntensity(const std::vector<std::string>& words, Streams streams) {
  const Arguments args = parseArguments(words, {"--kind", "--format"}, {"--frames"});
  if (!args.error.empty() || args.positional.size() != 1) {
    return usageError(streams, args.error.empty() ? "intensity takes one FILE" : args.error);
  }
  const auto format = formatOption(args);
  if (!format) return usageError(streams, kFormatChoices);
  core::SampleBuffer buffer;
  if (auto stop = openForAnalysis(args, args.positional[0], buffer, streams)) return *stop;
  const core::IntensityContour contour =
      core::computeIntensity(buffer.samples, buffer.format.sampleRate, buffer.kind);
  if (*format != OutputFormat::Text) {
    Output output("intensity");
    output.field("file", "", Value::text(args.positional[0]))
        .field("sample_rate", "Hz", Value::integer(buffer.format.sampleRate));
    if (args.has("--frames")) {
      addFrameRows(output, contour.values, buffer.count(), buffer.format.sampleRate, "intensity",
                   "dB");
    } else {
      // The display columns of the export text, one row each.
      const auto columns = core::intensityColumns(contour);
      output.columns({{"column", ""}, {"intensity", "dB"}});
      for (std::size_t i = 0; i < columns.size(); ++i) {
        output.row({Value::integer(static_cast<long long>(i)), Value::number(columns[i], 3)});
      }
    }
    writeOutput(streams.out, *format, output);
  } else if (args.has("--frames")) {
    printFrameLines(streams.out, contour.values, buffer.count(), buffer.format.sampleRate);
  } else {
    streams.out << core::intensityExportText(core::intensityColumns(contour));
  }
  return kExitOk;
}

}  // namespace sonarel::cli
