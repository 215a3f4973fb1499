// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The normalised correlation of a stretch of signal with the same signal shifted by each of a
// run of lags, the energy of the shifted stretch kept up to date sample by sample.

#include <cstddef>
#include <span>

namespace sonarel::dsp {

// rho[i] for lag = firstLag + i: sum over n < length of x[n] x[n + lag], divided by the root of
// the product of the energies of x[0 .. length) and x[lag .. lag + length), each raised by
// `energyFloor`; 0 where that product is 0. A floor above 0 lowers the coefficients of quiet
// stretches only. x must hold firstLag + rho.size() - 1 + length samples.
void slidingCorrelation(std::span<const float> x, std::size_t length, std::size_t firstLag,
                        std::span<double> rho, double energyFloor = 0);

}  // namespace sonarel::dsp
