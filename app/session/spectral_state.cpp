// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/session/spectral_state.h"

#include <algorithm>
#include <utility>

namespace sonarel::app {

void SpectralState::setContrast(int contrast) {
  spectrogram_.contrast = std::clamp(contrast, spectral::kMinContrast, spectral::kMaxContrast);
}

void SpectralState::computePower(const core::SampleBuffer& buffer) {
  powerLevels_ =
      spectral::PowerSpectrum(buffer.samples, buffer.range.first, buffer.range.last, power_);
}

std::optional<core::Message> SpectralState::computeLpc(const core::SampleBuffer& buffer) {
  spectral::LpcSpectrumResult result =
      spectral::LpcSpectrum(buffer.samples, buffer.range.first, buffer.range.last, lpc_, dither_);
  if (result.refused) return result.refused;
  lpcLevels_ = std::move(result.levels);
  return std::nullopt;
}

std::optional<std::vector<float>> SpectralState::frameSpectrum(const core::SampleBuffer& buffer,
                                                               int column) const {
  const auto& range = buffer.range;
  const float perColumn = static_cast<float>(range.last - range.first) / 680.0f;
  const auto start = static_cast<std::int64_t>(static_cast<float>(column) * perColumn +
                                               static_cast<float>(range.first));
  if (start < 0 || start + power_.fftSize > buffer.count()) return std::nullopt;
  std::vector<float> levels =
      spectral::PowerSpectrum(buffer.samples, start, start + power_.fftSize, power_);
  levels.resize(static_cast<std::size_t>(power_.fftSize / 2));
  return levels;
}

void SpectralState::adoptResults(SpectralState&& done) {
  SpectrogramCaches kept = std::move(caches_);
  *this = std::move(done);
  caches_ = std::move(kept);
}

void SpectralState::clearResults() {
  powerLevels_.clear();
  lpcLevels_.clear();
  caches_ = {};
}

bool SpectralState::picturesGrowing() const {
  if (caches_.singleShown && caches_.single.growing()) return true;
  return caches_.pairShown && (caches_.wide.growing() || caches_.narrow.growing());
}

void SpectralState::advancePictures() const {
  if (caches_.singleShown) caches_.single.advance();
  if (caches_.pairShown) {
    caches_.wide.advance();
    caches_.narrow.advance();
  }
}

SpectralDisplay SpectralState::display() const {
  SpectralDisplay d;
  d.power = power_;
  d.lpc = lpc_;
  d.spectrogram = spectrogram_;
  d.powerLevels = powerLevels_.empty() ? nullptr : &powerLevels_;
  d.lpcLevels = lpcLevels_.empty() ? nullptr : &lpcLevels_;
  d.caches = &caches_;
  return d;
}

}  // namespace sonarel::app
