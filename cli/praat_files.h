// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Praat's PitchTier and TextGrid objects in its long text format ("ooTextFile"), so that an
// analysis moves into Praat with "Read from file".

#include <string>
#include <vector>

namespace sonarel::cli {

struct PitchPoint {
  double seconds;
  double hertz;
};

// A PitchTier from `xmin` to `xmax` seconds with the points in time order.
std::string pitchTierText(double xmin, double xmax, const std::vector<PitchPoint>& points);

struct Interval {
  double xmin;  // s
  double xmax;  // s
  std::string text;
};

struct IntervalTier {
  std::string name;
  std::vector<Interval> intervals;  // contiguous, covering the TextGrid's xmin to xmax
};

// A TextGrid of interval tiers from `xmin` to `xmax` seconds.
std::string textGridText(double xmin, double xmax, const std::vector<IntervalTier>& tiers);

// A tier from one label per frame, frame i spanning from starts[i] to starts[i + 1] (the last
// one to `xmax`); neighbouring frames with the same label make one interval.
IntervalTier labelRuns(std::string name, const std::vector<double>& starts,
                       const std::vector<std::string>& labels, double xmax);

// A tier of labelled stretches (in time order, not overlapping) with unlabelled intervals
// filling the gaps between them and to the ends.
IntervalTier stretchesTier(std::string name, const std::vector<Interval>& stretches, double xmax);

}  // namespace sonarel::cli
