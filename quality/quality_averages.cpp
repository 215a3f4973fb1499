// SPDX-License-Identifier: GPL-3.0-or-later
#include "quality/quality_averages.h"

#include <cmath>
#include <vector>

#include "quality/frame_timing.h"

namespace sonarel::quality {
namespace {

// Population spread of the non-zero values around `mean`, when there are at least two;
// 0 when there is exactly one; -1 (nothing to add) when there is none.
double spreadOfNonZero(const std::vector<float>& values, double mean) {
  double squares = 0;
  int n = 0;
  for (float v : values) {
    if (v == 0.0f) continue;
    squares += (v - mean) * (v - mean);
    ++n;
  }
  if (n == 0) return -1;
  return n > 1 ? std::sqrt(squares / n) : 0.0;
}

}  // namespace

QualityAverages averageQualityMeasures(std::span<const SegmentResult> segments, double rangeFirst,
                                       double rangeLast) {
  constexpr Measure kAveraged[] = {Measure::Jitter,       Measure::Shimmer, Measure::Correlation,
                                   Measure::Irregularity, Measure::Gne,     Measure::Noise};
  double sums[kMeasureCount] = {};
  double irregularitySpread = 0, noiseSpread = 0;
  int used = 0;
  for (const SegmentResult& segment : segments) {
    if (segment.frameCount <= 0 || !segment.consistent()) continue;
    std::vector<int> inside;
    for (int k = 0; k < segment.frameCount; ++k) {
      if (frameInRange(segment, k, rangeFirst, rangeLast)) inside.push_back(k);
    }
    if (inside.empty()) continue;
    double means[kMeasureCount] = {};
    for (Measure m : kAveraged) {
      double sum = 0;
      for (int k : inside) sum += segment.value(m, k);
      means[static_cast<int>(m)] = sum / static_cast<double>(inside.size());
      sums[static_cast<int>(m)] += means[static_cast<int>(m)];
    }
    auto picked = [&](Measure m) {
      std::vector<float> v;
      for (int k : inside) v.push_back(segment.value(m, k));
      return v;
    };
    const double irr = spreadOfNonZero(picked(Measure::Irregularity),
                                       means[static_cast<int>(Measure::Irregularity)]);
    if (irr >= 0) irregularitySpread += irr;
    const double noise =
        spreadOfNonZero(picked(Measure::Noise), means[static_cast<int>(Measure::Noise)]);
    if (noise >= 0) noiseSpread += noise;
    ++used;
  }
  QualityAverages a;
  a.segmentsUsed = used;
  if (used == 0) return a;
  auto mean = [&](Measure m) { return static_cast<float>(sums[static_cast<int>(m)] / used); };
  a.jitter = mean(Measure::Jitter);
  a.shimmer = mean(Measure::Shimmer);
  a.correlation = mean(Measure::Correlation);
  a.irregularity = mean(Measure::Irregularity);
  a.gne = mean(Measure::Gne);
  a.noise = mean(Measure::Noise);
  a.irregularitySd = static_cast<float>(irregularitySpread / used);
  a.noiseSd = static_cast<float>(noiseSpread / used);
  return a;
}

}  // namespace sonarel::quality
