// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/voice_statistics.h"

#include <algorithm>
#include <cmath>

namespace sonarel::core {
namespace {

constexpr double kLn2 = 0.6931472;  // as the published figures were computed

// The highest count's bins contribute their interpolated centres, in bin order.
void fillModes(const F0Histogram& h, VoiceStatistics& out) {
  const auto& bins = h.bins;
  const double binWidth = (static_cast<double>(h.maxF0) - h.minF0) / 20.0;
  const auto highest = *std::max_element(bins.begin(), bins.end());
  out.modes = {};
  if (highest == 0) {
    out.modeCount = 1;
    return;
  }
  out.modeCount = 0;
  for (int i = 0; i < kHistogramBins; ++i) {
    if (bins[i] != highest) continue;
    const double lower = h.minF0 + i * binWidth;
    const double dl = bins[i] - (i > 0 ? bins[i - 1] : bins[0]);
    const double dr = bins[i] - (i + 1 < kHistogramBins ? bins[i + 1] : bins[19]);
    // The fraction is added in Hz, not scaled by the bin width, as the figures always were.
    const double fraction = (dl == 0 || dl + dr == 0) ? 0.0 : dl / (dl + dr);
    out.modes[out.modeCount++] = lower + binWidth + fraction;
  }
}

// Voiced values of frames [begin, end), clipped to the contour.
template <typename Visit>
void forVoiced(const F0Contour& f0, std::int64_t begin, double end, Visit visit) {
  const std::int64_t count = f0.frameCount();
  for (std::int64_t k = std::max<std::int64_t>(begin, 0); k < end && k < count; ++k) {
    const float v = f0.values[static_cast<std::size_t>(k)];
    if (v > 0) visit(static_cast<double>(v));
  }
}

}  // namespace

double semitoneSpan(double minF0, double maxF0) {
  const auto term = [](double f) { return f > 0 ? 12.0 * std::log(f / 100.0) / kLn2 : 0.0; };
  return term(maxF0) - term(minF0);
}

int roundedSemitones(double semitoneRange) {
  const double whole = std::floor(semitoneRange);
  return static_cast<int>(semitoneRange - whole < 0.5 ? whole : std::ceil(semitoneRange));
}

void computeF0Statistics(const F0Contour& f0, const FrameSpan& frames, VoiceStatistics& out) {
  const F0Histogram histogram = computeF0Histogram(f0, frames);
  out.minF0 = histogram.minF0;
  out.maxF0 = histogram.maxF0;
  const auto first = static_cast<std::int64_t>(std::floor(frames.start));

  double sum = 0;
  std::int64_t n = 0;
  forVoiced(f0, first, frames.end, [&](double v) { sum += v, ++n; });
  out.meanF0 = (n > 0 && !(out.minF0 == 0 && out.maxF0 == 0)) ? sum / static_cast<double>(n) : 0;

  const double truncatedMean = std::trunc(out.meanF0);
  double squares = 0;
  n = 0;
  forVoiced(f0, first, std::floor(frames.end), [&](double v) {
    squares += (v - truncatedMean) * (v - truncatedMean);
    ++n;
  });
  out.sdF0 = (n > 1 && out.minF0 != 0 && out.maxF0 > 0) ? std::sqrt(squares / n) : 0;
  out.semitoneRange = semitoneSpan(out.minF0, out.maxF0);
  fillModes(histogram, out);

  // Every voiced frame of the histogram's frames has one value: the histogram cannot spread
  // it, but that value is still the mean, the extremes and the mode.
  const FrameWindow window = histogramFrames(frames, f0.frameCount());
  float single = 0;
  bool uniform = window.count > 0;
  for (std::int64_t k = window.first; uniform && k < window.first + window.count; ++k) {
    const float v = f0.values[static_cast<std::size_t>(k)];
    if (v == 0) continue;
    if (single == 0) single = v;
    uniform = v == single;
  }
  if (uniform && single > 0 && histogram.maxF0 == 0) {
    out.meanF0 = out.minF0 = out.maxF0 = single;
    out.sdF0 = 0;
    out.semitoneRange = 0;
    out.modes = {};
    out.modes[0] = single;
    out.modeCount = 1;
  }
}

void computeIntensityStatistics(const IntensityColumns& columns, std::int64_t sampleCount,
                                const AnalysisRange& range, VoiceStatistics& out) {
  // A recording shorter than 340 samples still has one sample per column.
  const double perColumn = std::max<double>(1.0, std::floor(sampleCount / 340.0));
  const double startCol = std::max(0.0, range.first / perColumn);
  const double endCol = std::min<double>(range.last / perColumn, kIntensityColumns);
  const auto begin = static_cast<int>(std::floor(startCol));
  const auto end = static_cast<int>(std::floor(endCol));
  out.minIntensity = out.maxIntensity = out.meanIntensity = out.sdIntensity = 0;
  if (end <= begin || begin >= kIntensityColumns) return;

  double minimum = columns[begin] == 0 ? 10000.0 : columns[begin];
  double maximum = columns[end - 1];
  double sum = 0;
  for (int c = begin; c < end; ++c) {
    const double v = columns[c];
    if (v != 0 && v < minimum) minimum = v;
    if (v > maximum) maximum = v;
    sum += v;
  }
  out.minIntensity = minimum == 10000.0 ? 0 : minimum;
  out.maxIntensity = maximum;
  out.meanIntensity = sum / (endCol - startCol);

  const double truncatedMean = std::trunc(out.meanIntensity);
  double squares = 0;
  int n = 0;
  for (int c = begin; c < end; ++c) {
    if (columns[c] == 0) continue;
    squares += (columns[c] - truncatedMean) * (columns[c] - truncatedMean);
    ++n;
  }
  out.sdIntensity = n >= 2 ? std::sqrt(squares / n) : 0;
}

VoiceStatistics computeVoiceStatistics(const StatisticsInput& input) {
  VoiceStatistics stats;
  if (input.f0.frameCount() < 1) return stats;
  computeF0Statistics(input.f0, f0FrameSpan(input.range, input.sampleCount, input.f0.frameCount()),
                      stats);
  computeIntensityStatistics(input.intensity, input.sampleCount, input.range, stats);
  return stats;
}

TimeShares computeTimeShares(const F0Contour& f0, const IntensityColumns& intensity,
                             std::int64_t sampleCount, const AnalysisRange& range,
                             double silenceThresholdDb) {
  TimeShares shares;
  // Frames are whole samples long here (integer division), unlike the statistics.
  const std::int64_t perFrame = f0.frameCount() >= 1 ? sampleCount / f0.frameCount() : sampleCount;
  if (perFrame > 0) {
    const double s = static_cast<double>(range.first) / perFrame;
    const double e = static_cast<double>(range.last) / perFrame;
    std::int64_t voiced = 0;
    forVoiced(f0, static_cast<std::int64_t>(std::floor(s)), e, [&](double) { ++voiced; });
    shares.voiced = e - s > 0 ? std::min(1.0, voiced / (e - s)) : 1.0;
  } else {
    shares.voiced = 1.0;
  }

  const double perColumn = sampleCount / 340.0;
  if (perColumn > 0) {
    const double s = range.first / perColumn;
    const double span = range.last / perColumn - s;
    const double e = std::min<double>(range.last / perColumn, kIntensityColumns);
    int speech = 0;
    for (int c = std::max(0, static_cast<int>(std::floor(s))); c < e; ++c) {
      if (intensity[c] != 0 && intensity[c] >= silenceThresholdDb) ++speech;
    }
    shares.speech = span > 0 ? std::min(1.0, speech / span) : 1.0;
  } else {
    shares.speech = 1.0;
  }
  return shares;
}

}  // namespace sonarel::core
