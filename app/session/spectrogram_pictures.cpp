// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/session/spectral_display.h"

#include <algorithm>
#include <array>

namespace sonarel::app {

namespace {
// Columns computed per step while a picture grows on screen.
constexpr int kColumnsPerStep = 40;
}  // namespace

const spectral::SpectrogramPicture& SpectrogramPictureCache::picture(
    const spectral::SpectrogramRequest& request, std::uint64_t revision, bool whole) {
  const Key key{revision,          request.samples.size(), request.rangeFirst,
                request.rangeLast, request.rate,           request.band,
                request.rows,      request.columns,        request.printing};
  if (!builder_ || !(key == key_)) {
    key_ = key;
    builder_ = std::make_unique<spectral::SpectrogramBuilder>(request);
    ++pictures_;
  }
  if (whole) builder_->advance(builder_->picture().columns);
  return builder_->picture();
}

const std::vector<std::uint32_t>& SpectrogramPictureCache::colours(
    const SpectrogramSettings& settings) {
  if (!builder_) {
    if (!colours_.empty()) ++coloursVersion_;
    colours_.clear();
    return colours_;
  }
  const ColourKey key{pictures_, builder_->columnsDone(), settings.contrast,
                      settings.blackAndWhite};
  if (key == colourKey_ && !colours_.empty()) return colours_;
  const spectral::SpectrogramPicture& picture = builder_->picture();
  // A picture growing on screen: only the columns added since the last paint are coloured.
  ColourKey grown = key;
  grown.columnsDone = colourKey_.columnsDone;
  const bool growing = grown == colourKey_ && colourKey_.columnsDone >= 0 &&
                       key.columnsDone > colourKey_.columnsDone &&
                       colours_.size() == static_cast<std::size_t>(picture.columns) * picture.rows;
  const int from = growing ? colourKey_.columnsDone : 0;
  colourKey_ = key;
  ++coloursVersion_;
  const spectral::Palette palette =
      spectral::SpectrogramPalette(settings.contrast, settings.blackAndWhite);
  std::array<std::uint32_t, spectral::kPaletteSize> words{};
  for (std::size_t i = 0; i < words.size(); ++i)
    words[i] = 0xff000000u | std::uint32_t{palette[i].r} << 16 | std::uint32_t{palette[i].g} << 8 |
               palette[i].b;
  const std::uint32_t ground = words[spectral::kBackgroundEntry];
  const int columns = std::min(key.columnsDone, picture.columns);
  if (!growing) colours_.assign(static_cast<std::size_t>(picture.columns) * picture.rows, ground);
  for (int row = 0; row < picture.rows; ++row) {
    const std::size_t line = static_cast<std::size_t>(row) * picture.columns;
    for (int c = from; c < columns; ++c)
      colours_[line + c] = words[picture.entries[line + static_cast<std::size_t>(c)]];
  }
  return colours_;
}

bool SpectrogramPictureCache::advance() {
  if (!builder_ || builder_->done()) return false;
  return builder_->advance(kColumnsPerStep);
}

}  // namespace sonarel::app
