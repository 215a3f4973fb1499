// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// F0 by the average magnitude difference function: per 10-ms frame, the low-passed and
// Hamming-weighted samples are compared with themselves shifted by every lag of the range;
// the deepest valleys of that difference are the period candidates. A frame is voiced when
// its deepest valley, on a scale common to the whole file, is deep enough; a path through
// each voiced stretch then picks one candidate per frame.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "core/analysis_control.h"

namespace sonarel::core {

struct AmdfParameters {
  int lowestF0 = 50;    // Hz: max(minPitch - 20, 50)
  int highestF0 = 0;    // Hz: maxPitch
  int frameStep = 0;    // samples: rate / 100
  int window = 0;       // samples: floor(2.5 rate) / lowestF0
  int shortestLag = 0;  // samples: rate / highestF0
  int longestLag = 0;   // samples: rate / lowestF0
  double lowPassHz = 800;
};

// Nothing when maxPitch is not above the lowest F0 or the rate gives no lag.
std::optional<AmdfParameters> amdfParameters(int sampleRate, int minPitch, int maxPitch);

// The integer F0 of every 10-ms frame whose window fits in the file (0 unvoiced), as floats.
// Nothing when the range is inverted (maxPitch not above the lowest F0); empty when the file
// is shorter than one window. `control` reports progress and may stop the analysis, which
// then gives nothing as well.
std::optional<std::vector<float>> trackAmdf(std::span<const std::int16_t> samples, int sampleRate,
                                            int minPitch, int maxPitch,
                                            const AnalysisControl& control = {});

}  // namespace sonarel::core
