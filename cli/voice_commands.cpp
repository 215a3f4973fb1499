// SPDX-License-Identifier: GPL-3.0-or-later
// The stats and export subcommands: one recording, analysed over a range.
#include <ostream>

#include "cli/commands.h"
#include "cli/sound_file_option.h"
#include "cli/voice_analysis.h"

namespace sonarel::cli {
namespace {

// Loads FILE and runs the voice analysis; the exit status when either fails.
std::optional<int> analyseFile(const Arguments& args, const std::string& path,
                               VoiceAnalysis& analysis, Streams streams) {
  VoiceOptions options;
  if (auto wrong = readVoiceOptions(args, options)) return usageError(streams, *wrong);
  core::SampleBuffer buffer;
  if (auto stop = openForAnalysis(args, path, buffer, streams)) return stop;
  const RangeChoice chosen = readRange(args, buffer.count(), buffer.format.sampleRate);
  if (!chosen.error.empty()) return usageError(streams, chosen.error);
  options.range = chosen.range;
  const auto failure = analyseVoice(buffer, options, analysis);
  for (const std::string& line : analysis.diagnostics) streams.err << line;
  if (failure) {
    streams.err << failure->text() << "\n";
    return kExitBadInput;
  }
  return std::nullopt;
}

}  // namespace

int runStats(const std::vector<std::string>& words, Streams streams) {
  auto valued = voiceOptionNames();
  valued.insert("--format");
  const Arguments args = parseArguments(words, valued, {});
  if (!args.error.empty()) return usageError(streams, args.error);
  if (args.positional.size() != 1) return usageError(streams, "stats takes one FILE");
  const auto format = formatOption(args);
  if (!format) return usageError(streams, kFormatChoices);
  VoiceAnalysis analysis;
  if (auto stop = analyseFile(args, args.positional[0], analysis, streams)) return *stop;
  if (*format == OutputFormat::Text) {
    streams.out << core::statisticsExportText(analysis.report) << "\n";
    return kExitOk;
  }
  const core::StatisticsReport& report = analysis.report;
  Output output("stats");
  output.field("file", "", Value::text(args.positional[0]))
      .field("from", "s", Value::number(double(report.range.first) / report.sampleRate, 6))
      .field("to", "s", Value::number(double(report.range.last) / report.sampleRate, 6));
  for (Figure& figure : statisticsFigures(report)) {
    output.field(std::move(figure.column.name), std::move(figure.column.unit),
                 std::move(figure.value));
  }
  writeOutput(streams.out, *format, output);
  return kExitOk;
}

int runExport(const std::vector<std::string>& words, Streams streams) {
  auto valued = voiceOptionNames();
  valued.insert("--out");
  const Arguments args = parseArguments(words, valued, {});
  if (!args.error.empty()) return usageError(streams, args.error);
  if (args.positional.size() != 2) return usageError(streams, "export takes WHAT and FILE");
  const std::string& what = args.positional[0];
  if (what != "f0" && what != "intensity" && what != "stats") {
    return usageError(streams, "export writes f0, intensity or stats");
  }
  const auto out = args.option("--out");
  if (!out) return usageError(streams, "export needs --out OUT");

  VoiceAnalysis analysis;
  if (auto stop = analyseFile(args, args.positional[1], analysis, streams)) return *stop;
  const std::string text = what == "f0"          ? core::f0ExportText(analysis.f0)
                           : what == "intensity" ? core::intensityExportText(analysis.intensity)
                                                 : core::statisticsExportText(analysis.report);
  if (auto failure = core::saveExportFile(*out, text)) {
    streams.err << failure->text() << "\n";
    return kExitBadInput;
  }
  streams.err << core::Message{core::MessageId::TextFileSaved}.text() << "\n";
  return kExitOk;
}

}  // namespace sonarel::cli
