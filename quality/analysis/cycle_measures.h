// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The measures of one analysis frame that come from the marked cycles: jitter (PPQ over 5
// periods), shimmer (EPQ over 11 cycle energies), F0 and the mean waveform correlation.
// A frame uses the cycles that lie wholly inside it.

#include <optional>
#include <span>

#include "quality/analysis/period_marking.h"

namespace sonarel::quality {

constexpr int kJitterPoints = 5;    // PPQ5
constexpr int kShimmerPoints = 11;  // EPQ11

struct CycleMeasures {
  std::optional<double> jitterPercent;   // PPQ5
  std::optional<double> shimmerPercent;  // EPQ11
  std::optional<double> f0Hz;            // from the mean valid period
  std::optional<double> correlation;     // mean over every cycle tracked in the frame
};

CycleMeasures measureCycles(std::span<const Cycle> cycles, double frameFirst, double frameEnd,
                            double sampleRate);

}  // namespace sonarel::quality
