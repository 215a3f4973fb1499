// SPDX-License-Identifier: GPL-3.0-or-later
#include <ostream>
#include <variant>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/frame_lines.h"
#include "cli/output_format.h"
#include "cli/sound_file_option.h"
#include "cli/voice_analysis.h"
#include "core/contour_text.h"
#include "core/f0_driver.h"
#include "core/f0_settings.h"

namespace sonarel::cli {
namespace {

// --method, --min and --max over the default settings (AutoCorrelation, 70 to 400 Hz),
// checked as the settings dialog checks them.
std::variant<core::F0Settings, std::string> settingsOption(const Arguments& args) {
  core::F0Settings defaults;
  core::F0DialogInput input;
  const std::optional<core::F0Method> method = f0MethodOption(args);
  if (!method) return std::string(kMethodChoices);
  input.method = static_cast<int>(*method);
  input.low = args.option("--min").value_or(std::to_string(defaults.minPitch));
  input.high = args.option("--max").value_or(std::to_string(defaults.maxPitch));
  input.threshold = std::to_string(defaults.silenceThreshold);
  input.style = defaults.style;
  auto checked = core::validateF0Dialog(input);
  if (auto* refused = std::get_if<core::Message>(&checked)) return refused->text();
  return std::get<core::F0Settings>(checked);
}

}  // namespace

int runF0(const std::vector<std::string>& words, Streams streams) {
  const Arguments args =
      parseArguments(words, {"--method", "--min", "--max", "--kind", "--format"}, {"--frames"});
  if (!args.error.empty() || args.positional.size() != 1) {
    return usageError(streams, args.error.empty() ? "f0 takes one FILE" : args.error);
  }
  const auto format = formatOption(args);
  if (!format) return usageError(streams, kFormatChoices);
  const auto settings = settingsOption(args);
  if (auto* what = std::get_if<std::string>(&settings)) return usageError(streams, *what);

  const InputFile input(args.positional[0]);
  if (auto stop = input.failure(streams)) return *stop;
  core::SampleBuffer buffer;
  if (auto stop = openForAnalysis(args, input.path(), buffer, streams,
                                  args.positional[0] == "-" ? kStandardInputName : "")) {
    return *stop;
  }
  core::VoiceAnalysis results;
  const core::F0Result run = core::computeF0(buffer, std::get<core::F0Settings>(settings), results);
  for (const std::string& line : run.diagnostics) streams.err << line;
  if (run.message) {
    streams.err << run.message->text() << "\n";
    return kExitBadInput;
  }
  if (*format != OutputFormat::Text) {
    Output output("f0");
    output.field("file", "", Value::text(args.positional[0]))
        .field("sample_rate", "Hz", Value::integer(buffer.format.sampleRate))
        .field("method", "", Value::text(args.option("--method").value_or("ac")))
        .field("frames", "", Value::integer(static_cast<long long>(results.f0.values.size())));
    addFrameRows(output, results.f0.values, buffer.count(), buffer.format.sampleRate, "f0", "Hz");
    writeOutput(streams.out, *format, output);
  } else if (args.has("--frames")) {
    printFrameLines(streams.out, results.f0.values, buffer.count(), buffer.format.sampleRate);
  } else {
    streams.out << core::f0ExportText(results.f0);
  }
  return kExitOk;
}

}  // namespace sonarel::cli
