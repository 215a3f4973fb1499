// SPDX-License-Identifier: GPL-3.0-or-later
#include <ostream>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/frame_lines.h"
#include "cli/sound_file_option.h"
#include "core/contour_text.h"
#include "core/intensity.h"

namespace sonarel::cli {

int runIntensity(const std::vector<std::string>& words, Streams streams) {
  const Arguments args = parseArguments(words, {"--kind"}, {"--frames"});
  if (!args.error.empty() || args.positional.size() != 1) {
    return usageError(streams, args.error.empty() ? "intensity takes one FILE" : args.error);
  }
  core::SampleBuffer buffer;
  if (auto stop = openForAnalysis(args, args.positional[0], buffer, streams)) return *stop;
  const core::IntensityContour contour =
      core::computeIntensity(buffer.samples, buffer.format.sampleRate, buffer.kind);
  if (args.has("--frames")) {
    printFrameLines(streams.out, contour.values, buffer.count(), buffer.format.sampleRate);
  } else {
    streams.out << core::intensityExportText(core::intensityColumns(contour));
  }
  return kExitOk;
}

}  // namespace sonarel::cli
