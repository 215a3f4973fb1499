// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The spectrogram's numbers: analysis bands, transform sizes, the colour and grey palettes
// and the level of every pixel, one column per analysis frame and one row per frequency band.
// Painting the pixels is the caller's business; this gives the palette entry of each.

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace sonarel::spectral {

enum class SpectrogramBand : int { Wide = 0, Narrow = 1, Middle = 2 };

inline constexpr int kSpectrogramColumns = 680;
inline constexpr int kPaletteSize = 400;
inline constexpr int kBackgroundEntry = 100;
inline constexpr int kDefaultContrast = 80;
// The contrast markers keep the ramp between these lengths (palette entries).
inline constexpr int kMinContrast = 4;
inline constexpr int kMaxContrast = 100;

// Frame length in samples of `band` at `rate` (0.0053, 0.029 or 0.064 s, truncated).
int SpectrogramWindowLength(SpectrogramBand band, std::uint32_t rate);
// dB subtracted before the palette: 35 wide, 39 middle and narrow; 9 more at 44100 Hz.
int SpectrogramFloor(SpectrogramBand band, std::uint32_t rate);
// Transform size for a picture of `rows` rows (at most 1024 count) on screen or in print.
int SpectrogramFftSize(std::uint32_t rate, int rows, bool printing = false);
// The most rows a picture `rows` tall can fill with their own transform bins: taller
// pictures leave rows with no bin (background). A display taller than this computes this
// many rows and stretches them.
int SpectrogramFilledRows(std::uint32_t rate, int rows, bool printing = false);
// The highest frequency shown: fs/2, or fs/8 from 44100 Hz up.
double SpectrogramTopFrequency(std::uint32_t rate);

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};

// Hue, lightness and saturation on a 0..240 scale (hue 0 red, 80 green, 160 blue).
Rgb HlsToRgb(float hue, int lightness, int saturation);

using Palette = std::array<Rgb, kPaletteSize>;

// Entry 0 is the loudest. Colour: a ramp of `contrast` entries from orange-yellow through
// green and blue to black, black beyond. Grey: black to white over `contrast` entries, white
// beyond.
Palette SpectrogramPalette(int contrast, bool blackAndWhite);

struct SpectrogramRequest {
  std::span<const std::int16_t> samples;  // the whole recording
  std::int64_t rangeFirst = 0;            // the analysis range [first, last)
  std::int64_t rangeLast = 0;
  std::uint32_t rate = 0;
  SpectrogramBand band = SpectrogramBand::Narrow;
  int rows = 0;  // picture height R
  int columns = kSpectrogramColumns;
  bool printing = false;
  // Threads that compute the columns: 0 takes one per processor, 1 the calling thread only.
  // The picture does not depend on it.
  int threads = 0;
};

struct SpectrogramPicture {
  int columns = 0;
  int rows = 0;
  // Levels 0..255 and palette entries, row by row from the top: index row * columns + column.
  std::vector<float> levels;
  std::vector<std::uint8_t> entries;
  int fftSize = 0;
  int windowLength = 0;

  float level(int column, int rowFromTop) const {
    return levels[static_cast<std::size_t>(rowFromTop) * columns + column];
  }
  int entry(int column, int rowFromTop) const {
    return entries[static_cast<std::size_t>(rowFromTop) * columns + column];
  }
};

// Builds a picture column by column, so that a display can show it growing from the left.
// Each column is one transform of its own frame, so the columns of a step are spread over the
// request's threads; every thread has its own transform buffer, allocated once per builder.
class SpectrogramBuilder {
 public:
  explicit SpectrogramBuilder(const SpectrogramRequest& request);
  // Computes up to `columns` more columns; false once every column is done.
  bool advance(int columns);
  bool done() const { return next_ >= picture_.columns; }
  int columnsDone() const { return next_; }
  const SpectrogramPicture& picture() const { return picture_; }
  SpectrogramPicture take() { return std::move(picture_); }

 private:
  struct BinSpan {
    int begin = 0;
    int end = 0;
  };
  std::int64_t frameStart(int column) const;  // relative to the range start
  bool overruns(int column) const;
  void computeColumns(int first, int last);
  void computeColumn(int column, std::vector<float>& frame);

  SpectrogramPicture picture_;
  std::span<const std::int16_t> samples_;
  std::int64_t first_ = 0, available_ = 0, span_ = 0;
  int floor_ = 0;
  int next_ = 0;
  int end_ = 0;  // the first column whose frame overruns the samples: background from there
  int threads_ = 1;
  std::vector<double> weights_;
  std::vector<BinSpan> bins_;               // bins of each row, from the bottom row up
  std::vector<std::vector<float>> frames_;  // one transform buffer per thread
};

// Columns whose frame would begin before the recording's first sample, or that come after a
// frame overrunning the samples available (the range plus up to 300 samples after it), stay
// background; so does every row that no transform bin falls into.
SpectrogramPicture SpectrogramLevels(const SpectrogramRequest& request);

}  // namespace sonarel::spectral
