// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The glottal pulse detector: one mark per glottal cycle over a whole recording.
//
// It imitates an analogue pulse-shaping circuit, so its constants are component values
// (resistors, capacitors, a comparator level, a full scale of 2047). On a float copy of the
// samples, in this order:
//   1. 4th-order low-pass at 450 Hz (bilinear transform, pre-warped), output four samples
//      behind: the first four samples become 0, the last four keep their input;
//   2. normalisation of the peak to 0.25 * 2047 / 5 = 102.35;
//   3. logarithmic compression through a 2047-entry table (91 ln i - 29, 0 below 7), odd;
//   4. RC differentiator (47 kOhm, 220 nF), one sample behind;     5. gain 2.0;
//   6. peak hold decaying 1228.2 * 70 / fs per sample;
//   7. RC differentiator (100 kOhm, 22 nF);                          8. gain 2.2;
//   9. peak hold as in 6;                                            10. differentiator as 7;
//  11. comparator: above 2047/560 becomes 2047, anything else 0;
//  12. the first sample of each run of 2047 (scanning samples 0 to N-2) is a pulse.

#include <cstdint>
#include <span>
#include <vector>

namespace sonarel::quality {

// Entry 0: position of the first pulse. Then the distance from each pulse to the next, and
// last the distance from the last pulse to the end when that pulse is not at N. With no pulse
// the list is the single entry N. The entries always add up to N (an empty recording gives
// an empty list).
using PulseIntervals = std::vector<std::int32_t>;

// Pure function of the samples and the rate (Hz, > 0).
PulseIntervals detectGlottalPulses(std::span<const std::int16_t> samples, double sampleRate);

// The stages on their own, in place, for tests and for inspecting the chain.
namespace pulse_stages {
void lowPass450(std::vector<float>& x, double sampleRate);
void normalisePeak(std::vector<float>& x);
void compressLogarithmically(std::vector<float>& x);
void differentiate(std::vector<float>& x, double sampleRate, double ohms, double farads);
void holdPeaks(std::vector<float>& x, double sampleRate);
void compare(std::vector<float>& x);
PulseIntervals markPulses(std::vector<float>& x);
}  // namespace pulse_stages

}  // namespace sonarel::quality
