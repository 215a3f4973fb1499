// SPDX-License-Identifier: GPL-3.0-or-later
// The stats and export subcommands: one recording, analysed over a range.
#include <ostream>

#include "cli/commands.h"
#include "cli/praat_files.h"
#include "cli/quality_analysis.h"
#include "cli/sound_file_option.h"
#include "cli/voice_analysis.h"
#include "core/atomic_file.h"

namespace sonarel::cli {
namespace {

// Loads FILE and runs the voice analysis; the exit status when either fails.
std::optional<int> analyseFile(const Arguments& args, const std::string& path,
                               VoiceAnalysis& analysis, Streams streams,
                               core::SampleBuffer& buffer) {
  VoiceOptions options;
  if (auto wrong = readVoiceOptions(args, options)) return usageError(streams, *wrong);
  const InputFile input(path);
  if (auto stop = input.failure(streams)) return stop;
  if (auto stop = openForAnalysis(args, input.path(), buffer, streams,
                                  path == "-" ? kStandardInputName : "")) {
    return stop;
  }
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

// Where the displays put frame i of `frames` over the recording, in seconds.
std::vector<double> frameStarts(std::size_t frames, const core::SampleBuffer& buffer) {
  std::vector<double> starts(frames);
  const double perFrame = frames ? static_cast<double>(buffer.count()) / frames : 0.0;
  for (std::size_t i = 0; i < frames; ++i) starts[i] = i * perFrame / buffer.format.sampleRate;
  return starts;
}

// The voiced frames of the F0 contour as points, at the times f0 --frames prints.
std::string praatPitchTier(const core::SampleBuffer& buffer, const VoiceAnalysis& analysis) {
  const auto& values = analysis.f0.values;
  const std::vector<double> starts = frameStarts(values.size(), buffer);
  std::vector<PitchPoint> points;
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (values[i] > 0) points.push_back({starts[i], values[i]});
  }
  return pitchTierText(0, buffer.durationSeconds(), points);
}

// Voiced and unvoiced frames, speech and silence columns (as stats counts them) and, for a
// vocal-quality recording, its analysed segments.
std::optional<int> praatTextGrid(const std::string& path, const core::SampleBuffer& buffer,
                                 const VoiceAnalysis& analysis, std::string& text,
                                 Streams streams) {
  const double duration = buffer.durationSeconds();
  const auto& f0 = analysis.f0.values;
  std::vector<std::string> voicing;
  for (const float value : f0) voicing.push_back(value > 0 ? "voiced" : "unvoiced");
  std::vector<IntervalTier> tiers = {
      labelRuns("voicing", frameStarts(f0.size(), buffer), voicing, duration)};

  const double threshold = analysis.silenceThresholdDb;
  std::vector<std::string> speech;
  for (const float level : analysis.intensity) {
    speech.push_back(level != 0 && level >= threshold ? "speech" : "silence");
  }
  tiers.push_back(labelRuns("speech", frameStarts(speech.size(), buffer), speech, duration));

  if (buffer.kind == core::FileKind::VocalQuality) {
    core::SampleBuffer recording;
    quality::SegmentTable table;
    if (auto stop = segmentsOfFile(path, false, recording, table, streams)) return stop;
    const double rate = recording.format.sampleRate;
    std::vector<Interval> segments;
    for (int i = 0; i < table.segmentCount(); ++i) {
      const quality::SegmentResult& s = table.segments[i];
      segments.push_back({s.start / rate, (s.start + s.length) / rate, std::to_string(i + 1)});
    }
    tiers.push_back(stretchesTier("segments", segments, duration));
  }
  text = textGridText(0, duration, tiers);
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
  core::SampleBuffer buffer;
  if (auto stop = analyseFile(args, args.positional[0], analysis, streams, buffer)) return *stop;
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
  const bool praat = what == "pitchtier" || what == "textgrid";
  if (what != "f0" && what != "intensity" && what != "stats" && !praat) {
    return usageError(streams, "export writes f0, intensity, stats, pitchtier or textgrid");
  }
  const auto out = args.option("--out");
  if (!out) return usageError(streams, "export needs --out OUT");
  if (args.positional[1] == "-") return usageError(streams, "export reads a FILE, not -");
  if (praat) {
    for (const std::string& name : rangeOptionNames()) {
      if (args.option(name))
        return usageError(streams, "export " + what + " covers the whole file");
    }
  }

  VoiceAnalysis analysis;
  core::SampleBuffer buffer;
  const std::string& path = args.positional[1];
  if (auto stop = analyseFile(args, path, analysis, streams, buffer)) return *stop;
  if (praat) {
    std::string text;
    if (what == "pitchtier") {
      text = praatPitchTier(buffer, analysis);
    } else if (auto stop = praatTextGrid(path, buffer, analysis, text, streams)) {
      return *stop;
    }
    if (!core::writeFileAtomically(*out, text)) {
      streams.err << core::writeFailure(*out, {core::MessageId::CannotSaveTextFile}).text() << "\n";
      return kExitBadInput;
    }
    streams.err << core::Message{core::MessageId::TextFileSaved}.text() << "\n";
    return kExitOk;
  }
  const std::string text = what == "f0"          ? core::f0ExportText(analysis.f0)
                           : what == "intensity" ? core::intensityExportText(analysis.intensity)
                                                 : core::statisticsExportText(analysis.report);
  const core::ExportKind kind = what == "f0"          ? core::ExportKind::F0
                                : what == "intensity" ? core::ExportKind::Intensity
                                                      : core::ExportKind::Statistics;
  if (auto failure = core::saveExportFile(*out, text, kind)) {
    streams.err << failure->lines() << "\n";
    return kExitBadInput;
  }
  streams.err << core::Message{core::MessageId::TextFileSaved}.text() << "\n";
  return kExitOk;
}

}  // namespace sonarel::cli
