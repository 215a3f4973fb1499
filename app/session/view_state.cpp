// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/session/view_state.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <span>
#include <utility>

#include "core/f0_driver.h"
#include "core/voice_statistics.h"

namespace sonarel::app {

ComparisonSlot::ComparisonSlot() = default;
ComparisonSlot::~ComparisonSlot() = default;
ComparisonSlot::ComparisonSlot(const ComparisonSlot&) {}
ComparisonSlot& ComparisonSlot::operator=(const ComparisonSlot&) {
  view.reset();
  return *this;
}
ComparisonSlot::ComparisonSlot(ComparisonSlot&&) noexcept = default;
ComparisonSlot& ComparisonSlot::operator=(ComparisonSlot&&) noexcept = default;

ViewState& ViewState::makeComparison() {
  if (!comparison_.view) comparison_.view = std::make_unique<ViewState>();
  ViewState& other = *comparison_.view;
  other.close();
  other.diagnosticSink_ = diagnosticSink_;
  other.f0Settings_ = f0Settings_;
  other.vowelSet_ = vowelSet_;
  other.vowelTargets_ = vowelTargets_;
  other.language_ = language_;
  shareSettingsWithComparison();
  return other;
}

void ViewState::shareSettingsWithComparison() {
  if (!comparison_.view) return;
  ViewState& other = *comparison_.view;
  core::F0Settings f0 = f0Settings_;
  f0.minPitch = other.f0Settings_.minPitch;
  f0.maxPitch = other.f0Settings_.maxPitch;
  if (f0.method != other.f0Settings_.method || f0.style != other.f0Settings_.style ||
      f0.silenceThreshold != other.f0Settings_.silenceThreshold) {
    other.f0Settings_ = f0;
    if (other.isOpen()) other.analysed().flags.f0Computed = false;
  }
  other.intensitySettings_ = intensitySettings_;
  SpectralState& spectral = other.spectral_;
  spectral.setPowerSettings(spectral_.powerSettings());
  spectral.setLpcSettings(spectral_.lpcSettings());
  spectral.setBand(spectral_.spectrogramSettings().band);
  if (spectral.spectrogramSettings().blackAndWhite != spectral_.spectrogramSettings().blackAndWhite)
    spectral.toggleBlackAndWhite();
  spectral.setContrast(spectral_.spectrogramSettings().contrast);
}

std::optional<core::Message> ViewState::open(const std::string& path, core::FileKind kind) {
  if (auto refused = recording_.open(path, kind)) return refused;
  edits_.reset();
  startOver();
  // A comparison sat beside the recording that was open.
  closeComparison();
  return std::nullopt;
}

void ViewState::close() {
  closeComparison();
  recording_.close();
  edits_.reset();
  startOver();
}

void ViewState::changeSamples(const std::function<void(std::vector<std::int16_t>&)>& edit) {
  changeSamplesIf([&edit](std::vector<std::int16_t>& samples) {
    edit(samples);
    return true;
  });
}

bool ViewState::changeSamplesIf(const std::function<bool(std::vector<std::int16_t>&)>& edit) {
  if (!isOpen() || !recording_.changeSamplesIf(edit)) return false;
  startOver();
  return true;
}

void ViewState::startOver() {
  mode_ = mode::None;
  modeNeeds_ = {};
  zoomed_ = false;
  selection_ = {};
  dropResults();
}

void ViewState::dropResults() {
  analysis_ = {};
  intensityBuilt_ = false;
  histogram_ = {};
  statistics_ = {};
  formants_ = {};
  clinical_ = {};
  spectral_.clearResults();
  resultsRevision_ = recording_.revision();
}

void ViewState::dropStaleResults() {
  if (resultsRevision_ != recording_.revision()) dropResults();
}

void ViewState::pressStrip(int x) {
  dragging_ = true;
  selection_ = {x, x};
}

void ViewState::dragStrip(int x) {
  if (dragging_) selection_.x2 = x;
}

bool ViewState::releaseStrip(int x) {
  if (!dragging_) return false;
  dragging_ = false;
  selection_.x2 = std::clamp(x, 0, kGraphColumns);
  selection_.x1 = std::clamp(selection_.x1, 0, kGraphColumns);
  if (selection_.empty()) {
    selection_ = {};
    return false;
  }
  return true;
}

void ViewState::selectAll() {
  if (isOpen()) selection_ = {0, kGraphColumns};
}

SampleStretch ViewState::selectedStretch() const {
  const core::SampleIndex perPixel = samplesPerPixel();
  const core::SampleIndex start = std::min(selection_.x1, selection_.x2) * perPixel;
  const core::SampleIndex length = std::abs(selection_.x2 - selection_.x1) * perPixel;
  return {start, std::min(length, std::max<core::SampleIndex>(0, buffer().count() - start))};
}

std::optional<core::Message> ViewState::toggleZoom(const core::AnalysisControl& control) {
  if (!isOpen()) return std::nullopt;
  dropStaleResults();
  if (!zoomed_) {
    const SampleStretch stretch = selectedStretch();
    if (stretch.length <= 0) return core::Message{core::MessageId::NeedSelectArea};
    analysed().range = {stretch.start, stretch.start + stretch.length};
    zoomed_ = true;
  } else {
    analysed().range = {0, buffer().count()};
    zoomed_ = false;
  }
  if (modeNeeds_.rangeStatistics) {
    if (auto failure = ensureF0(control)) return failure;
    computeRangeResults();
  }
  if (modeNeeds_.clinical) ensureClinical();
  if (auto failure = computeSpectra(modeNeeds_)) {
    // An LPC spectrum that refuses the new range takes the zoom back.
    if (modeNeeds_.lpcRefusalKeepsMode) {
      analysed().range = {0, buffer().count()};
      zoomed_ = false;
      computeSpectra(modeNeeds_);
    }
    return failure;
  }
  return std::nullopt;
}

void ViewState::clearDisplay() {
  mode_ = mode::None;
  modeNeeds_ = {};
}

void ViewState::resetRange() {
  if (!isOpen()) return;
  analysed().range = {0, buffer().count()};
  zoomed_ = false;
}

std::optional<core::Message> ViewState::computeSpectra(const ModeNeeds& needs) {
  std::optional<core::Message> failure;
  if (needs.lpc) failure = spectral_.computeLpc(buffer());
  if (needs.power) spectral_.computePower(buffer());
  return failure;
}

std::optional<core::Message> ViewState::ensureF0(const core::AnalysisControl& control) {
  dropStaleResults();
  const core::F0Result result = core::computeF0(analysed(), f0Settings_, analysis_, control);
  if (diagnosticSink_) {
    for (const std::string& line : result.diagnostics) diagnosticSink_(line);
  }
  if (result.outcome == core::F0Outcome::Cancelled) {
    return core::Message{core::MessageId::AnalysisCancelled};
  }
  if (result.outcome == core::F0Outcome::OutOfMemory) return result.message;
  intensityBuilt_ = true;
  return result.message;
}

std::optional<core::Message> ViewState::ensureIntensity() {
  dropStaleResults();
  if (!buffer().flags.intensityComputed) {
    analysis_.intensity =
        core::computeIntensity(buffer().samples, buffer().format.sampleRate, buffer().kind);
    analysis_.intensityColumns = core::intensityColumns(analysis_.intensity);
    analysed().flags.intensityComputed = true;
    intensityBuilt_ = true;
  }
  return std::nullopt;
}

std::optional<core::Message> ViewState::recalculateIntensity() {
  if (!isOpen()) return std::nullopt;
  analysed().flags.intensityComputed = false;
  return ensureIntensity();
}

void ViewState::computeRangeResults() {
  const core::FrameSpan frames =
      core::f0FrameSpan(buffer().range, buffer().count(), analysis_.f0.frameCount());
  histogram_ = core::computeF0Histogram(analysis_.f0, frames);
  statistics_ = statisticsReport();
}

core::StatisticsReport ViewState::statisticsReport() const {
  core::StatisticsReport report;
  report.range = buffer().range;
  report.sampleRate = buffer().format.sampleRate;
  report.statistics = core::computeVoiceStatistics(
      {analysis_.f0, analysis_.intensityColumns, buffer().count(), buffer().range});
  report.shares =
      core::computeTimeShares(analysis_.f0, analysis_.intensityColumns, buffer().count(),
                              buffer().range, f0Settings_.silenceThreshold);
  return report;
}

std::optional<core::Message> ViewState::showMode(int mode, const core::AnalysisControl& control) {
  const ModeNeeds* needs = modeNeedsOf(mode);
  if (!needs) return std::nullopt;
  return showMode(mode, *needs, control);
}

ViewState::NeedsOutcome ViewState::computeNeeds(const ModeNeeds& needs,
                                                const core::AnalysisControl& control) {
  if (!isOpen()) return {};
  dropStaleResults();
  if (needs.formants) ensureFormants();
  if (needs.f0) {
    if (auto failure = ensureF0(control)) return {failure, std::nullopt, std::nullopt};
  }
  NeedsOutcome outcome;
  if (needs.segments) {
    outcome.segmentsWarning = ensureSegments();
    if (outcome.segmentsWarning && !segmentsReady()) return outcome;
  }
  if (needs.intensity) ensureIntensity();
  if (needs.rangeStatistics) computeRangeResults();
  if (needs.clinical) ensureClinical();
  outcome.spectraRefusal = computeSpectra(needs);
  return outcome;
}

std::optional<core::Message> ViewState::showMode(int mode, const ModeNeeds& needs,
                                                 const core::AnalysisControl& control) {
  if (!isOpen()) return std::nullopt;
  if (needs.closesComparison) closeComparison();
  std::optional<core::Message> own = showOwnMode(mode, needs, control);
  ViewState* other = comparison();
  if (mode_ != mode || !other || !other->isOpen()) return own;
  if (own && own->id == core::MessageId::AnalysisCancelled) return own;
  shareSettingsWithComparison();
  std::optional<core::Message> theirs = other->showMode(mode, needs, control);
  return own ? own : theirs;
}

std::optional<core::Message> ViewState::showOwnMode(int mode, const ModeNeeds& needs,
                                                    const core::AnalysisControl& control) {
  const NeedsOutcome outcome = computeNeeds(needs, control);
  if (outcome.f0Failure) {
    if (outcome.f0Failure->id == core::MessageId::AnalysisCancelled) return outcome.f0Failure;
    // A contour that failed is shown as far as it goes, with the reason.
    mode_ = mode;
    modeNeeds_ = needs;
    return outcome.f0Failure;
  }
  if (needs.segments) {
    if (outcome.segmentsWarning && !segmentsReady()) return outcome.segmentsWarning;
    if (needs.segmentsRequired && segments_.segmentCount() == 0) {
      mode_ = mode::None;
      modeNeeds_ = {};
      return core::Message{core::MessageId::NoAreaToAnalyse};
    }
  }
  if (outcome.spectraRefusal && needs.lpcRefusalKeepsMode) return outcome.spectraRefusal;
  mode_ = mode;
  modeNeeds_ = needs;
  return outcome.spectraRefusal ? outcome.spectraRefusal : outcome.segmentsWarning;
}

std::optional<core::Message> ViewState::ensureSegments() {
  dropStaleResults();
  const quality::VocalQualityOutcome outcome = quality::ensureSegments(analysed(), segments_);
  if (outcome.refused) return outcome.refused;
  return outcome.cacheWarning;
}

bool ViewState::segmentsReady() const {
  return resultsRevision_ == recording_.revision() && quality::segmentsReady(buffer());
}

core::SampleRange ViewState::clinicalStretch() const {
  const core::SampleIndex count = buffer().count();
  const core::SampleIndex first = std::clamp<core::SampleIndex>(range().first, 0, count);
  core::SampleIndex last = std::clamp<core::SampleIndex>(range().last, first, count);
  if (last == first) last = count;  // no range: to the end
  return {first, last};
}

void ViewState::ensureClinical() {
  dropStaleResults();
  if (!isOpen()) return;
  const core::SampleRange stretch = clinicalStretch();
  if (clinical_.computed && clinical_.range == stretch) return;
  quality::clinical::ClinicalInput input;
  input.vowel = std::span(buffer().samples)
                    .subspan(static_cast<std::size_t>(stretch.first),
                             static_cast<std::size_t>(stretch.last - stretch.first));
  input.vowelName = std::filesystem::path(buffer().path).filename().string();
  input.sampleRate = buffer().format.sampleRate;
  clinical_ = {true, stretch, quality::clinical::measureClinical(input)};
  clinical_.outcome.measured = {};  // only the numbers are kept
}

const quality::clinical::ClinicalOutcome* ViewState::clinical() const {
  const bool current = resultsRevision_ == recording_.revision() && clinical_.computed &&
                       clinical_.range == clinicalStretch();
  return current ? &clinical_.outcome : nullptr;
}

const spectral::FormantTrack& ViewState::ensureFormants() {
  dropStaleResults();
  if (!formants_.computed) {
    formants_ = spectral::TrackFormants(buffer().samples, buffer().format.sampleRate);
  }
  return formants_;
}

void ViewState::setVowelSpace(int vowelSet, int type, const spectral::VowelBlock& block) {
  if (vowelSet != vowelSet_) vowelTargets_ = spectral::DefaultVowelTargets(vowelSet);
  vowelSet_ = vowelSet;
  vowelTargets_.types[static_cast<std::size_t>(std::clamp(type, 0, spectral::kClientTypes - 1))] =
      block;
}

void ViewState::setDefaultVowelSet(int vowelSet) {
  vowelSet_ = vowelSet;
  vowelTargets_ = spectral::DefaultVowelTargets(vowelSet);
}

void ViewState::setF0Settings(const core::F0Settings& settings) {
  f0Settings_ = settings;
  analysed().flags.f0Computed = false;
  if (ViewState* other = comparison(); other && other->isOpen()) {
    other->analysed().flags.f0Computed = false;
  }
  shareSettingsWithComparison();
}

void ViewState::setIntensitySettings(const core::IntensitySettings& settings) {
  intensitySettings_ = settings;
  shareSettingsWithComparison();
}

SampleStretch ViewState::playStretch(bool fromContextMenu) const {
  const SampleStretch whole{0, buffer().count()};
  if (!zoomed_ && !fromContextMenu) return whole;
  const SampleStretch marked = selectedStretch();
  return marked.length > 0 ? marked : whole;
}

ViewState ViewState::analysisCopy() const {
  // Every member but the editing history and the follow-up series, which no analysis reads.
  ViewState copy;
  copy.diagnosticSink_ = diagnosticSink_;
  copy.recording_ = recording_;
  copy.resultsRevision_ = resultsRevision_;
  copy.f0Settings_ = f0Settings_;
  copy.intensitySettings_ = intensitySettings_;
  copy.mode_ = mode_;
  copy.modeNeeds_ = modeNeeds_;
  copy.zoomed_ = zoomed_;
  copy.selection_ = selection_;
  copy.analysis_ = analysis_;
  copy.intensityBuilt_ = intensityBuilt_;
  copy.histogram_ = histogram_;
  copy.statistics_ = statistics_;
  copy.formants_ = formants_;
  copy.clientType_ = clientType_;
  copy.vowelSet_ = vowelSet_;
  copy.vowelTargets_ = vowelTargets_;
  copy.spectral_ = spectral_;
  copy.segments_ = segments_;
  copy.clinical_ = clinical_;
  copy.language_ = language_;
  if (comparison_.view) {
    copy.comparison_.view = std::make_unique<ViewState>(comparison_.view->analysisCopy());
  }
  return copy;
}

bool ViewState::adoptAnalysis(ViewState&& done) {
  if (done.recording_.revision() != recording_.revision() || done.buffer().path != buffer().path ||
      done.buffer().count() != buffer().count()) {
    return false;
  }
  // The flags and the range live in the buffer beside the samples, which stay this view's.
  analysed().flags = done.buffer().flags;
  analysed().range = done.buffer().range;
  resultsRevision_ = done.resultsRevision_;
  f0Settings_ = done.f0Settings_;
  intensitySettings_ = done.intensitySettings_;
  mode_ = done.mode_;
  modeNeeds_ = done.modeNeeds_;
  zoomed_ = done.zoomed_;
  analysis_ = std::move(done.analysis_);
  intensityBuilt_ = done.intensityBuilt_;
  histogram_ = std::move(done.histogram_);
  statistics_ = std::move(done.statistics_);
  formants_ = std::move(done.formants_);
  spectral_.adoptResults(std::move(done.spectral_));
  segments_ = std::move(done.segments_);
  clinical_ = std::move(done.clinical_);
  if (!done.comparison_.view) {
    closeComparison();  // the mode shown closed it
  } else if (comparison_.view) {
    comparison_.view->adoptAnalysis(std::move(*done.comparison_.view));
  }
  return true;
}

DisplayData ViewState::displayData() const {
  DisplayData data;
  data.samples = buffer().samples;
  data.sampleRate = buffer().format.sampleRate;
  data.range = buffer().range;
  data.revision = recording_.revision();
  data.curves = &curves_;
  data.f0Display = {f0Settings_.minPitch, f0Settings_.maxPitch, f0Settings_.silenceThreshold,
                    f0Settings_.style == 1};
  data.intensityDisplay = {intensitySettings_.lowLimit, intensitySettings_.highLimit};
  const bool current = resultsRevision_ == recording_.revision();
  if (current && buffer().flags.f0Computed) {
    data.f0 = &analysis_.f0;
    data.voicing = &analysis_.voicing;
  }
  if (current && intensityBuilt_) {
    data.intensity = &analysis_.intensity;
    data.intensityColumns = &analysis_.intensityColumns;
  }
  data.histogram = &histogram_;
  data.statistics = &statistics_;
  data.selection = selection_;
  if (current && formants_.computed) data.formants = &formants_;
  data.vowelSet = vowelSet_;
  data.vowelTargets = vowelTargets_.of(clientType_);
  data.spectral = spectral_.display();
  data.spectral.revision = recording_.revision();
  if (segmentsReady()) data.segments = &segments_;
  data.clinical = clinical();
  data.followUp = &followUp_;
  if (isOpen()) {
    data.fileNumber = recordingNumberOf(buffer().path);
    data.fileDate = records::fileDate(buffer().path);
    data.fileName = std::filesystem::path(buffer().path).filename().string();
  }
  data.language = language_;
  return data;
}

}  // namespace sonarel::app
