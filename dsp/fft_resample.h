// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Resampling in two steps, as speech analysers usually do it: when the rate goes down, the
// whole sound (with zeros after it) is low-passed through one Fourier transform, every bin
// above the new Nyquist frequency set to zero; then each new sample is interpolated from the
// sound with a sinc over 50 samples on each side, tapered by a raised cosine that reaches 0
// at 50 samples. Both grids put sample i at the middle of its interval, (i + 1/2) / rate.
//
// The brick-wall low-pass keeps everything up to the new Nyquist frequency: analyses that
// look at the very top of the new band (the cepstrum's highest bin) see the same content as
// in other analysers that resample this way.

#include <span>
#include <vector>

namespace sonarel::dsp {

// round(x.size() * targetRate / sourceRate) samples; empty when a rate is not positive or
// there are no samples.
std::vector<double> resampleBandLimited(std::span<const float> x, int sourceRate, int targetRate);

}  // namespace sonarel::dsp
