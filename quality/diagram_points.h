// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The points the phonatory deviation diagram plots: one per analysis frame (irregularity
// across, noise up), in time order, and each segment's mean point.
//
// A segment's points are its frames that lie wholly inside the range (frame_timing.h); its
// mean is the mean of those points, and a segment without any has no mean and draws nothing.

#include <optional>
#include <span>
#include <vector>

#include "quality/analysis/segment_result.h"

namespace sonarel::quality {

struct DiagramPoint {
  double irregularity = 0;  // 0 to 10 across
  double noise = 0;         // 0 to 5 up
};

// The frames of `segment` inside [rangeFirst, rangeLast], in time order.
std::vector<DiagramPoint> segmentPoints(const SegmentResult& segment, double rangeFirst,
                                        double rangeLast);
// Every frame of `segment`.
std::vector<DiagramPoint> segmentPoints(const SegmentResult& segment);

// The mean of `points`; nothing when there are none.
std::optional<DiagramPoint> meanPoint(std::span<const DiagramPoint> points);

}  // namespace sonarel::quality
