// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Test signals with known answers for the analyses: band-limited pulse trains of exact
// period and a speech-like glide with pauses and noise.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

namespace sonarel::testing {

// Every harmonic of f0 below 5 kHz (and the Nyquist frequency) with equal amplitude: a pulse
// train with no aliasing, whose period is exactly rate / f0 samples, scaled so the pulses
// peak at `peak`. The band is a voice's: with harmonics up to 22 kHz the correlation peaks
// grow too sharp for sinc refinement at 44100 Hz, and cross-correlation (here as in the
// reference tracker) then prefers the octave below a 220-Hz train.
inline std::vector<std::int16_t> pulseTrain(double f0, double rate, std::size_t count,
                                            double peak = 12000.0) {
  const double top = std::min(5000.0, 0.5 * rate);
  const int harmonics = std::max(1, static_cast<int>(std::floor(top / f0 - 1e-9)));
  std::vector<std::int16_t> out(count);
  for (std::size_t i = 0; i < count; ++i) {
    double v = 0;
    for (int h = 1; h <= harmonics; ++h) v += std::cos(2 * M_PI * h * f0 * i / rate);
    out[i] = static_cast<std::int16_t>(std::lround(peak * v / harmonics));
  }
  return out;
}

// F0 gliding between 110 and 190 Hz, voiced for 1.6 s of every 2 s, with noise throughout.
inline std::vector<std::int16_t> speechLike(double rate, double seconds, unsigned seed = 3) {
  const auto count = static_cast<std::size_t>(seconds * rate);
  std::vector<std::int16_t> out(count);
  std::mt19937 random(seed);
  std::normal_distribution<double> noise(0.0, 150.0);
  double phase = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const double t = i / rate;
    phase += (150.0 + 40.0 * std::sin(2 * M_PI * 0.4 * t)) / rate;
    double v = 0;
    for (int h = 1; h <= 6; ++h) v += std::sin(2 * M_PI * h * phase) / h;
    const double voiced = std::fmod(t, 2.0) < 1.6 ? 1.0 : 0.0;
    out[i] = static_cast<std::int16_t>(std::lround(voiced * 5000.0 * v + noise(random)));
  }
  return out;
}

}  // namespace sonarel::testing
