// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Marking every glottal cycle of a voiced segment by waveform matching, to a fraction of a
// sample.
//
// From a start s and the previous period T, the next period is the shift L in [0.7 T, 1.3 T]
// at which the next T samples best match the T samples from s (normalised correlation); a
// parabola through the best shift and its neighbours gives the fraction of a sample. The
// start then moves on by that period, kept as a real number so that the fractions add up.
// Cycles start about 0.15 T before an excitation peak, because a window that starts in the
// middle of a cycle smooths the periods.
//
// A cycle is valid when its correlation is at least 0.5, its period lies within 1 to 20 ms
// and it differs from the previous period by a factor of at most 1.3. After three invalid
// cycles in a row the period is estimated afresh and the marking re-anchored.

#include <span>
#include <vector>

namespace sonarel::quality {

struct Cycle {
  double start = 0;        // samples from the start of the segment (fractional)
  double period = 0;       // samples (fractional)
  double correlation = 0;  // with the next cycle, -1 to 1
  double energy = 0;       // mean square over the cycle
  bool valid = false;
  bool continuesRun = false;  // valid, and the cycle before it is valid and adjacent
};

// Removes the mean of x and turns it so that its largest excursion is positive. Ties of the
// two peaks are broken by the sign of the third moment, so x and -x give the same signal.
void centreWithPeaksUp(std::vector<float>& x);

// `x` is the segment with its mean removed, in the polarity whose largest peaks are
// positive.
std::vector<Cycle> markCycles(std::span<const float> x, double sampleRate);

// Mean square of x over [start, start + length), counting partly covered samples by the
// fraction covered.
double meanSquare(std::span<const float> x, double start, double length);

}  // namespace sonarel::quality
