// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The view's spectral side: the settings of the power spectrum, the LPC spectrum and the
// spectrogram, the last spectra computed, the dither source of the LPC, and the spectrogram
// pictures kept between repaints. No widget code.

#include <cstdint>
#include <optional>
#include <vector>

#include "app/session/spectral_display.h"
#include "core/message.h"
#include "core/sample_buffer.h"

namespace sonarel::app {

class SpectralState {
 public:
  const spectral::PowerSpectrumSettings& powerSettings() const { return power_; }
  void setPowerSettings(const spectral::PowerSpectrumSettings& settings) { power_ = settings; }
  const spectral::LpcSettings& lpcSettings() const { return lpc_; }
  void setLpcSettings(const spectral::LpcSettings& settings) { lpc_ = settings; }
  const SpectrogramSettings& spectrogramSettings() const { return spectrogram_; }
  void setBand(spectral::SpectrogramBand band) { spectrogram_.band = band; }
  void toggleBlackAndWhite() { spectrogram_.blackAndWhite = !spectrogram_.blackAndWhite; }
  // Kept within the markers' limits.
  void setContrast(int contrast);
  // The LPC dither restarts from `seed` (tests and reproducible runs).
  void reseed(std::uint32_t seed) { dither_.seed(seed); }

  // The power spectrum of the analysis range.
  void computePower(const core::SampleBuffer& buffer);
  // The LPC spectrum of the analysis range; on refusal the last good curve stays.
  std::optional<core::Message> computeLpc(const core::SampleBuffer& buffer);
  // The single frame of N samples under graph column `column` (0..679) of the analysis
  // range, N/2 levels; nothing when the frame would run past the recording.
  std::optional<std::vector<float>> frameSpectrum(const core::SampleBuffer& buffer,
                                                  int column) const;
  // A new recording: no spectra, no pictures.
  void clearResults();
  // Takes the settings and results of `done` (analysed on a copy of this state); the
  // spectrogram pictures drawn here meanwhile stay.
  void adoptResults(SpectralState&& done);

  const std::vector<float>& powerLevels() const { return powerLevels_; }
  bool hasLpc() const { return !lpcLevels_.empty(); }
  const std::vector<float>& lpcLevels() const { return lpcLevels_; }

  SpectralDisplay display() const;
  // The pictures being built on screen: whether one is unfinished, and a step more of each.
  bool picturesGrowing() const;
  void advancePictures() const;

 private:
  spectral::PowerSpectrumSettings power_;
  spectral::LpcSettings lpc_;
  SpectrogramSettings spectrogram_;
  std::vector<float> powerLevels_;
  std::vector<float> lpcLevels_;
  spectral::DitherSource dither_{1};
  mutable SpectrogramCaches caches_;
};

}  // namespace sonarel::app
