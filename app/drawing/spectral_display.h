#pragma once
// What the spectral displays read from the view: the settings of the spectra and the
// spectrogram, the computed spectra, and the spectrogram picture kept between repaints.

#include <QImage>
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

// The picture of the last spectrogram drawn, with its levels; rebuilt when anything it
// depends on changes, recoloured alone when only the palette does. The screen builds it a
// few columns at a time (growing from the left); printing and tests build it whole.
class SpectrogramCache {
 public:
  // The picture for `request` in the palette of `settings`; with `whole` false only the
  // columns computed so far are filled, the rest are background.
  const QImage& image(const spectral::SpectrogramRequest& request,
                      const SpectrogramSettings& settings, bool whole);
  // Computes a few more columns of the picture in progress; false once it is complete.
  bool advance();
  const spectral::SpectrogramPicture* picture() const;
  bool growing() const { return builder_ && !builder_->done(); }

 private:
  struct Key {
    const std::int16_t* data = nullptr;
    std::size_t size = 0;
    std::int64_t first = 0, last = 0;
    std::uint32_t rate = 0;
    spectral::SpectrogramBand band{};
    int rows = 0;
    bool printing = false;
    bool operator==(const Key&) const = default;
  };
  void recolour(int fromColumn, int toColumn);

  Key key_;
  bool valid_ = false;
  std::unique_ptr<spectral::SpectrogramBuilder> builder_;
  spectral::Palette palette_{};
  int paletteContrast_ = -1;
  bool paletteGrey_ = false;
  int coloured_ = 0;  // columns of the image painted from the builder
  QImage image_;
};

// Two caches: mode 1 and the upper and lower pictures of mode 16.
struct SpectrogramCaches {
  SpectrogramCache single, wide, narrow;
};

struct SpectralDisplay {
  spectral::PowerSpectrumSettings power;
  spectral::LpcSettings lpc;
  SpectrogramSettings spectrogram;
  const std::vector<float>* powerLevels = nullptr;  // N values, the first N/2 used
  const std::vector<float>* lpcLevels = nullptr;    // 680 values, or null: no curve
  SpectrogramCaches* caches = nullptr;
  bool progressive = false;  // the screen: pictures grow from the left
};

}  // namespace sonarel::app
