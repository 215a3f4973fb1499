// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/session/comparison.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "core/atomic_file.h"
#include "records/client_record.h"

namespace sonarel::app {

namespace {
constexpr std::uint32_t kVocalQualityRate = 44100;
}  // namespace

std::optional<core::Message> typeDisagreement(std::uint32_t mainRate,
                                              std::uint32_t comparisonRate) {
  const bool mainQuality = mainRate == kVocalQualityRate;
  const bool otherQuality = comparisonRate == kVocalQualityRate;
  if (mainQuality && !otherQuality) {
    return core::Message{core::MessageId::CompareNeedsVocalQuality};
  }
  if (!mainQuality && otherQuality) {
    return core::Message{core::MessageId::CompareNeedsVoiceAnalysis};
  }
  return std::nullopt;
}

std::optional<core::Message> openComparison(ViewState& main, const ComparisonChoice& choice,
                                            const core::AnalysisControl& control) {
  if (!main.isOpen()) return std::nullopt;
  ViewState& other = main.makeComparison();
  const core::FileKind kind = choice.kind ? *choice.kind : core::kindOfFile(choice.path);
  if (auto refused = other.open(choice.path, kind)) {
    main.closeComparison();
    return refused;
  }
  if (auto disagreement =
          typeDisagreement(main.buffer().format.sampleRate, other.buffer().format.sampleRate)) {
    main.closeComparison();
    return disagreement;
  }
  const auto type = records::settingsForType(main.clientType());
  if (!type) {
    main.closeComparison();
    return core::Message{core::MessageId::UndefinedType};
  }
  core::F0Settings f0 = other.f0Settings();
  f0.minPitch = type->f0Minimum;
  f0.maxPitch = type->f0Maximum;
  other.setF0Settings(f0);
  other.setClientType(main.clientType());
  if (main.showingModeThatClosesComparison()) main.showNothing();
  if (main.displayMode() == mode::None) return std::nullopt;
  return other.showMode(main.displayMode(), main.modeNeeds(), control);
}

void scaleTogether(DisplayData& main, DisplayData& comparison) {
  const int minPitch = std::min(main.f0Display.minPitch, comparison.f0Display.minPitch);
  const int maxPitch = std::max(main.f0Display.maxPitch, comparison.f0Display.maxPitch);
  const int low = std::min(main.intensityDisplay.lowLimit, comparison.intensityDisplay.lowLimit);
  const int high = std::max(main.intensityDisplay.highLimit, comparison.intensityDisplay.highLimit);
  for (DisplayData* data : {&main, &comparison}) {
    data->f0Display.minPitch = minPitch;
    data->f0Display.maxPitch = maxPitch;
    data->intensityDisplay.lowLimit = low;
    data->intensityDisplay.highLimit = high;
    data->axisSeconds = 0;
    data->besideComparison = true;
  }
  const double a = main.rangeSeconds();
  const double b = comparison.rangeSeconds();
  const double longer = std::max(a, b);
  const double shorter = std::min(a, b);
  if (shorter > 0 && longer <= shorter * kSharedTimeAxisRatio) {
    main.axisSeconds = longer;
    comparison.axisSeconds = longer;
  }
}

std::optional<std::string> modelFolder(const std::string& dataFolder) {
  const std::filesystem::path folder = std::filesystem::path(dataFolder) / "Modelos";
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error || !std::filesystem::is_directory(folder, error)) return std::nullopt;
  return folder.string();
}

std::optional<core::Message> saveAsModel(const std::string& source, const std::string& model) {
  const core::Message failure{core::MessageId::ModelNotSaved};
  std::error_code error;
  if (std::filesystem::exists(model, error) && std::filesystem::equivalent(source, model, error)) {
    return std::nullopt;  // the model is the open file itself: nothing to copy
  }
  std::ifstream in(source, std::ios::binary);
  if (!in) return failure;
  const std::string contents{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) return failure;
  if (!core::writeFileAtomically(model, contents)) return core::writeFailure(model, failure);
  return std::nullopt;
}

}  // namespace sonarel::app
