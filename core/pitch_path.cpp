// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/pitch_path.h"

#include <cmath>
#include <utility>
#include <vector>

namespace sonarel::core {
namespace {

constexpr double kPredecessorFloor = -10;

struct Scorer {
  const PitchParameters& p;
  double ceiling;

  bool unvoiced(double frequency) const { return frequency <= 0 || frequency > ceiling; }

  double unvoicedStrength(double intensity) const {
    if (!(p.silenceThreshold > 0)) return p.voicingThreshold;
    return p.voicingThreshold +
           std::max(0.0, 2 - intensity / (p.silenceThreshold / (1 + p.voicingThreshold)));
  }

  double local(const PitchCandidate& c, double intensity) const {
    if (unvoiced(c.frequency)) return unvoicedStrength(intensity);
    return c.strength - p.octaveCost * std::log2(ceiling / c.frequency);
  }

  double transition(double previous, double current) const {
    const bool previousUnvoiced = unvoiced(previous), currentUnvoiced = unvoiced(current);
    if (previousUnvoiced && currentUnvoiced) return 0;
    if (previousUnvoiced || currentUnvoiced) return p.voicedUnvoicedCost;
    return p.octaveJumpCost * std::fabs(std::log2(previous / current));
  }
};

}  // namespace

void findBestPath(PitchTrack& track, const PitchParameters& parameters) {
  const std::int32_t frames = track.frameCount;
  if (frames < 1) return;
  const auto slots = static_cast<std::size_t>(track.maxCandidates);
  const Scorer scorer{parameters, track.ceiling};
  std::vector<double> cumulative(frames * slots);
  std::vector<int> from(frames * slots, 0);
  const auto candidate = [&](std::int32_t f, int j) -> const PitchCandidate& {
    return track.candidates[f * slots + j];
  };

  for (int j = 0; j < track.candidateCount[0]; ++j) {
    cumulative[j] = scorer.local(candidate(0, j), track.intensity[0]);
  }
  for (std::int32_t f = 1; f < frames; ++f) {
    const int previousCount = track.candidateCount[f - 1];
    for (int j = 0; j < track.candidateCount[f]; ++j) {
      const double current = candidate(f, j).frequency;
      double best = kPredecessorFloor;
      int place = 0;
      for (int k = 0; k < previousCount; ++k) {
        const double value = cumulative[(f - 1) * slots + k] -
                             scorer.transition(candidate(f - 1, k).frequency, current);
        if (value > best) best = value, place = k;
      }
      cumulative[f * slots + j] = best + scorer.local(candidate(f, j), track.intensity[f]);
      from[f * slots + j] = place;
    }
  }

  int place = 0;
  for (int j = 1; j < track.candidateCount[frames - 1]; ++j) {
    if (cumulative[(frames - 1) * slots + j] > cumulative[(frames - 1) * slots + place]) {
      place = j;
    }
  }
  for (std::int32_t f = frames - 1; f >= 0; --f) {
    const int previous = from[f * slots + place];
    std::swap(track.candidates[f * slots], track.candidates[f * slots + place]);
    place = previous;
  }
}

}  // namespace sonarel::core
