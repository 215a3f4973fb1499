// SPDX-License-Identifier: GPL-3.0-or-later
// A spectrogram picture is kept between repaints while nothing it depends on changes, and
// started over when anything does.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "app/session/spectral_display.h"

namespace sonarel::app {
namespace {

std::vector<std::int16_t> tone(int count) {
  std::vector<std::int16_t> x(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i)
    x[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(8000 * std::sin(0.2 * i));
  return x;
}

TEST(SpectrogramPictureCache, KeepsItsPictureUntilTheRequestOrRevisionChanges) {
  const auto x = tone(22050);
  const spectral::SpectrogramRequest request{x, 0, 22050, 11025, spectral::SpectrogramBand::Wide,
                                             64};
  SpectrogramPictureCache cache;
  cache.picture(request, 7, false);
  ASSERT_TRUE(cache.advance());
  const int grown = cache.columnsDone();
  ASSERT_GT(grown, 0);
  cache.picture(request, 7, false);
  EXPECT_EQ(cache.columnsDone(), grown) << "a repaint keeps the columns computed";

  // Each of these makes a different picture: the growth starts again from the left.
  auto narrower = request;
  narrower.columns = 340;
  auto taller = request;
  taller.rows = 128;
  auto otherBand = request;
  otherBand.band = spectral::SpectrogramBand::Narrow;
  auto printed = request;
  printed.printing = true;
  for (const auto& changed : {narrower, taller, otherBand, printed}) {
    cache.picture(request, 7, false);
    cache.advance();
    cache.picture(changed, 7, false);
    EXPECT_EQ(cache.columnsDone(), 0);
    EXPECT_EQ(cache.picture(changed, 7, true).columns, changed.columns);
  }
  cache.picture(request, 7, true);
  EXPECT_EQ(cache.picture(request, 8, false).columns, 680);
  EXPECT_EQ(cache.columnsDone(), 0) << "a new revision of the samples";

  // The thread count does not change the picture, so it does not start one over.
  auto threaded = request;
  threaded.threads = 3;
  cache.picture(request, 8, true);
  cache.picture(threaded, 8, false);
  EXPECT_FALSE(cache.growing());
}

std::uint32_t word(const spectral::Palette& palette, int entry) {
  const spectral::Rgb c = palette[static_cast<std::size_t>(entry)];
  return 0xff000000u | std::uint32_t{c.r} << 16 | std::uint32_t{c.g} << 8 | c.b;
}

// The coloured pixels follow the picture as it grows and the palette as the settings change;
// a stale copy would show old columns or the old contrast.
TEST(SpectrogramPictureCache, ColoursFollowGrowthAndSettings) {
  const auto x = tone(22050);
  const spectral::SpectrogramRequest request{x, 0, 22050, 11025, spectral::SpectrogramBand::Wide,
                                             64};
  SpectrogramPictureCache cache;
  EXPECT_TRUE(cache.colours({}).empty());
  const spectral::SpectrogramPicture& picture = cache.picture(request, 1, false);
  cache.advance();
  const int done = cache.columnsDone();
  ASSERT_GT(done, 20);
  ASSERT_LT(done, 680);

  auto check = [&](const SpectrogramSettings& settings) {
    const auto palette = spectral::SpectrogramPalette(settings.contrast, settings.blackAndWhite);
    const std::vector<std::uint32_t>& colours = cache.colours(settings);
    ASSERT_EQ(colours.size(), 680u * 64u);
    for (int row = 0; row < 64; row += 9) {
      for (int c = 0; c < 680; c += 7) {
        const int entry =
            c < cache.columnsDone() ? picture.entry(c, row) : spectral::kBackgroundEntry;
        ASSERT_EQ(colours[static_cast<std::size_t>(row) * 680 + c], word(palette, entry))
            << row << " " << c;
      }
    }
  };
  SpectrogramSettings settings;
  check(settings);
  settings.contrast = 20;
  check(settings);
  settings.blackAndWhite = true;
  check(settings);
  cache.advance();
  ASSERT_GT(cache.columnsDone(), done);
  check(settings);
  cache.picture(request, 1, true);
  check(settings);
  int loud = 0;
  for (int row = 0; row < 64; ++row) loud += picture.entry(300, row) != spectral::kBackgroundEntry;
  EXPECT_GT(loud, 0) << "the colours were checked on something besides background";

  // Coloured a few columns at a time as it grew, the picture equals one coloured whole.
  SpectrogramPictureCache whole;
  whole.picture(request, 1, true);
  EXPECT_EQ(cache.colours(settings), whole.colours(settings));
}

}  // namespace
}  // namespace sonarel::app
