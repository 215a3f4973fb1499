// SPDX-License-Identifier: GPL-3.0-or-later
#include "spectral/spectrogram.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>
#include <vector>

namespace sonarel::spectral {
namespace {

std::vector<std::int16_t> noise(std::size_t length, unsigned seed = 1) {
  std::mt19937 generator(seed);
  std::uniform_int_distribution<int> value(-8000, 8000);
  std::vector<std::int16_t> x(length);
  for (auto& v : x) v = static_cast<std::int16_t>(value(generator));
  return x;
}

bool columnIsBackground(const SpectrogramPicture& p, int column) {
  for (int row = 0; row < p.rows; ++row)
    if (p.entry(column, row) != kBackgroundEntry || p.level(column, row) != 0.0f) return false;
  return true;
}

TEST(SpectrogramTables, WindowLengthsFloorsAndTransformSizes) {
  EXPECT_EQ(SpectrogramWindowLength(SpectrogramBand::Wide, 11025), 58);
  EXPECT_EQ(SpectrogramWindowLength(SpectrogramBand::Middle, 22050), 641);
  EXPECT_EQ(SpectrogramWindowLength(SpectrogramBand::Narrow, 44100), 2822);
  EXPECT_EQ(SpectrogramFloor(SpectrogramBand::Wide, 11025), 35);
  EXPECT_EQ(SpectrogramFloor(SpectrogramBand::Narrow, 44100), 48);
  EXPECT_EQ(SpectrogramFftSize(11025, 127), 512);
  EXPECT_EQ(SpectrogramFftSize(11025, 128), 1024);
  EXPECT_EQ(SpectrogramFftSize(22050, 300), 1024);
  EXPECT_EQ(SpectrogramFftSize(22050, 301), 2048);
  EXPECT_EQ(SpectrogramFftSize(44100, 175), 4096);
  EXPECT_EQ(SpectrogramFftSize(44100, 175, true), 2048);
  EXPECT_EQ(SpectrogramFftSize(16000, 175), 1024);
  EXPECT_DOUBLE_EQ(SpectrogramTopFrequency(44100), 5512.5);
  EXPECT_DOUBLE_EQ(SpectrogramTopFrequency(22050), 11025.0);
}

TEST(SpectrogramPalette, ColourRampAndGreyRamp) {
  const Palette colour = SpectrogramPalette(80, false);
  EXPECT_EQ(colour[79], (Rgb{0, 0, 0}));  // the quiet end is black
  EXPECT_EQ(colour[kBackgroundEntry], (Rgb{0, 0, 0}));
  EXPECT_EQ(colour[399], (Rgb{0, 0, 0}));
  // Entry 0 has hue 75 at lightness 160: a light yellow-green.
  EXPECT_EQ(colour[0], HlsToRgb(75.0f, 160, 240));
  EXPECT_GT(colour[0].g, 200);
  // Entry 40 starts the blue ramp at full lightness; entries 41..79 darken towards black.
  EXPECT_GT(colour[40].b, colour[40].r);
  for (int i = 41; i < 80; ++i) {
    const auto& brighter = colour[static_cast<std::size_t>(i - 1)];
    const auto& darker = colour[static_cast<std::size_t>(i)];
    ASSERT_LE(darker.r + darker.g + darker.b, brighter.r + brighter.g + brighter.b) << i;
  }

  const Palette grey = SpectrogramPalette(80, true);
  EXPECT_EQ(grey[0], (Rgb{0, 0, 0}));
  EXPECT_EQ(grey[40], (Rgb{127, 127, 127}));
  EXPECT_EQ(grey[kBackgroundEntry], (Rgb{255, 255, 255}));
  for (int i = 1; i < 80; ++i) {
    ASSERT_EQ(grey[static_cast<std::size_t>(i)].r, grey[static_cast<std::size_t>(i)].b);
    ASSERT_GE(grey[static_cast<std::size_t>(i)].r, grey[static_cast<std::size_t>(i - 1)].r);
  }
  // An odd contrast still fills every entry of its ramp.
  const Palette odd = SpectrogramPalette(5, false);
  EXPECT_EQ(odd[4], (Rgb{0, 0, 0}));
  EXPECT_NE(odd[2], (Rgb{0, 0, 0}));
}

TEST(HlsToRgb, PrimariesAndGrey) {
  EXPECT_EQ(HlsToRgb(0, 120, 240), (Rgb{255, 0, 0}));
  EXPECT_EQ(HlsToRgb(80, 120, 240), (Rgb{0, 255, 0}));
  EXPECT_EQ(HlsToRgb(160, 120, 240), (Rgb{0, 0, 255}));
  EXPECT_EQ(HlsToRgb(0, 240, 0), (Rgb{255, 255, 255}));
  EXPECT_EQ(HlsToRgb(0, 0, 240), (Rgb{0, 0, 0}));
}

TEST(SpectrogramLevels, FramesBeforeTheStartAndPastTheEndAreBackground) {
  const auto x = noise(11025);
  SpectrogramRequest request{x, 0, 11025, 11025, SpectrogramBand::Narrow, 200};
  const auto whole = SpectrogramLevels(request);
  ASSERT_EQ(whole.levels.size(), 680u * 200u);
  // Narrow band at 11025 Hz: 705-sample frames centred on the column's sample.
  const int halfFrame = 705 / 2;
  const std::int64_t span = 11025 - 29;
  auto centre = [&](int c) { return static_cast<std::int64_t>(c) * span / 680; };
  for (int c = 0; c < 680; ++c) {
    const bool beforeStart = centre(c) + 1 - halfFrame < 0;
    const bool pastEnd = centre(c) - halfFrame + 705 > 11025 - 1;
    EXPECT_EQ(columnIsBackground(whole, c), beforeStart || pastEnd) << c;
  }
  EXPECT_TRUE(columnIsBackground(whole, 0));
  EXPECT_TRUE(columnIsBackground(whole, 679));

  // A selection in the middle reads samples before it and up to 300 after it.
  request.rangeFirst = 3000;
  request.rangeLast = 6000;
  const auto middle = SpectrogramLevels(request);
  EXPECT_FALSE(columnIsBackground(middle, 0));
  EXPECT_FALSE(columnIsBackground(middle, 679 - 20));
  EXPECT_TRUE(columnIsBackground(middle, 679));
}

TEST(SpectrogramLevels, EmptySpanAndRowsWithoutBinsAreBackground) {
  const auto x = noise(5000);
  const auto empty =
      SpectrogramLevels({x, 100, 120, 11025, SpectrogramBand::Wide, 50});  // 20 - 29 < 2
  for (int c = 0; c < 680; ++c) ASSERT_TRUE(columnIsBackground(empty, c));
  const auto none = SpectrogramLevels({{}, 0, 0, 11025, SpectrogramBand::Wide, 50});
  for (int c = 0; c < 680; ++c) ASSERT_TRUE(columnIsBackground(none, c));

  // 44100 Hz uses bins 1..511 of 4096 for 800 rows: some rows get no bin and stay level 0.
  const auto loud = noise(44100, 9);
  const auto tall = SpectrogramLevels({loud, 0, 44100, 44100, SpectrogramBand::Wide, 800});
  int emptyRows = 0, filledRows = 0;
  for (int row = 0; row < 800; ++row) {
    (tall.entry(340, row) == kBackgroundEntry ? emptyRows : filledRows)++;
  }
  EXPECT_EQ(filledRows, 511);
  EXPECT_EQ(emptyRows, 800 - 511);

  // The rows a picture can fill: every one of them gets a bin, at each rate and size.
  EXPECT_EQ(SpectrogramFilledRows(44100, 800), 511);
  EXPECT_EQ(SpectrogramFilledRows(44100, 360, true), 255);
  EXPECT_EQ(SpectrogramFilledRows(11025, 560), 511);
  EXPECT_EQ(SpectrogramFilledRows(11025, 360), 360);
  EXPECT_EQ(SpectrogramFilledRows(22050, 900), 900);
  const auto speech = noise(11025, 4);
  const int rows = SpectrogramFilledRows(11025, 560);
  const auto filled = SpectrogramLevels({speech, 0, 11025, 11025, SpectrogramBand::Wide, rows});
  for (int row = 0; row < rows; ++row) ASSERT_NE(filled.entry(340, row), kBackgroundEntry) << row;
}

TEST(SpectrogramLevels, ToneSweepGivesARisingRidge) {
  const double rate = 11025.0;
  std::vector<std::int16_t> sweep(22050);
  double phase = 0.0;
  for (std::size_t i = 0; i < sweep.size(); ++i) {
    const double hz = 300.0 + 4000.0 * i / sweep.size();
    phase += 2.0 * std::numbers::pi * hz / rate;
    sweep[i] = static_cast<std::int16_t>(std::lround(12000.0 * std::sin(phase)));
  }
  const int rows = 256;
  const auto p = SpectrogramLevels({sweep, 0, 22050, 11025, SpectrogramBand::Middle, rows});
  int previous = rows;  // ridge height in rows from the top; must fall (rise in frequency)
  int checked = 0;
  for (int c = 60; c < 620; c += 40) {
    int best = 0;
    for (int row = 1; row < rows; ++row)
      if (p.level(c, row) > p.level(c, best)) best = row;
    const double expectedHz =
        300.0 + 4000.0 * (static_cast<double>(c) * (22050 - 29) / 680) / sweep.size();
    const double ridgeHz = (rows - best - 0.5) * (rate / 2) / rows;
    EXPECT_NEAR(ridgeHz, expectedHz, 80.0) << c;
    EXPECT_LT(best, previous) << c;
    previous = best;
    ++checked;
  }
  EXPECT_EQ(checked, 14);
}

TEST(SpectrogramBuilder, ColumnsInSlicesGiveTheWholePicture) {
  const auto x = noise(11025, 4);
  const SpectrogramRequest request{x, 2000, 9000, 11025, SpectrogramBand::Middle, 64};
  SpectrogramBuilder builder(request);
  int steps = 0;
  while (builder.advance(50)) ++steps;
  EXPECT_EQ(steps, 13);
  EXPECT_EQ(builder.picture().levels, SpectrogramLevels(request).levels);
}

// The columns of a picture are spread over threads in blocks handed out as they finish, so
// which thread computes a column varies from run to run: the picture must not.
TEST(SpectrogramThreads, ParallelPictureEqualsSingleThreaded) {
  struct Case {
    std::uint32_t rate;
    SpectrogramBand band;
    int rows;
    int columns;
    std::int64_t first, last;
    bool printing;
  };
  const auto x11 = noise(3 * 11025, 5);
  const auto x22 = noise(2 * 22050, 6);
  const auto x44 = noise(44100, 7);
  const std::vector<std::pair<std::span<const std::int16_t>, Case>> cases = {
      {x11, {11025, SpectrogramBand::Narrow, 200, 680, 0, 3 * 11025, false}},  // overruns
      {x11, {11025, SpectrogramBand::Wide, 360, 250, 5000, 9000, false}},
      {x22, {22050, SpectrogramBand::Middle, 301, 160, 0, 2 * 22050, false}},
      {x22, {22050, SpectrogramBand::Narrow, 64, 37, 100, 2 * 22050 - 40, false}},
      {x44, {44100, SpectrogramBand::Wide, 175, 90, 0, 44100, true}},
      {x44, {44100, SpectrogramBand::Narrow, 360, 70, 0, 44100, false}},
  };
  for (const auto& [samples, c] : cases) {
    SpectrogramRequest request{samples, c.first, c.last,    c.rate,
                               c.band,  c.rows,  c.columns, c.printing};
    request.threads = 1;
    const SpectrogramPicture single = SpectrogramLevels(request);
    ASSERT_NE(single.entries, std::vector<std::uint8_t>(single.entries.size(), kBackgroundEntry));
    for (int threads : {2, 3, 7}) {
      request.threads = threads;
      const SpectrogramPicture parallel = SpectrogramLevels(request);
      EXPECT_EQ(parallel.entries, single.entries) << c.rate << " " << c.rows << " " << threads;
      EXPECT_EQ(parallel.levels, single.levels) << c.rate << " " << c.rows << " " << threads;
      if (threads != 3) continue;
      // Growing on screen: a step at a time, each step spread over the threads.
      SpectrogramBuilder builder(request);
      while (builder.advance(40)) {
      }
      EXPECT_EQ(builder.picture().entries, single.entries) << c.rate << " " << threads;
    }
  }
}

// A frame running past the samples ends the picture: that column and every later one stay
// background however the columns are shared out, and the builder reports it done.
TEST(SpectrogramThreads, OverrunEndsThePictureOnEveryThreadCount) {
  const auto x = noise(11025, 8);
  for (int threads : {1, 2, 7}) {
    SpectrogramRequest request{x, 0, 11025, 11025, SpectrogramBand::Narrow, 50};
    request.threads = threads;
    SpectrogramBuilder builder(request);
    EXPECT_FALSE(builder.advance(680));
    EXPECT_TRUE(builder.done());
    EXPECT_EQ(builder.columnsDone(), 680);
    const SpectrogramPicture& p = builder.picture();
    EXPECT_FALSE(columnIsBackground(p, 600)) << threads;
    EXPECT_TRUE(columnIsBackground(p, 679)) << threads;
    EXPECT_FALSE(builder.advance(10));
  }
}

}  // namespace
}  // namespace sonarel::spectral
