#include "spectral/spectrogram.h"

#include <algorithm>
#include <cmath>

#include "spectral/fft_kernels.h"

namespace sonarel::spectral {

namespace {

bool quarterBand(std::uint32_t rate) {
  return rate >= 44100;
}

// Transform bins [begin, end) that make up each row, from the bottom row upwards.
struct BinSpan {
  int begin = 0;
  int end = 0;
};

std::vector<BinSpan> rowBins(int fftSize, int rows, std::uint32_t rate) {
  // Packed values of bins 1 .. N/2-1 (or .. N/8-1): the DC and Nyquist values are not used.
  const int span = quarterBand(rate) ? fftSize / 4 - 2 : fftSize - 2;
  const double step = static_cast<double>(span) / rows;
  std::vector<BinSpan> spans(static_cast<std::size_t>(rows));
  int bin = 1;
  for (int j = 0; j < rows; ++j) {
    spans[static_cast<std::size_t>(j)].begin = bin;
    while (2 * (bin - 1) < span && 2 * (bin - 1) < (j + 1) * step) ++bin;
    spans[static_cast<std::size_t>(j)].end = bin;
  }
  return spans;
}

int levelOf(const float* packed, BinSpan bins, int floor) {
  if (bins.end <= bins.begin) return 0;
  double sum = 1.0;
  for (int k = bins.begin; k < bins.end; ++k) {
    const double re = packed[2 * k];
    const double im = packed[2 * k + 1];
    sum += re * re + im * im;
  }
  const double db = 10.0 * std::log10(sum / (bins.end - bins.begin));
  return std::clamp(static_cast<int>(db - floor + 0.5), 0, 255);
}

}  // namespace

int SpectrogramWindowLength(SpectrogramBand band, std::uint32_t rate) {
  const double seconds = band == SpectrogramBand::Wide     ? 0.005333333333333334
                         : band == SpectrogramBand::Middle ? 0.02909090909090909
                                                           : 0.064;
  return static_cast<int>(seconds * rate);
}

int SpectrogramFloor(SpectrogramBand band, std::uint32_t rate) {
  const int floor = band == SpectrogramBand::Wide ? 35 : 39;
  return quarterBand(rate) ? floor + 9 : floor;
}

int SpectrogramFftSize(std::uint32_t rate, int rows, bool printing) {
  rows = std::min(rows, 1024);
  switch (rate) {
    case 11025:
      return rows < 128 ? 512 : 1024;
    case 22050:
      return rows > 300 ? 2048 : 1024;
    case 44100:
      return printing ? 2048 : 4096;
    default:
      return 1024;
  }
}

double SpectrogramTopFrequency(std::uint32_t rate) {
  return quarterBand(rate) ? rate / 8.0 : rate / 2.0;
}

SpectrogramPicture SpectrogramLevels(const SpectrogramRequest& request) {
  SpectrogramPicture picture;
  picture.columns = std::max(request.columns, 0);
  picture.rows = std::max(request.rows, 0);
  const auto pixels = static_cast<std::size_t>(picture.columns) * picture.rows;
  picture.levels.assign(pixels, 0.0f);
  picture.entries.assign(pixels, kBackgroundEntry);
  if (pixels == 0 || request.rate == 0) return picture;

  const auto count = static_cast<std::int64_t>(request.samples.size());
  const std::int64_t first = std::clamp<std::int64_t>(request.rangeFirst, 0, count);
  const std::int64_t last = std::clamp<std::int64_t>(request.rangeLast, first, count);
  // Frames near the range's end may reach up to 300 samples past it.
  const std::int64_t available = std::min(last - first + 300, count - first);
  const auto lead = static_cast<std::int64_t>(0.0026666666666666667 * request.rate);
  const std::int64_t span = std::min(last - first - lead, available);
  if (span < 2 || available <= 0) return picture;

  const int n = SpectrogramFftSize(request.rate, picture.rows, request.printing);
  const int length = std::min(SpectrogramWindowLength(request.band, request.rate), n);
  const int floor = SpectrogramFloor(request.band, request.rate);
  picture.fftSize = n;
  picture.windowLength = length;
  if (length < 2) return picture;

  std::vector<double> weights(static_cast<std::size_t>(length));
  const double twoPi = 8.0 * std::atan(1.0);
  for (int k = 0; k < length; ++k)
    weights[static_cast<std::size_t>(k)] = 0.54 - 0.46 * std::cos(k * twoPi / (length - 1));
  const std::vector<BinSpan> bins = rowBins(n, picture.rows, request.rate);

  std::vector<float> frame(static_cast<std::size_t>(n));
  const std::int16_t* samples = request.samples.data();
  for (int c = 0; c < picture.columns; ++c) {
    const std::int64_t centre = static_cast<std::int64_t>(c) * span / picture.columns;
    const std::int64_t start = centre + 1 - length / 2;  // relative to the range start
    if (first + start < 0) continue;
    if (centre - length / 2 + length > available - 1) break;
    for (int k = 0; k < length; ++k)
      frame[static_cast<std::size_t>(k)] =
          static_cast<float>(samples[first + start + k] * weights[static_cast<std::size_t>(k)]);
    std::fill(frame.begin() + length, frame.end(), 0.0f);
    PackedRealFft(frame.data(), static_cast<std::size_t>(n / 2), 1);

    for (int j = 0; j < picture.rows; ++j) {
      const int level = levelOf(frame.data(), bins[static_cast<std::size_t>(j)], floor);
      const auto index = static_cast<std::size_t>(picture.rows - 1 - j) * picture.columns + c;
      picture.levels[index] = static_cast<float>(level);
      picture.entries[index] = static_cast<std::uint8_t>(
          level > 0 ? std::max(0, kBackgroundEntry - level) : kBackgroundEntry);
    }
  }
  return picture;
}

}  // namespace sonarel::spectral
