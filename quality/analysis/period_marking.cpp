// SPDX-License-Identifier: GPL-3.0-or-later
#include "quality/analysis/period_marking.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "dsp/peaks.h"
#include "dsp/sliding_correlation.h"
#include "quality/analysis/coarse_period.h"

namespace sonarel::quality {
namespace {

constexpr double kSearchBelow = 0.7;
constexpr double kSearchAbove = 1.3;
constexpr double kMinimumCorrelation = 0.5;
constexpr double kMaximumPeriodFactor = 1.3;
constexpr int kInvalidBeforeRestart = 3;
constexpr double kStartBeforePeak = 0.15;  // of a period

struct Match {
  double period;
  double correlation;
};

// Normalised correlation of the `length` samples from s0 with those `lag` samples later,
// for every lag in [lo - 1, hi + 1]; the best lag in [lo, hi] refined by a parabola.
Match bestMatch(std::span<const float> x, std::size_t s0, std::size_t length, std::size_t lo,
                std::size_t hi) {
  std::vector<double> rho(hi - lo + 3);
  dsp::slidingCorrelation(x.subspan(s0), length, lo - 1, rho);
  std::size_t best = 1;
  for (std::size_t i = 1; i + 1 < rho.size(); ++i) {
    if (rho[i] > rho[best]) best = i;
  }
  const double delta = dsp::parabolicPeakOffset(rho[best - 1], rho[best], rho[best + 1]);
  return {static_cast<double>(lo - 1 + best) + delta, rho[best]};
}

// The start of the first cycle after `position`: 0.15 T before the largest peak of the
// following 1.5 T.
double anchor(std::span<const float> x, double position, double period) {
  const std::size_t from =
      static_cast<std::size_t>(std::ceil(position + kStartBeforePeak * period));
  const std::size_t to = std::min(x.size(), from + static_cast<std::size_t>(1.5 * period));
  std::size_t peak = from;
  for (std::size_t n = from; n < to; ++n) {
    if (x[n] > x[peak]) peak = n;
  }
  return static_cast<double>(peak) - kStartBeforePeak * period;
}

// Marks cycles from an anchor until three invalid cycles in a row or the end of the
// segment; returns where to look for the next anchor (the segment's size when it is used up).
double trackFrom(std::span<const float> x, double fs, double s, double period,
                 std::vector<Cycle>& cycles) {
  const PeriodLimits limits = periodLimits(fs);
  int invalidRun = 0;
  bool previousValid = false;
  while (true) {
    const std::size_t s0 = static_cast<std::size_t>(std::lround(s));
    const std::size_t length = static_cast<std::size_t>(std::lround(period));
    const std::size_t lo = std::max(static_cast<std::size_t>(std::ceil(limits.shortest)),
                                    static_cast<std::size_t>(std::floor(kSearchBelow * period)));
    const std::size_t hi = std::min(static_cast<std::size_t>(std::floor(limits.longest)),
                                    static_cast<std::size_t>(std::ceil(kSearchAbove * period)));
    if (lo < 2 || hi < lo || s0 + hi + 1 + length > x.size()) {
      return static_cast<double>(x.size());
    }
    const Match m = bestMatch(x, s0, length, lo, hi);
    const double factor = std::max(m.period / period, period / m.period);
    Cycle c;
    c.start = s;
    c.correlation = m.correlation;
    c.valid = m.correlation >= kMinimumCorrelation && m.period >= limits.shortest &&
              m.period <= limits.longest && factor <= kMaximumPeriodFactor;
    // An invalid cycle's own period is not trusted: the marking steps on by the last good one.
    c.period = c.valid ? m.period : period;
    c.energy = meanSquare(x, s, c.period);
    c.continuesRun = c.valid && previousValid;
    cycles.push_back(c);
    previousValid = c.valid;
    s += c.period;
    if (c.valid) {
      period = m.period;
      invalidRun = 0;
    } else if (++invalidRun >= kInvalidBeforeRestart) {
      return s;
    }
  }
}

}  // namespace

double meanSquare(std::span<const float> x, double start, double length) {
  if (length <= 0) return 0;
  const double end = start + length;
  const std::size_t first = static_cast<std::size_t>(std::max(0.0, std::floor(start)));
  const std::size_t last = std::min(x.size(), static_cast<std::size_t>(std::ceil(end)));
  double sum = 0;
  for (std::size_t n = first; n < last; ++n) {
    const double covered = std::min<double>(n + 1, end) - std::max<double>(n, start);
    if (covered > 0) sum += covered * x[n] * x[n];
  }
  return sum / length;
}

std::vector<Cycle> markCycles(std::span<const float> x, double fs) {
  std::vector<Cycle> cycles;
  const PeriodLimits limits = periodLimits(fs);
  const double step = 0.01 * fs;  // where no period is found, look again 10 ms later
  double position = 0;
  while (position + 2 * limits.longest < static_cast<double>(x.size())) {
    const std::optional<double> estimate =
        estimatePeriod(x, static_cast<std::size_t>(position), fs);
    if (!estimate) {
      position += step;
      continue;
    }
    position = trackFrom(x, fs, anchor(x, position, *estimate), *estimate, cycles);
  }
  return cycles;
}

void centreWithPeaksUp(std::vector<float>& x) {
  if (x.empty()) return;
  double sum = 0;
  for (float v : x) sum += v;
  const float mean = static_cast<float>(sum / static_cast<double>(x.size()));
  float top = 0, bottom = 0;
  for (float& v : x) {
    v -= mean;
    top = std::max(top, v);
    bottom = std::min(bottom, v);
  }
  bool flip = -bottom > top;
  if (-bottom == top) {
    double skew = 0;
    for (float v : x) skew += double(v) * v * v;
    flip = skew < 0;
  }
  if (flip) {
    for (float& v : x) v = -v;
  }
}

}  // namespace sonarel::quality
