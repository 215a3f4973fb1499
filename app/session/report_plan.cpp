// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/session/report_plan.h"

#include <algorithm>
#include <cstdio>

#include "app/session/view_state.h"

namespace sonarel::app {

const std::vector<int>& reportPageOrder(core::FileKind kind) {
  // Personal information, audio signal, F0, intensity, F0 and intensity, statistics, LPC
  // spectrum, histogram, power spectrum, power and LPC, vowel space, spectrogram, spectrogram
  // with amplitude.
  static const std::vector<int> voice{
      page::PersonalInformation, 0, 2, 3, 8, 5, 6, 4, 7, 9, 10, 1, 16};
  // Personal information, deviation diagram, vocal analysis data, clinical measures,
  // spectrogram with intensity and F0, follow-up diagram.
  static const std::vector<int> quality{page::PersonalInformation, 12, 11, 18, 14, 17};
  return kind == core::FileKind::VocalQuality ? quality : voice;
}

std::vector<int> orderedPages(core::FileKind kind, const std::set<int>& ticked) {
  std::vector<int> pages;
  for (int code : reportPageOrder(kind))
    if (ticked.contains(code)) pages.push_back(code);
  return pages;
}

std::optional<core::Message> refuseEmptyReport(const std::vector<int>& pages) {
  if (pages.empty()) return core::Message{core::MessageId::SelectAtLeastOneScreen};
  return std::nullopt;
}

ModeNeeds reportPageNeeds(int page) {
  if (page == page::PersonalInformation) return {};
  const ModeNeeds* needs = modeNeedsOf(page);
  ModeNeeds result = needs ? *needs : ModeNeeds{};
  if (page == 0) result.f0 = true;
  return result;
}

ModeNeeds reportNeeds(const std::vector<int>& pages) {
  ModeNeeds all;
  for (int page : pages) {
    const ModeNeeds one = reportPageNeeds(page);
    all.formants |= one.formants;
    all.f0 |= one.f0;
    all.intensity |= one.intensity;
    all.rangeStatistics |= one.rangeStatistics;
    all.lpc |= one.lpc;
    all.power |= one.power;
    all.clinical |= one.clinical;
  }
  return all;
}

std::optional<core::Message> prepareReport(ViewState& view, ViewState* comparison,
                                           const std::vector<int>& pages,
                                           const core::AnalysisControl& control) {
  const ModeNeeds needs = reportNeeds(pages);
  std::optional<core::Message> first;
  for (ViewState* one : {&view, comparison}) {
    if (!one || !one->isOpen()) continue;
    const ViewState::NeedsOutcome outcome = one->computeNeeds(needs, control);
    const auto failure = outcome.f0Failure ? outcome.f0Failure : outcome.spectraRefusal;
    if (failure && failure->id == core::MessageId::AnalysisCancelled) return failure;
    if (failure && !first) first = failure;
  }
  return first;
}

std::vector<std::vector<records::ClientRecord>> clientListPages(
    const std::vector<records::ClientRecord>& clients) {
  std::vector<std::vector<records::ClientRecord>> pages;
  for (std::size_t i = 0; i < clients.size(); i += kClientsPerPage) {
    const std::size_t end = std::min(clients.size(), i + kClientsPerPage);
    pages.emplace_back(clients.begin() + static_cast<std::ptrdiff_t>(i),
                       clients.begin() + static_cast<std::ptrdiff_t>(end));
  }
  return pages;
}

std::string clientListLine(const records::ClientRecord& client) {
  char code[16];
  std::snprintf(code, sizeof code, "%03d", client.code);
  return std::string(code) + "         " + client.name;
}

}  // namespace sonarel::app
