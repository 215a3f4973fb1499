// SPDX-License-Identifier: GPL-3.0-or-later
#include "quality/diagram_points.h"

#include <limits>

#include "quality/frame_timing.h"

namespace sonarel::quality {

std::vector<DiagramPoint> segmentPoints(const SegmentResult& segment, double rangeFirst,
                                        double rangeLast) {
  std::vector<DiagramPoint> points;
  if (!segment.consistent()) return points;
  points.reserve(static_cast<std::size_t>(segment.frameCount));
  for (std::int32_t k = 0; k < segment.frameCount; ++k) {
    if (!frameInRange(segment, k, rangeFirst, rangeLast)) continue;
    points.push_back({segment.value(Measure::Irregularity, k), segment.value(Measure::Noise, k)});
  }
  return points;
}

std::vector<DiagramPoint> segmentPoints(const SegmentResult& segment) {
  const double everything = std::numeric_limits<double>::infinity();
  return segmentPoints(segment, -everything, everything);
}

std::optional<DiagramPoint> meanPoint(std::span<const DiagramPoint> points) {
  if (points.empty()) return std::nullopt;
  DiagramPoint sum;
  for (const DiagramPoint& p : points) {
    sum.irregularity += p.irregularity;
    sum.noise += p.noise;
  }
  const double n = static_cast<double>(points.size());
  return DiagramPoint{sum.irregularity / n, sum.noise / n};
}

}  // namespace sonarel::quality
