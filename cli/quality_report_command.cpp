// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdio>
#include <cstdlib>
#include <ostream>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/f0_figures.h"
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

void printGauges(std::ostream& out, const quality::QualityAverages& a) {
  using quality::Gauge;
  const std::pair<Gauge, std::pair<const char*, float>> gauges[] = {
      {Gauge::Gne, {"GNE", a.gne}},
      {Gauge::Noise, {"Noise", a.noise}},
      {Gauge::Irregularity, {"Irregularity", a.irregularity}},
      {Gauge::Jitter, {"Jitter", a.jitter}},
      {Gauge::Shimmer, {"Shimmer", a.shimmer}}};
  out << "Gauges:\n";
  for (const auto& [gauge, named] : gauges) {
    const quality::GaugeBar bar = quality::gaugeBar(gauge, named.second);
    out << line("  %-13s %s, bar %.0f %% of the scale%s\n", named.first,
                bar.colour == quality::GaugeColour::Green ? "green" : "red", bar.fraction * 100,
                bar.overflow ? " ..." : "");
  }
}

}  // namespace

int runQualityReport(const std::vector<std::string>& words, Streams streams) {
  const Arguments args = parseArguments(words, rangeOptionNames(), {});
  if (!args.error.empty() || args.positional.size() != 1) {
    return usageError(streams, args.error.empty() ? "quality-report takes one FILE" : args.error);
  }
  core::SampleBuffer recording;
  quality::SegmentTable table;
  if (auto status = segmentsOfFile(args.positional[0], false, recording, table, streams)) {
    return *status;
  }
  const RangeChoice chosen = readRange(args, recording.count(), recording.format.sampleRate);
  if (!chosen.error.empty()) return usageError(streams, chosen.error);
  const double rate = recording.format.sampleRate;
  const double first = static_cast<double>(chosen.range.first);
  const double last = static_cast<double>(chosen.range.end);
  const quality::QualityAverages a = quality::averageQualityMeasures(table.segments, first, last);
  if (a.segmentsUsed == 0) {
    // Nothing to average is a refusal, not a report.
    streams.err << core::Message{core::MessageId::NoPointAvailable}.text() << "\n";
    return kExitBadInput;
  }
  streams.out << "Statistics\n" << line("(from %.2fs to %.2fs)\n", first / rate, last / rate);
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
