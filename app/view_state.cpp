#include "app/view_state.h"

#include <algorithm>
#include <cstdlib>

#include "app/drawing/display_modes.h"
#include "core/f0_driver.h"
#include "core/voice_statistics.h"

namespace sonarel::app {

std::optional<core::Message> ViewState::open(const std::string& path, core::FileKind kind) {
  core::SampleBuffer next;
  next.kind = kind;
  // The open recording stays until the new one has really loaded.
  if (auto refused = core::openSoundFile(next, path)) return refused;
  buffer_ = std::move(next);
  mode_ = mode::None;
  zoomed_ = false;
  selection_ = {};
  analysis_ = {};
  intensityBuilt_ = false;
  histogram_ = {};
  statistics_ = {};
  return std::nullopt;
}

void ViewState::close() {
  core::releaseSoundFile(buffer_);
  mode_ = mode::None;
  zoomed_ = false;
  selection_ = {};
  analysis_ = {};
  intensityBuilt_ = false;
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
  return {start, std::min(length, std::max<core::SampleIndex>(0, buffer_.count() - start))};
}

std::optional<core::Message> ViewState::toggleZoom(const core::AnalysisControl& control) {
  if (!isOpen()) return std::nullopt;
  if (!zoomed_) {
    const SampleStretch stretch = selectedStretch();
    if (stretch.length <= 0) return core::Message{core::MessageId::NeedSelectArea};
    buffer_.range = {stretch.start, stretch.start + stretch.length};
    zoomed_ = true;
  } else {
    buffer_.range = {0, buffer_.count()};
    zoomed_ = false;
  }
  if (mode_ == mode::Histogram || mode_ == mode::Statistics) {
    if (auto failure = ensureF0(control)) return failure;
    computeRangeResults();
  }
  return std::nullopt;
}

std::optional<core::Message> ViewState::ensureF0(const core::AnalysisControl& control) {
  const core::F0Result result = core::computeF0(buffer_, f0Settings_, analysis_, control);
  if (result.outcome == core::F0Outcome::Cancelled) {
    return core::Message{core::MessageId::AnalysisCancelled};
  }
  intensityBuilt_ = true;
  return result.message;
}

std::optional<core::Message> ViewState::ensureIntensity() {
  if (!buffer_.flags.intensityComputed) {
    analysis_.intensity =
        core::computeIntensity(buffer_.samples, buffer_.format.sampleRate, buffer_.kind);
    analysis_.intensityColumns = core::intensityColumns(analysis_.intensity);
    buffer_.flags.intensityComputed = true;
    intensityBuilt_ = true;
  }
  return std::nullopt;
}

std::optional<core::Message> ViewState::recalculateIntensity(const core::AnalysisControl&) {
  if (!isOpen()) return std::nullopt;
  buffer_.flags.intensityComputed = false;
  ensureIntensity();
  mode_ = mode::Intensity;
  return std::nullopt;
}

void ViewState::computeRangeResults() {
  const core::FrameSpan frames =
      core::f0FrameSpan(buffer_.range, buffer_.count(), analysis_.f0.frameCount());
  histogram_ = core::computeF0Histogram(analysis_.f0, frames);
  statistics_ = statisticsReport();
}

core::StatisticsReport ViewState::statisticsReport() const {
  core::StatisticsReport report;
  report.range = buffer_.range;
  report.sampleRate = buffer_.format.sampleRate;
  report.statistics = core::computeVoiceStatistics(
      {analysis_.f0, analysis_.intensityColumns, buffer_.count(), buffer_.range});
  report.shares = core::computeTimeShares(analysis_.f0, analysis_.intensityColumns, buffer_.count(),
                                          buffer_.range, f0Settings_.silenceThreshold);
  return report;
}

std::optional<core::Message> ViewState::showMode(int mode, const core::AnalysisControl& control) {
  if (!isOpen()) return std::nullopt;
  switch (mode) {
    case mode::AudioSignal:
      break;
    case mode::Intensity:
      ensureIntensity();
      break;
    case mode::F0:
    case mode::F0AndIntensity:
    case mode::Histogram:
    case mode::Statistics:
      if (auto failure = ensureF0(control)) {
        if (failure->id == core::MessageId::AnalysisCancelled) return failure;
        mode_ = mode;
        return failure;
      }
      if (mode == mode::Histogram || mode == mode::Statistics) computeRangeResults();
      break;
    default:
      return std::nullopt;
  }
  mode_ = mode;
  return std::nullopt;
}

void ViewState::setF0Settings(const core::F0Settings& settings) {
  f0Settings_ = settings;
  buffer_.flags.f0Computed = false;
}

void ViewState::setIntensitySettings(const core::IntensitySettings& settings) {
  intensitySettings_ = settings;
}

SampleStretch ViewState::playStretch(bool fromContextMenu) const {
  const SampleStretch whole{0, buffer_.count()};
  if (!zoomed_ && !fromContextMenu) return whole;
  const SampleStretch marked = selectedStretch();
  return marked.length > 0 ? marked : whole;
}

DisplayData ViewState::displayData() const {
  DisplayData data;
  data.samples = buffer_.samples;
  data.sampleRate = buffer_.format.sampleRate;
  data.range = buffer_.range;
  data.f0Display = {f0Settings_.minPitch, f0Settings_.maxPitch, f0Settings_.silenceThreshold,
                    f0Settings_.style == 1};
  data.intensityDisplay = {intensitySettings_.lowLimit, intensitySettings_.highLimit};
  if (buffer_.flags.f0Computed) {
    data.f0 = &analysis_.f0;
    data.voicing = &analysis_.voicing;
  }
  if (intensityBuilt_) {
    data.intensity = &analysis_.intensity;
    data.intensityColumns = &analysis_.intensityColumns;
  }
  data.histogram = &histogram_;
  data.statistics = &statistics_;
  data.selection = selection_;
  return data;
}

}  // namespace sonarel::app
