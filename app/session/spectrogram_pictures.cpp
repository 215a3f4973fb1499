// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/session/spectral_display.h"

namespace sonarel::app {

namespace {
// Columns computed per step while a picture grows on screen.
constexpr int kColumnsPerStep = 40;
}  // namespace

const spectral::SpectrogramPicture& SpectrogramPictureCache::picture(
    const spectral::SpectrogramRequest& request, std::uint64_t revision, bool whole) {
  const Key key{revision,     request.samples.size(), request.rangeFirst, request.rangeLast,
                request.rate, request.band,           request.rows,       request.printing};
  if (!builder_ || !(key == key_)) {
    key_ = key;
    builder_ = std::make_unique<spectral::SpectrogramBuilder>(request);
  }
  if (whole) builder_->advance(builder_->picture().columns);
  return builder_->picture();
}

bool SpectrogramPictureCache::advance() {
  if (!builder_ || builder_->done()) return false;
  return builder_->advance(kColumnsPerStep);
}

}  // namespace sonarel::app
