// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/intensity.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "dsp/windows.h"

namespace sonarel::core {
namespace {

std::int64_t roundHalfUp(double value) {
  return static_cast<std::int64_t>(std::floor(value + 0.5));
}

std::vector<double> hammingWindow(std::int64_t n) {
  std::vector<double> w(static_cast<std::size_t>(n), 1.0);
  if (n < 2) return w;  // one point: the formula would divide by zero
  for (std::size_t i = 0; i < w.size(); ++i) w[i] = dsp::hammingWeight(i, w.size());
  return w;
}

}  // namespace

IntensityGeometry intensityGeometry(FileKind kind, double sampleRate) {
  const double windowSeconds = kind == FileKind::VocalQuality ? 0.0005 : 0.00045;
  const double rate = std::max(sampleRate, 0.0);
  return {std::max<std::int64_t>(1, roundHalfUp(windowSeconds * rate)),
          std::max<std::int64_t>(1, roundHalfUp(0.00025 * rate))};
}

IntensityContour computeIntensity(std::span<const std::int16_t> samples, double sampleRate,
                                  FileKind kind) {
  const auto [n, step] = intensityGeometry(kind, sampleRate);
  const auto count = static_cast<std::int64_t>(samples.size());
  IntensityContour contour;
  if (count < n) return contour;
  const std::vector<double> w = hammingWindow(n);
  contour.values.reserve(static_cast<std::size_t>((count - n) / step + 1));
  for (std::int64_t start = 0; start + n <= count; start += step) {
    double e = 0;
    for (std::int64_t i = 0; i < n; ++i) {
      const double x = samples[start + i];
      e += w[i] * x * x;
    }
    contour.values.push_back(static_cast<float>(10 * std::log10(std::max(e, 1.0))));
  }
  return contour;
}

IntensityColumns intensityColumns(const IntensityContour& contour) {
  IntensityColumns columns{};
  const std::int32_t frames = contour.frameCount();
  if (frames == 0) return columns;
  const double f = static_cast<double>(frames) / kIntensityColumns;
  for (int c = 0; c < kIntensityColumns; ++c) {
    const auto first = static_cast<std::int64_t>(std::floor(c * f));
    if (f < 1) {
      columns[c] = contour.values[std::min<std::int64_t>(first, frames - 1)];
      continue;
    }
    // The mean of the values summed: ceil(f) of them where f is not whole. (Dividing their
    // sum by f instead would inflate a column by up to ceil(f) / f, double at f just above 1.)
    double sum = 0;
    std::int64_t summed = 0;
    for (std::int64_t j = 0; j < f && first + j < frames; ++j, ++summed) {
      sum += contour.values[first + j];
    }
    columns[c] = static_cast<float>(sum / static_cast<double>(summed));
  }
  return columns;
}

std::optional<MessageId> validateIntensitySettings(const IntensitySettings& settings) {
  if (settings.lowLimit < 0 || settings.lowLimit > 60) return MessageId::LowLimitRange;
  if (settings.highLimit < 70 || settings.highLimit > 140) return MessageId::HighLimitRange;
  return std::nullopt;
}

}  // namespace sonarel::core
