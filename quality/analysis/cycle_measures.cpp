// SPDX-License-Identifier: GPL-3.0-or-later
#include "quality/analysis/cycle_measures.h"

#include <vector>

#include "quality/analysis/perturbation_quotient.h"

namespace sonarel::quality {

CycleMeasures measureCycles(std::span<const Cycle> cycles, double frameFirst, double frameEnd,
                            double sampleRate) {
  PerturbationQuotient jitter(kJitterPoints), shimmer(kShimmerPoints);
  std::vector<double> periods, energies;
  auto closeRun = [&] {
    jitter.addRun(periods);
    shimmer.addRun(energies);
    periods.clear();
    energies.clear();
  };
  double correlationSum = 0, periodSum = 0;
  int tracked = 0, valid = 0;
  for (const Cycle& c : cycles) {
    if (c.start < frameFirst || c.start + c.period > frameEnd) continue;
    ++tracked;
    correlationSum += c.correlation;
    if (!c.valid) {
      closeRun();
      continue;
    }
    // The first cycle inside the frame starts a run even if its predecessor was valid.
    if (!c.continuesRun) closeRun();
    periods.push_back(c.period);
    energies.push_back(c.energy);
    periodSum += c.period;
    ++valid;
  }
  closeRun();
  CycleMeasures m;
  m.jitterPercent = jitter.percent();
  m.shimmerPercent = shimmer.percent();
  if (valid > 0 && periodSum > 0) m.f0Hz = sampleRate * valid / periodSum;
  if (tracked > 0) m.correlation = correlationSum / tracked;
  return m;
}

}  // namespace sonarel::quality
