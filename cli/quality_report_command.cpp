// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdio>
#include <cstdlib>
#include <ostream>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/f0_figures.h"
#include "cli/output_format.h"
#include "cli/quality_analysis.h"
#include "cli/sound_file_option.h"
#include "core/f0_driver.h"
#include "core/f0_settings.h"
#include "core/voice_statistics.h"
#include "quality/quality_averages.h"
#include "quality/quality_gauges.h"

namespace sonarel::cli {
namespace {

std::string line(const char* format, auto... values) {
  char text[256];
  std::snprintf(text, sizeof text, format, values...);
  return text;
}

struct GaugeReading {
  const char* label;  // as the report prints it
  const char* name;   // as the machine-readable outputs name it
  quality::GaugeBar bar;
};

std::vector<GaugeReading> gaugeReadings(const quality::QualityAverages& a) {
  using quality::Gauge;
  return {{"GNE", "gne", quality::gaugeBar(Gauge::Gne, a.gne)},
          {"Noise", "noise", quality::gaugeBar(Gauge::Noise, a.noise)},
          {"Irregularity", "irregularity", quality::gaugeBar(Gauge::Irregularity, a.irregularity)},
          {"Jitter", "jitter", quality::gaugeBar(Gauge::Jitter, a.jitter)},
          {"Shimmer", "shimmer", quality::gaugeBar(Gauge::Shimmer, a.shimmer)}};
}

const char* colourName(const quality::GaugeBar& bar) {
  return bar.colour == quality::GaugeColour::Green ? "green" : "red";
}

void printGauges(std::ostream& out, const quality::QualityAverages& a) {
  out << "Gauges:\n";
  for (const GaugeReading& gauge : gaugeReadings(a)) {
    out << line("  %-13s %s, bar %.0f %% of the scale%s\n", gauge.label, colourName(gauge.bar),
                gauge.bar.fraction * 100, gauge.bar.overflow ? " ..." : "");
  }
}

Output reportOutput(const std::string& path, double fromSeconds, double toSeconds,
                    const core::VoiceStatistics& s, const quality::QualityAverages& a) {
  Output output("quality-report");
  const auto two = [](double v) { return Value::number(v, 2); };
  output.field("file", "", Value::text(path))
      .field("from", "s", Value::number(fromSeconds, 6))
      .field("to", "s", Value::number(toSeconds, 6))
      .field("mean_f0", "Hz", two(s.meanF0))
      .field("modes_f0", "Hz",
             Value::numbers(std::vector<double>(s.modes.begin(), s.modes.begin() + s.modeCount), 2))
      .field("sd_f0", "Hz", two(s.sdF0))
      .field("segments_used", "", Value::integer(a.segmentsUsed))
      .field("jitter", "%", two(a.jitter))
      .field("shimmer", "%", two(a.shimmer))
      .field("correlation", "", two(a.correlation))
      .field("irregularity", "", two(a.irregularity))
      .field("irregularity_sd", "", two(a.irregularitySd))
      .field("gne", "", two(a.gne))
      .field("noise", "", two(a.noise))
      .field("noise_sd", "", two(a.noiseSd));
  for (const GaugeReading& gauge : gaugeReadings(a)) {
    output.field(std::string(gauge.name) + "_gauge", "", Value::text(colourName(gauge.bar)));
  }
  return output;
}

}  // namespace

int runQualityReport(const std::vector<std::string>& words, Streams streams) {
  const Arguments args = parseArguments(words, withRangeOptions({"--format"}), {});
  if (!args.error.empty() || args.positional.size() != 1) {
    return usageError(streams, args.error.empty() ? "quality-report takes one FILE" : args.error);
  }
  const auto format = formatOption(args);
  if (!format) return usageError(streams, kFormatChoices);
  core::SampleBuffer recording;
  quality::SegmentTable table;
  if (auto status = segmentsOfFile(args.positional[0], false, recording, table, streams)) {
    return *status;
  }
  const RangeChoice chosen = readRange(args, recording.count(), recording.format.sampleRate);
  if (!chosen.error.empty()) return usageError(streams, chosen.error);
  const double rate = recording.format.sampleRate;
  const double first = static_cast<double>(chosen.range.first);
  const double last = static_cast<double>(chosen.range.last);
  const quality::QualityAverages a = quality::averageQualityMeasures(table.segments, first, last);
  if (a.segmentsUsed == 0) {
    // Nothing to average is a refusal, not a report.
    streams.err << core::Message{core::MessageId::NoPointAvailable}.text() << "\n";
    return kExitBadInput;
  }

  // The F0 figures come from the F0 contour of the whole file (default settings:
  // autocorrelation, 70 to 400 Hz), summarised over the same range.
  core::VoiceAnalysis voice;
  const core::F0Result f0 = core::computeF0(recording, core::F0Settings{}, voice);
  if (f0.message) {
    streams.err << f0.message->text() << "\n";
    return kExitBadInput;
  }
  const core::AnalysisRange range{static_cast<core::SampleIndex>(first),
                                  static_cast<core::SampleIndex>(last)};
  const core::VoiceStatistics statistics =
      core::computeVoiceStatistics({voice.f0, voice.intensityColumns, recording.count(), range});
  if (*format != OutputFormat::Text) {
    writeOutput(streams.out, *format,
                reportOutput(args.positional[0], first / rate, last / rate, statistics, a));
    return kExitOk;
  }
  streams.out << "Statistics\n" << line("(from %.2fs to %.2fs)\n", first / rate, last / rate);
  streams.out << f0FigureLines(statistics) << line("Segments used: %d\n", a.segmentsUsed)
              << line("Jitter  (PPQ): %.2f %%\n", a.jitter)
              << line("Shimmer (EPQ): %.2f %%\n", a.shimmer)
              << line("Correlation: %.2f\n", a.correlation)
              << line("Irregularity: %.2f\n", a.irregularity)
              << line("Irregularity SD: %.2f\n", a.irregularitySd) << line("GNE: %.2f\n", a.gne)
              << line("Noise: %.2f\n", a.noise) << line("Noise SD: %.2f\n", a.noiseSd);
  printGauges(streams.out, a);
  return kExitOk;
}

}  // namespace sonarel::cli
