// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The formant track of a recording: F1, F2 and F3 of every 50-ms block, by linear
// prediction and root solving.
//
// Stages of TrackFormants, per block of the block table:
//  1. dither: a uniform value in -0.5..0.5 from a seeded generator is added to every sample
//     (so that digital silence still has energy);
//  2. pre-emphasis x[n] - 0.95 x[n-1] and a Hamming window over the block;
//  3. LpcAnalysis of order trunc(fs / 1000 + 2), at most 50;
//  4. the roots of 1 + a[1] x + ... + a[p] x^p (Laguerre, deflation, polishing);
//  5. each root above the real axis gives a frequency and a bandwidth; a candidate has a
//     frequency above 100 Hz and a bandwidth below 3000 Hz; the candidates are sorted by
//     bandwidth, the five narrowest by frequency, and the first three are F1, F2, F3.
// A formant that is not found is 0 Hz.

#include <array>
#include <complex>
#include <cstdint>
#include <span>
#include <vector>

namespace sonarel::spectral {

// One block of the table: its first sample and its length in samples.
struct FormantBlock {
  std::int64_t start = 0;
  std::int64_t length = 0;
};

// Blocks of trunc(0.05 fs + 0.5) samples (551 at 11025 Hz, 1103 at 22050 Hz); block k
// starts at trunc(k 0.05 fs + 0.5). Block 0 always exists in a non-empty recording; block
// k >= 1 exists while its nominal end, trunc((k + 1) 0.05 fs), is within the recording. The
// last block runs to the end, so it holds between one and two block lengths (or the whole
// of a recording shorter than one block). Empty for an empty recording or a zero rate.
std::vector<FormantBlock> FormantBlockTable(std::int64_t sampleCount, std::uint32_t sampleRate);

// trunc(0.001 fs + 2), at most 50: 13 at 11025 Hz, 24 at 22050 Hz.
int FormantLpcOrder(std::uint32_t sampleRate);

// A root of the prediction polynomial read as a resonance (Hz).
struct FormantCandidate {
  double frequency = 0.0;
  double bandwidth = 0.0;
};

// The candidates among `roots` (sample period `period` seconds), narrowest first, with the
// five narrowest then put in order of frequency. Only these five are returned.
std::vector<FormantCandidate> FormantCandidates(std::span<const std::complex<double>> roots,
                                                double period);

// F1, F2, F3 (Hz, 0 where absent) of one block of samples, already dithered, emphasised
// and windowed, analysed with order `order`. A block without energy gives 0s.
std::array<float, 3> BlockFormants(std::span<const float> block, int order, double period);

struct FormantTrack {
  std::vector<FormantBlock> blocks;
  std::vector<std::array<float, 3>> formants;  // F1, F2, F3 in Hz per block
  bool computed = false;

  std::int32_t blockCount() const { return static_cast<std::int32_t>(formants.size()); }
};

// The track of a whole recording. The dither is drawn from a generator started from
// `seed`, so the same recording always gives the same track.
FormantTrack TrackFormants(std::span<const std::int16_t> samples, std::uint32_t sampleRate,
                           std::uint32_t seed = 1);

}  // namespace sonarel::spectral
