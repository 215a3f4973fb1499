// SPDX-License-Identifier: GPL-3.0-or-later
// Candidate picking and refinement of FrameAnalyser (see pitch_frame_analysis.h).

#include <cmath>

#include "core/pitch_frame_analysis.h"
#include "core/sinc_interpolation.h"
#include "dsp/peaks.h"

namespace sonarel::core {
namespace {

constexpr double kRefinementTolerance = 1e-10;

double invertedAboveOne(double strength) {
  return strength > 1 ? 1 / strength : strength;
}

}  // namespace

// Slot 0 is the unvoiced candidate; the correlation's peaks fill the others. When they are
// full, a new peak replaces the weakest (strength less octave cost, the first on a tie) only
// if it is strictly stronger.
int FrameAnalyser::findCandidates(std::span<PitchCandidate> slots) {
  const PitchParameters& p = g_.parameters;
  const double rate = 1.0 / g_.dx;
  const std::span<const double> curve(r_);
  const double* r = r_.data() + g_.brentLimit;
  const std::int64_t limit = std::min(g_.maximumLag, g_.brentLimit);
  const auto score = [&](double strength, double frequency) {
    return strength - p.octaveCost * std::log2(p.minPitch / frequency);
  };
  int count = 1;
  for (std::int64_t i = 2; i < limit; ++i) {
    if (!(r[i] > 0.5 * p.voicingThreshold && r[i - 1] < r[i] && r[i] >= r[i + 1])) continue;
    const double lag = static_cast<double>(i) + dsp::parabolicPeakOffset(r[i - 1], r[i], r[i + 1]);
    const double frequency = rate / lag;
    const double strength = invertedAboveOne(
        interpolateSinc(curve, lag + static_cast<double>(g_.brentLimit), kSincDepth30));
    int slot = count;
    if (count < p.maxCandidates) {
      ++count;
    } else {
      slot = 1;
      double weakest = score(slots[1].strength, slots[1].frequency);
      for (int j = 2; j < p.maxCandidates; ++j) {
        const double s = score(slots[j].strength, slots[j].frequency);
        if (s < weakest) weakest = s, slot = j;
      }
      if (!(score(strength, frequency) > weakest)) continue;
    }
    slots[slot] = {frequency, strength};
    lags_[slot] = static_cast<int>(i);
  }
  return count;
}

// Each voiced candidate moves to the maximum of the finely interpolated correlation within
// one lag of the peak it was found at.
void FrameAnalyser::refine(std::span<PitchCandidate> slots, int count) {
  const double rate = 1.0 / g_.dx;
  const auto offset = static_cast<double>(g_.brentLimit);
  for (int j = 1; j < count; ++j) {
    const Peak peak = improvePeak(r_, lags_[j] + static_cast<int>(g_.brentLimit),
                                  g_.method.refinementDepth, kRefinementTolerance);
    slots[j] = {rate / (peak.position - offset), invertedAboveOne(peak.value)};
  }
}

}  // namespace sonarel::core
