// SPDX-License-Identifier: GPL-3.0-or-later
#include <variant>

#include "cli/voice_analysis.h"

namespace sonarel::cli {

const std::set<std::string>& voiceOptionNames() {
  static const std::set<std::string> names =
      withRangeOptions({"--method", "--min", "--max", "--silence", "--kind"});
  return names;
}

std::optional<std::string> readVoiceOptions(const Arguments& args, VoiceOptions& options) {
  const core::F0Settings defaults;
  core::F0DialogInput input;
  const std::optional<core::F0Method> method = f0MethodOption(args);
  if (!method) return kMethodChoices;
  input.method = static_cast<int>(*method);
  input.low = args.option("--min").value_or(std::to_string(defaults.minPitch));
  input.high = args.option("--max").value_or(std::to_string(defaults.maxPitch));
  input.threshold = args.option("--silence").value_or(std::to_string(defaults.silenceThreshold));
  input.style = defaults.style;
  const auto checked = core::validateF0Dialog(input);
  if (const auto* refused = std::get_if<core::Message>(&checked)) return refused->text();
  options.f0 = std::get<core::F0Settings>(checked);

  return std::nullopt;
}

}  // namespace sonarel::cli
