// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Synthetic sustained vowels with known jitter, shimmer and noise, for tests, benchmarks
// and comparisons with other analysers.
//
// Source: Rosenberg glottal pulses (opening 0.40 T0, closing 0.16 T0, fixed in absolute
// time so that jitter does not leak into the energy of the cycles), each pulse ending at a
// glottal closure instant t_k = t_{k-1} + T0 (1 + jitter * e_k), with amplitude
// 1 + shimmer * h_k (e, h independent standard normal). The pulses are evaluated at the
// real sample times, never pasted at whole samples. Then lip radiation (first difference),
// a cascade of five two-pole formant resonators (/a/ of an adult male: 730, 1090, 2440,
// 3400, 4200 Hz with bandwidths 90, 110, 170, 250, 300 Hz), white Gaussian noise at the
// given SNR relative to the vowel's RMS, scaling to a peak of -6 dBFS and rounding to
// 16 bits. Everything is fixed by the seed.

#include <cstdint>
#include <limits>
#include <vector>

namespace sonarel::testing {

struct VowelRecipe {
  double f0Hz = 120.0;
  double seconds = 1.0;
  double sampleRate = 44100.0;
  double jitter = 0.0;   // relative SD of the periods (0.01 = 1 %)
  double shimmer = 0.0;  // relative SD of the pulse amplitudes
  double snrDb = std::numeric_limits<double>::infinity();
  double formantScale = 1.0;  // 1.15 for a female-like tract
  unsigned seed = 1;
  bool invert = false;     // polarity inversion of the final samples
  bool whispered = false;  // the source is white Gaussian noise instead of the glottal pulses
};

std::vector<std::int16_t> syntheticVowel(const VowelRecipe& recipe);

// The three voices the tests place on the diagram.
VowelRecipe healthyLikeVowel();  // jitter 0.3 %, shimmer 3 %, SNR 30 dB
VowelRecipe roughVowel();        // jitter 4 %
VowelRecipe breathyVowel();      // SNR 10 dB
VowelRecipe whisperedVowel();    // a noise source through the same tract

}  // namespace sonarel::testing
