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
  const SampleRange range = options.range.value_or(SampleRange{0, count});
  const core::SampleIndex first = std::clamp<core::SampleIndex>(range.first, 0, count);
  const core::SampleIndex last = std::clamp<core::SampleIndex>(range.end, first, count);
  out.f0 = std::move(results.f0);
  out.intensity = results.intensityColumns;
  out.report.range = {first, last};
  out.report.sampleRate = buffer.format.sampleRate;
  out.report.statistics =
      core::computeVoiceStatistics({out.f0, out.intensity, count, out.report.range});
  out.report.shares = core::computeTimeShares(out.f0, out.intensity, count, out.report.range,
                                              options.f0.silenceThreshold);
  return std::nullopt;
}

}  // namespace sonarel::cli
