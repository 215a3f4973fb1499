// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the spectral displays read from a view: the settings of the spectra and the
// spectrogram, the computed spectra, and the spectrogram pictures kept between repaints.

#include <any>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "spectral/lpc_spectrum.h"
#include "spectral/power_spectrum.h"
#include "spectral/spectrogram.h"

namespace sonarel::app {

struct SpectrogramSettings {
  spectral::SpectrogramBand band = spectral::SpectrogramBand::Narrow;
  bool blackAndWhite = false;
  int contrast = spectral::kDefaultContrast;  // palette entries in the ramp
};

// The level picture of the last spectrogram drawn in one place of a display, rebuilt when
// the recording's revision or anything else it depends on changes. The screen builds it a few
// columns at a time (growing from the left); printing and tests build it whole.
class SpectrogramPictureCache {
 public:
  SpectrogramPictureCache() = default;
  // A copy starts empty: a picture is bound to the samples of the view that built it.
  SpectrogramPictureCache(const SpectrogramPictureCache&) {}
  SpectrogramPictureCache& operator=(const SpectrogramPictureCache&) {
    builder_.reset();
    colours_.clear();
    deviceCopy_.reset();
    return *this;
  }
  SpectrogramPictureCache(SpectrogramPictureCache&&) noexcept = default;
  SpectrogramPictureCache& operator=(SpectrogramPictureCache&&) noexcept = default;

  // The picture for `request` of the recording at `revision`; with `whole` false only the
  // columns computed so far are done, the rest wait for advance().
  const spectral::SpectrogramPicture& picture(const spectral::SpectrogramRequest& request,
                                              std::uint64_t revision, bool whole);
  // Computes a few more columns of the picture in progress; false once it is complete.
  bool advance();
  int columnsDone() const { return builder_ ? builder_->columnsDone() : 0; }
  bool growing() const { return builder_ && !builder_->done(); }
  // The picture in the palette of `settings` as 0xffRRGGBB words, row by row from the top,
  // with the columns not computed yet in the background colour; empty before any picture.
  // Kept between repaints until the picture grows or changes or the settings change.
  const std::vector<std::uint32_t>& colours(const SpectrogramSettings& settings);
  // Counts the changes of colours(), so that copies made of them know when they are stale.
  std::uint64_t coloursVersion() const { return coloursVersion_; }
  // Where the drawing keeps its copy of the colours scaled to the device, which a large
  // window would otherwise smooth anew on every repaint.
  std::any& deviceCopy() { return deviceCopy_; }

 private:
  struct Key {
    std::uint64_t revision = 0;
    std::size_t size = 0;
    std::int64_t first = 0, last = 0;
    std::uint32_t rate = 0;
    spectral::SpectrogramBand band{};
    int rows = 0;
    int columns = 0;
    bool printing = false;
    bool operator==(const Key&) const = default;
  };

  struct ColourKey {
    std::uint64_t picture = 0;
    int columnsDone = -1;
    int contrast = 0;
    bool blackAndWhite = false;
    bool operator==(const ColourKey&) const = default;
  };

  Key key_;
  std::unique_ptr<spectral::SpectrogramBuilder> builder_;
  std::uint64_t pictures_ = 0;  // pictures started, so that the colours know theirs
  ColourKey colourKey_;
  std::vector<std::uint32_t> colours_;
  std::uint64_t coloursVersion_ = 0;
  std::any deviceCopy_;
};

// Three pictures: mode 1 and the upper and lower pictures of mode 16.
struct SpectrogramCaches {
  SpectrogramPictureCache single, wide, narrow;
  // Which of them the display drawn last shows: only those grow between repaints, so that a
  // picture left half-built by an earlier display does not slow the one on screen.
  bool singleShown = true;
  bool pairShown = true;
  void showSingle() { singleShown = true, pairShown = false; }
  void showPair() { singleShown = false, pairShown = true; }
};

struct SpectralDisplay {
  spectral::PowerSpectrumSettings power;
  spectral::LpcSettings lpc;
  SpectrogramSettings spectrogram;
  const std::vector<float>* powerLevels = nullptr;  // N values, the first N/2 used
  const std::vector<float>* lpcLevels = nullptr;    // 680 values, or null: no curve
  SpectrogramCaches* caches = nullptr;
  std::uint64_t revision = 0;  // of the recording the pictures are built from
  bool progressive = false;    // the screen: pictures grow from the left
  bool printing = false;       // pictures for paper (a smaller transform at 44100 Hz)
};

}  // namespace sonarel::app
