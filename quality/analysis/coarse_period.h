// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A first estimate of the period at one place of a voiced signal, from the normalised
// autocorrelation, to start (and restart) the cycle-by-cycle marking.

#include <optional>
#include <span>

namespace sonarel::quality {

// Periods searched: 1 ms (1000 Hz) to 20 ms (50 Hz).
struct PeriodLimits {
  double shortest;  // samples
  double longest;   // samples
};
PeriodLimits periodLimits(double sampleRate);

// The period in whole samples near `position`, or nothing when the signal there is not
// periodic enough (best normalised autocorrelation below 0.3). Among the autocorrelation's
// peaks the shortest lag reaching 0.9 of the best is taken, which avoids choosing a
// multiple of the period.
std::optional<double> estimatePeriod(std::span<const float> x, std::size_t position,
                                     double sampleRate);

}  // namespace sonarel::quality
