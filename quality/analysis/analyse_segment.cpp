// SPDX-License-Identifier: GPL-3.0-or-later
#include "quality/analysis/analyse_segment.h"

#include <algorithm>
#include <vector>

#include "quality/analysis/analysis_frames.h"
#include "quality/analysis/axis_mapping.h"
#include "quality/analysis/cycle_measures.h"
#include "quality/analysis/gne.h"
#include "quality/analysis/period_marking.h"

namespace sonarel::quality {
namespace {

std::vector<float> prepare(std::span<const std::int16_t> samples) {
  std::vector<float> x(samples.begin(), samples.end());
  centreWithPeaksUp(x);
  return x;
}

float orZero(std::optional<double> v) {
  return v ? static_cast<float>(*v) : 0.0f;
}

}  // namespace

std::optional<SegmentResult> measureSegment(std::span<const std::int16_t> samples,
                                            std::uint16_t rate) {
  if (rate != kSegmentAnalysisRate) return std::nullopt;
  const AnalysisFrames frames = analysisFramesFor(static_cast<std::int64_t>(samples.size()), rate);
  if (frames.count <= 0) return std::nullopt;
  const std::vector<float> x = prepare(samples);
  const std::vector<Cycle> cycles = markCycles(x, rate);
  const std::vector<double> gne = gnePerFrame(x, frames);

  SegmentResult result;
  result.resizeFrames(frames.count);
  for (std::int32_t k = 0; k < frames.count; ++k) {
    const CycleMeasures m = measureCycles(cycles, static_cast<double>(frames.first(k)),
                                          static_cast<double>(frames.end(k)), rate);
    result.values(Measure::Jitter)[k] = orZero(m.jitterPercent);
    result.values(Measure::Shimmer)[k] = orZero(m.shimmerPercent);
    result.values(Measure::F0)[k] = orZero(m.f0Hz);
    result.values(Measure::Gne)[k] = static_cast<float>(gne[k]);
    result.values(Measure::Correlation)[k] = orZero(m.correlation);
    result.values(Measure::Irregularity)[k] =
        static_cast<float>(irregularityAxis(m.jitterPercent, m.shimmerPercent, m.correlation));
    result.values(Measure::Noise)[k] = static_cast<float>(noiseAxis(gne[k]));
  }
  return result;
}

int analyseSegment(const std::int16_t* samples, std::int32_t count, std::uint16_t rate,
                   void* /*window*/, SegmentResult* result, int /*language*/) {
  if (!result) return kSegmentNotAnalysed;
  result->resizeFrames(0);
  if (!samples || count <= 0) return kSegmentNotAnalysed;
  std::optional<SegmentResult> measured =
      measureSegment(std::span(samples, static_cast<std::size_t>(count)), rate);
  if (!measured) return kSegmentNotAnalysed;
  result->frameCount = measured->frameCount;
  result->measures = std::move(measured->measures);
  return kSegmentAnalysed;
}

}  // namespace sonarel::quality
