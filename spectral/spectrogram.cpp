// SPDX-License-Identifier: GPL-3.0-or-later
#include "spectral/spectrogram.h"

#include <algorithm>
#include <cmath>

#include "core/parallel_blocks.h"
#include "dsp/windows.h"
#include "spectral/fft_kernels.h"

namespace sonarel::spectral {

namespace {

// Columns a thread takes at a time, and the fewest columns worth a thread of their own.
constexpr int kColumnsPerBlock = 8;
constexpr int kColumnsPerThread = 16;
constexpr int kMostThreads = 16;

bool quarterBand(std::uint32_t rate) {
  return rate >= 44100;
}

// Transform bins [begin, end) of each row, from the bottom row upwards. The packed values of
// bins 1 .. N/2-1 (or .. N/8-1) are used: never the DC and Nyquist values.
template <typename Span>
std::vector<Span> rowBins(int fftSize, int rows, std::uint32_t rate) {
  const int span = quarterBand(rate) ? fftSize / 4 - 2 : fftSize - 2;
  const double step = static_cast<double>(span) / rows;
  std::vector<Span> spans(static_cast<std::size_t>(rows));
  int bin = 1;
  for (int j = 0; j < rows; ++j) {
    spans[static_cast<std::size_t>(j)].begin = bin;
    while (2 * (bin - 1) < span && 2 * (bin - 1) < (j + 1) * step) ++bin;
    spans[static_cast<std::size_t>(j)].end = bin;
  }
  return spans;
}

template <typename Span>
int levelOf(const float* packed, Span bins, int floor) {
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

int SpectrogramFilledRows(std::uint32_t rate, int rows, bool printing) {
  const int n = SpectrogramFftSize(rate, rows, printing);
  const int bins = (quarterBand(rate) ? n / 4 - 2 : n - 2) / 2;
  return std::clamp(rows, 0, bins);
}

double SpectrogramTopFrequency(std::uint32_t rate) {
  return quarterBand(rate) ? rate / 8.0 : rate / 2.0;
}

SpectrogramBuilder::SpectrogramBuilder(const SpectrogramRequest& request)
    : samples_(request.samples) {
  SpectrogramPicture& picture = picture_;
  picture.columns = std::max(request.columns, 0);
  picture.rows = std::max(request.rows, 0);
  const auto pixels = static_cast<std::size_t>(picture.columns) * picture.rows;
  picture.levels.assign(pixels, 0.0f);
  picture.entries.assign(pixels, kBackgroundEntry);
  next_ = picture.columns;  // nothing to compute unless everything below is in order
  if (pixels == 0 || request.rate == 0) return;

  const auto count = static_cast<std::int64_t>(samples_.size());
  first_ = std::clamp<std::int64_t>(request.rangeFirst, 0, count);
  const std::int64_t last = std::clamp<std::int64_t>(request.rangeLast, first_, count);
  // Frames near the range's end may reach up to 300 samples past it.
  available_ = std::min(last - first_ + 300, count - first_);
  const auto lead = static_cast<std::int64_t>(0.0026666666666666667 * request.rate);
  span_ = std::min(last - first_ - lead, available_);
  if (span_ < 2 || available_ <= 0) return;

  const int n = SpectrogramFftSize(request.rate, picture.rows, request.printing);
  const int length = std::min(SpectrogramWindowLength(request.band, request.rate), n);
  floor_ = SpectrogramFloor(request.band, request.rate);
  picture.fftSize = n;
  picture.windowLength = length;
  if (length < 2) return;

  weights_.resize(static_cast<std::size_t>(length));
  for (std::size_t k = 0; k < weights_.size(); ++k) {
    weights_[k] = dsp::hammingWeight(k, weights_.size());
  }
  bins_ = rowBins<BinSpan>(n, picture.rows, request.rate);
  // Frames move right with the column, so once one overruns the samples so do all after it.
  while (end_ < picture.columns && !overruns(end_)) ++end_;
  threads_ = core::threadCount(request.threads, kMostThreads);
  next_ = end_ > 0 ? 0 : picture.columns;
}

std::int64_t SpectrogramBuilder::frameStart(int column) const {
  const std::int64_t centre = static_cast<std::int64_t>(column) * span_ / picture_.columns;
  return centre + 1 - static_cast<std::int64_t>(weights_.size() / 2);
}

bool SpectrogramBuilder::overruns(int column) const {
  const auto length = static_cast<std::int64_t>(weights_.size());
  return frameStart(column) - 1 + length > available_ - 1;
}

bool SpectrogramBuilder::advance(int columns) {
  if (done()) return false;
  const auto last =
      static_cast<int>(std::min<std::int64_t>(std::int64_t{next_} + std::max(columns, 0), end_));
  computeColumns(next_, last);
  next_ = last >= end_ ? picture_.columns : last;  // past end_ everything stays background
  return !done();
}

// Columns write disjoint pixels, so no thread waits for another until the last block ends.
void SpectrogramBuilder::computeColumns(int first, int last) {
  if (last <= first) return;
  const int workers = std::clamp((last - first) / kColumnsPerThread, 1, threads_);
  while (frames_.size() < static_cast<std::size_t>(workers))
    frames_.emplace_back(static_cast<std::size_t>(picture_.fftSize));
  core::forEachBlock(first, last, kColumnsPerBlock, workers,
                     [this](int worker, std::int64_t begin, std::int64_t end) {
                       std::vector<float>& frame = frames_[static_cast<std::size_t>(worker)];
                       for (auto c = static_cast<int>(begin); c < end; ++c) computeColumn(c, frame);
                     });
}

void SpectrogramBuilder::computeColumn(int c, std::vector<float>& frame) {
  const std::int64_t start = frameStart(c);
  if (first_ + start < 0) return;  // before the recording: background
  const int length = static_cast<int>(weights_.size());
  const std::int16_t* samples = samples_.data() + first_ + start;
  for (int k = 0; k < length; ++k)
    frame[static_cast<std::size_t>(k)] =
        static_cast<float>(samples[k] * weights_[static_cast<std::size_t>(k)]);
  std::fill(frame.begin() + length, frame.end(), 0.0f);
  PackedRealFft(frame.data(), frame.size() / 2, 1);

  const int rows = picture_.rows;
  for (int j = 0; j < rows; ++j) {
    const int level = levelOf(frame.data(), bins_[static_cast<std::size_t>(j)], floor_);
    const auto index = static_cast<std::size_t>(rows - 1 - j) * picture_.columns + c;
    picture_.levels[index] = static_cast<float>(level);
    picture_.entries[index] = static_cast<std::uint8_t>(
        level > 0 ? std::max(0, kBackgroundEntry - level) : kBackgroundEntry);
  }
}

SpectrogramPicture SpectrogramLevels(const SpectrogramRequest& request) {
  SpectrogramBuilder builder(request);
  builder.advance(builder.picture().columns);
  return builder.take();
}

}  // namespace sonarel::spectral
