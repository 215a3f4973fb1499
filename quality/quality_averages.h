// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The averages of the vocal analysis report over an analysis range.
//
// Per segment, over its frames inside the range (frame_timing.h): the mean of each measure,
// zeros included, and for irregularity and noise the population spread of the frames whose
// value is not 0 around that mean (only when there are at least two; one such frame counts
// as spread 0, none adds nothing). The report then shows the mean over segments of those
// per-segment figures, so a long segment weighs no more than a short one. Segments with no
// frame in range do not take part.

#include <span>

#include "quality/analysis/segment_result.h"

namespace sonarel::quality {

struct QualityAverages {
  float jitter = 0;   // PPQ, percent
  float shimmer = 0;  // EPQ, percent
  float correlation = 0;
  float irregularity = 0;
  float irregularitySd = 0;
  float gne = 0;
  float noise = 0;
  float noiseSd = 0;
  int segmentsUsed = 0;  // 0: nothing to report
};

QualityAverages averageQualityMeasures(std::span<const SegmentResult> segments, double rangeFirst,
                                       double rangeLast);

}  // namespace sonarel::quality
