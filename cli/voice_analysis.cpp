// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/voice_analysis.h"

#include <algorithm>

#include "core/f0_driver.h"
#include "core/voice_statistics.h"

namespace sonarel::cli {

std::optional<core::F0Method> f0MethodOption(const Arguments& args) {
  const std::string name = args.option("--method").value_or("ac");
  if (name == "ac") return core::F0Method::Autocorrelation;
  if (name == "cc") return core::F0Method::CrossCorrelation;
  if (name == "srpd") return core::F0Method::Srpd;
  if (name == "amdf") return core::F0Method::Amdf;
  if (name == "rapt") return core::F0Method::LpcAutocorrelation;
  return std::nullopt;
}

std::optional<core::Message> analyseVoice(core::SampleBuffer& buffer, const VoiceOptions& options,
                                          VoiceAnalysis& out,
                                          const core::AnalysisControl& control) {
  buffer.flags.clear();
  core::VoiceAnalysis results;
  const core::F0Result run = core::computeF0(buffer, options.f0, results, control);
  out.diagnostics = run.diagnostics;
  if (run.message) return run.message;

  const core::SampleIndex count = buffer.count();
  const core::SampleRange range = options.range.value_or(core::SampleRange{0, count});
  const core::SampleIndex first = std::clamp<core::SampleIndex>(range.first, 0, count);
  const core::SampleIndex last = std::clamp<core::SampleIndex>(range.last, first, count);
  out.f0 = std::move(results.f0);
  out.intensity = results.intensityColumns;
  out.report.range = {first, last};
  out.report.sampleRate = buffer.format.sampleRate;
  out.report.statistics =
      core::computeVoiceStatistics({out.f0, out.intensity, count, out.report.range});
  out.silenceThresholdDb = options.f0.silenceThreshold;
  out.report.shares = core::computeTimeShares(out.f0, out.intensity, count, out.report.range,
                                              options.f0.silenceThreshold);
  return std::nullopt;
}

std::vector<Figure> statisticsFigures(const core::StatisticsReport& report) {
  const core::VoiceStatistics& s = report.statistics;
  const core::TimeShares& t = report.shares;
  const std::vector<double> modes(s.modes.begin(), s.modes.begin() + s.modeCount);
  const auto hz = [](double v) { return Value::number(v, 2); };
  return {
      {{"modes_f0", "Hz"}, Value::numbers(modes, 2)},
      {{"mean_f0", "Hz"}, hz(s.meanF0)},
      {{"min_f0", "Hz"}, hz(s.minF0)},
      {{"max_f0", "Hz"}, hz(s.maxF0)},
      {{"sd_f0", "Hz"}, hz(s.sdF0)},
      {{"range_f0", "semitones"}, Value::number(s.semitoneRange, 2)},
      {{"min_intensity", "dB"}, Value::number(s.minIntensity, 2)},
      {{"max_intensity", "dB"}, Value::number(s.maxIntensity, 2)},
      {{"mean_intensity", "dB"}, Value::number(s.meanIntensity, 2)},
      {{"sd_intensity", "dB"}, Value::number(s.sdIntensity, 2)},
      {{"voiced", "%"}, Value::number(100 * t.voiced, 2)},
      {{"voiceless", "%"}, Value::number(100 * (1 - t.voiced), 2)},
      {{"speech", "%"}, Value::number(100 * t.speech, 2)},
      {{"silence", "%"}, Value::number(100 * (1 - t.speech), 2)},
  };
}

}  // namespace sonarel::cli
