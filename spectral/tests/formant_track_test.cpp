// SPDX-License-Identifier: GPL-3.0-or-later
#include "spectral/formant_track.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>

namespace sonarel::spectral {
namespace {

struct Vowel {
  const char* name;
  double f1, f2, f3;
};

const Vowel kVowels[] = {{"a", 730, 1090, 2440}, {"i", 270, 2290, 3010}, {"u", 300, 870, 2240}};

// A pulse train at `f0` shaped like a voice source (two one-pole low-passes for the glottal
// pulse, a first difference for the lips: -6 dB per octave, which the tracker's
// pre-emphasis undoes), through a cascade of two-pole resonators (F1-F3 of the vowel, then
// 3500 and 4500 Hz where the rate allows), a little noise, peak near 16000.
std::vector<std::int16_t> synthesise(const Vowel& vowel, double rate, double seconds, double f0) {
  const auto count = static_cast<std::size_t>(seconds * rate);
  std::vector<double> signal(count, 0.0);
  for (double t = 0; t * rate < count; t += 1.0 / f0)
    signal[static_cast<std::size_t>(t * rate)] = 1;
  for (int pass = 0; pass < 2; ++pass) {
    double previous = 0;
    for (double& v : signal) previous = v += 0.95 * previous;
  }
  for (std::size_t i = count; i-- > 1;) signal[i] -= signal[i - 1];
  const double formants[][2] = {
      {vowel.f1, 80}, {vowel.f2, 100}, {vowel.f3, 150}, {3500, 200}, {4500, 250}};
  for (const auto& [frequency, bandwidth] : formants) {
    if (frequency >= rate / 2 - 500) continue;
    const double r = std::exp(-std::numbers::pi * bandwidth / rate);
    const double c = 2 * r * std::cos(2 * std::numbers::pi * frequency / rate);
    const double gain = 1 - c + r * r;
    double y1 = 0, y2 = 0;
    for (double& v : signal) {
      const double y = gain * v + c * y1 - r * r * y2;
      y2 = y1;
      y1 = y;
      v = y;
    }
  }
  double peak = 0;
  for (double v : signal) peak = std::max(peak, std::abs(v));
  std::mt19937 random(3);
  std::normal_distribution<double> noise(0, 20);
  std::vector<std::int16_t> samples(count);
  for (std::size_t i = 0; i < count; ++i) {
    samples[i] = static_cast<std::int16_t>(std::lround(signal[i] / peak * 16000 + noise(random)));
  }
  return samples;
}

TEST(FormantBlockTable, BlockLengthsStartsAndTheExtendedLastBlock) {
  // 1.02 s at 11025 Hz: blocks 0 to 19 of 551 samples, the last one to the end.
  const auto blocks = FormantBlockTable(11245, 11025);
  ASSERT_EQ(blocks.size(), 20u);
  EXPECT_EQ(blocks[0].start, 0);
  EXPECT_EQ(blocks[0].length, 551);
  EXPECT_EQ(blocks[1].start, 551);   // trunc(551.25 + 0.5)
  EXPECT_EQ(blocks[2].start, 1103);  // trunc(1102.5 + 0.5)
  EXPECT_EQ(blocks[18].length, 551);
  EXPECT_EQ(blocks[19].start, 10474);
  EXPECT_EQ(blocks[19].start + blocks[19].length, 11245);

  const auto wide = FormantBlockTable(22050, 22050);
  ASSERT_EQ(wide.size(), 20u);
  EXPECT_EQ(wide[0].length, 1103);
  EXPECT_EQ(wide[19].start + wide[19].length, 22050);
  // No block reaches past the recording, and the blocks leave no gap.
  for (std::size_t k = 1; k < wide.size(); ++k) {
    EXPECT_LE(wide[k].start, wide[k - 1].start + wide[k - 1].length) << k;
  }
}

TEST(FormantBlockTable, ShortAndEmptyRecordings) {
  // Shorter than two blocks (100 ms): one block over everything, whatever its length.
  for (std::int64_t count : {1, 300, 551, 1101}) {
    const auto blocks = FormantBlockTable(count, 11025);
    ASSERT_EQ(blocks.size(), 1u) << count;
    EXPECT_EQ(blocks[0].start, 0);
    EXPECT_EQ(blocks[0].length, count);
  }
  EXPECT_EQ(FormantBlockTable(1102, 11025).size(), 2u);
  EXPECT_TRUE(FormantBlockTable(0, 11025).empty());
  EXPECT_TRUE(FormantBlockTable(1000, 0).empty());
}

TEST(FormantLpcOrder, FollowsTheRateUpToFifty) {
  EXPECT_EQ(FormantLpcOrder(11025), 13);
  EXPECT_EQ(FormantLpcOrder(22050), 24);
  EXPECT_EQ(FormantLpcOrder(44100), 46);
  EXPECT_EQ(FormantLpcOrder(96000), 50);
}

TEST(FormantCandidates, RuleAndBothSorts) {
  const double period = 1.0 / 10000;
  // A root at angle 2π f T and radius exp(-π B T) has frequency f and bandwidth B / 2.
  auto root = [&](double f, double halfBandwidth) {
    return std::polar(std::exp(-2 * std::numbers::pi * halfBandwidth * period),
                      2 * std::numbers::pi * f * period);
  };
  const std::vector<std::complex<double>> roots = {root(2500, 60),
                                                   root(500, 40),
                                                   std::conj(root(700, 10)),  // below the axis
                                                   root(80, 5),               // too low
                                                   root(1500, 3500),          // too wide
                                                   root(3000, 200),
                                                   root(1200, 50),
                                                   root(4000, 20),
                                                   root(3500, 300),
                                                   std::complex<double>(0.5, 0)};  // real
  const auto candidates = FormantCandidates(roots, period);
  // Six pass the rule; the five narrowest (dropping 3500 Hz) come out by frequency.
  ASSERT_EQ(candidates.size(), 5u);
  const double expected[] = {500, 1200, 2500, 3000, 4000};
  for (std::size_t i = 0; i < 5; ++i) {
    EXPECT_NEAR(candidates[i].frequency, expected[i], 1e-6) << i;
  }
  EXPECT_NEAR(candidates[0].bandwidth, 40, 1e-6);
  // A root whose radius is above 1 counts by the size of its logarithm.
  const std::vector<std::complex<double>> outside = {1.0 / std::conj(root(900, 30))};
  ASSERT_EQ(FormantCandidates(outside, period).size(), 1u);
  EXPECT_NEAR(FormantCandidates(outside, period)[0].bandwidth, 30, 1e-6);
}

// The track of each vowel at both rates, F0 from 100 to 140 Hz: F1 and F2 within 10 %
// on average over the blocks, and in every block at 140 Hz. Linear prediction leans
// towards the nearest harmonic where F1 is low: single blocks of /i/ at 100 Hz and /u/ at
// 120 Hz (22050 Hz) read up to 10.5 % high.
TEST(TrackFormants, SyntheticVowelsAtBothRates) {
  for (double rate : {11025.0, 22050.0}) {
    for (double f0 : {100.0, 120.0, 140.0}) {
      for (const Vowel& vowel : kVowels) {
        const auto samples = synthesise(vowel, rate, 0.6, f0);
        const FormantTrack track = TrackFormants(samples, static_cast<std::uint32_t>(rate));
        ASSERT_TRUE(track.computed);
        ASSERT_EQ(track.blockCount(), 12);
        double f1 = 0, f2 = 0;
        for (int b = 0; b < track.blockCount(); ++b) {
          const auto& f = track.formants[static_cast<std::size_t>(b)];
          f1 += f[0] / track.blockCount();
          f2 += f[1] / track.blockCount();
          if (f0 != 140.0) continue;
          EXPECT_NEAR(f[0], vowel.f1, 0.1 * vowel.f1)
              << vowel.name << " at " << rate << ", block " << b;
          EXPECT_NEAR(f[1], vowel.f2, 0.1 * vowel.f2)
              << vowel.name << " at " << rate << ", block " << b;
        }
        EXPECT_NEAR(f1, vowel.f1, 0.1 * vowel.f1) << vowel.name << " at " << rate << ", F0 " << f0;
        EXPECT_NEAR(f2, vowel.f2, 0.1 * vowel.f2) << vowel.name << " at " << rate << ", F0 " << f0;
      }
    }
  }
}

TEST(TrackFormants, DitherIsSeededAndSilenceIsHandled) {
  const auto samples = synthesise(kVowels[0], 11025, 0.3, 120);
  const FormantTrack one = TrackFormants(samples, 11025);
  EXPECT_EQ(one.formants, TrackFormants(samples, 11025).formants) << "same seed, same track";

  // Digital silence: the dither alone is analysed; the track still has every block and
  // only values a display can skip (0 or a frequency below Nyquist).
  const std::vector<std::int16_t> silence(2000, 0);
  const FormantTrack quiet = TrackFormants(silence, 11025);
  ASSERT_EQ(quiet.blockCount(), 3);
  for (const auto& f : quiet.formants) {
    for (float v : f) {
      EXPECT_GE(v, 0.0f);
      EXPECT_LT(v, 5512.5f);
    }
  }
  // A one-sample recording and an empty one.
  EXPECT_EQ(TrackFormants(std::vector<std::int16_t>{100}, 11025).formants,
            (std::vector<std::array<float, 3>>{{0, 0, 0}}));
  EXPECT_EQ(TrackFormants({}, 11025).blockCount(), 0);
}

}  // namespace
}  // namespace sonarel::spectral
