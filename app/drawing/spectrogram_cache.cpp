#include "app/drawing/spectral_display.h"

namespace sonarel::app {

namespace {
// Columns computed per step while a picture grows on screen.
constexpr int kColumnsPerStep = 40;
}  // namespace

const QImage& SpectrogramCache::image(const spectral::SpectrogramRequest& request,
                                      const SpectrogramSettings& settings, bool whole) {
  const Key key{request.samples.data(), request.samples.size(), request.rangeFirst,
                request.rangeLast,      request.rate,           request.band,
                request.rows,           request.printing};
  if (!valid_ || !(key == key_)) {
    key_ = key;
    valid_ = true;
    builder_ = std::make_unique<spectral::SpectrogramBuilder>(request);
    image_ = QImage(std::max(request.columns, 1), std::max(request.rows, 1), QImage::Format_RGB32);
    coloured_ = 0;
    paletteContrast_ = -1;
  }
  if (settings.contrast != paletteContrast_ || settings.blackAndWhite != paletteGrey_) {
    palette_ = spectral::SpectrogramPalette(settings.contrast, settings.blackAndWhite);
    paletteContrast_ = settings.contrast;
    paletteGrey_ = settings.blackAndWhite;
    coloured_ = 0;
  }
  if (whole) builder_->advance(builder_->picture().columns);
  if (coloured_ == 0) {
    const spectral::Rgb ground = palette_[spectral::kBackgroundEntry];
    image_.fill(QColor(ground.r, ground.g, ground.b));
  }
  recolour(coloured_, builder_->columnsDone());
  return image_;
}

bool SpectrogramCache::advance() {
  if (!builder_ || builder_->done()) return false;
  return builder_->advance(kColumnsPerStep);
}

const spectral::SpectrogramPicture* SpectrogramCache::picture() const {
  return builder_ ? &builder_->picture() : nullptr;
}

void SpectrogramCache::recolour(int fromColumn, int toColumn) {
  const spectral::SpectrogramPicture& picture = builder_->picture();
  toColumn = std::min(toColumn, image_.width());
  for (int row = 0; row < picture.rows && row < image_.height(); ++row) {
    auto* line = reinterpret_cast<QRgb*>(image_.scanLine(row));
    for (int c = fromColumn; c < toColumn; ++c) {
      const spectral::Rgb colour = palette_[static_cast<std::size_t>(picture.entry(c, row))];
      line[c] = qRgb(colour.r, colour.g, colour.b);
    }
  }
  coloured_ = std::max(coloured_, toColumn);
}

}  // namespace sonarel::app
