// SPDX-License-Identifier: GPL-3.0-or-later
#include "quality/glottal_pulses.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <random>

#include "quality/tests/synthetic_vowel.h"

namespace sonarel::quality {
namespace {

std::vector<std::int16_t> impulseTrain(double hz, std::size_t count, std::int16_t height) {
  std::vector<std::int16_t> x(count, 0);
  for (double t = 100; t < static_cast<double>(count); t += 44100.0 / hz) {
    x[static_cast<std::size_t>(std::lround(t)) % count] = height;
  }
  return x;
}

TEST(GlottalPulses, SilenceHasNoPulse) {
  const std::vector<std::int16_t> silence(44100, 0);
  EXPECT_EQ(detectGlottalPulses(silence, 44100), PulseIntervals{44100});
}

TEST(GlottalPulses, OnePulsePerCycleAt120Hz) {
  testing::VowelRecipe vowel;
  vowel.f0Hz = 120;
  vowel.seconds = 2;
  const struct {
    const char* name;
    std::vector<std::int16_t> samples;
  } rows[] = {{"impulse train", impulseTrain(120, 88200, 20000)},
              {"synthetic vowel", testing::syntheticVowel(vowel)}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const PulseIntervals p = detectGlottalPulses(row.samples, 44100);
    ASSERT_GT(p.size(), 200u);  // 240 cycles in 2 s
    // 44100 / 120 = 367.5: marks on whole samples alternate between 367 and 368. The first
    // entry is a position and the last the tail; the peak holds start from rest, so the
    // first two periods are still settling.
    for (std::size_t i = 3; i + 1 < p.size(); ++i) {
      EXPECT_TRUE(p[i] == 367 || p[i] == 368) << "entry " << i << " is " << p[i];
    }
  }
}

TEST(GlottalPulses, EntriesAlwaysAddUpToTheLength) {
  std::mt19937 random(4);
  std::uniform_int_distribution<int> sample(-32768, 32767);
  std::vector<std::int16_t> noise(30000);
  for (auto& v : noise) v = static_cast<std::int16_t>(sample(random));
  std::vector<std::vector<std::int16_t>> inputs = {{},
                                                   {5},
                                                   {1, -1, 1, -1, 1},
                                                   std::vector<std::int16_t>(7, 32767),
                                                   impulseTrain(200, 20000, -30000),
                                                   noise,
                                                   impulseTrain(60, 44100, 32767)};
  for (std::size_t i = 0; i < inputs.size(); ++i) {
    const PulseIntervals p = detectGlottalPulses(inputs[i], 44100);
    EXPECT_EQ(std::accumulate(p.begin(), p.end(), std::int64_t{0}),
              static_cast<std::int64_t>(inputs[i].size()))
        << "input " << i;
    for (std::size_t k = 1; k < p.size(); ++k) EXPECT_GE(p[k], 0) << "input " << i;
  }
}

TEST(GlottalPulseStages, FiltersWriteBehindTheirInput) {
  // The low-pass output lags four samples: the first four become 0, the last four keep
  // their input. The differentiators lag one: sample 1 becomes 0, the last keeps its input.
  std::vector<float> x(12, 100.0f);
  pulse_stages::lowPass450(x, 44100);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(x[i], 0.0f) << i;
  for (int i = 8; i < 12; ++i) EXPECT_EQ(x[i], 100.0f) << i;
  EXPECT_GT(x[5], 0.0f);

  std::vector<float> d{7, 5, 5, 5, 5, 9};
  pulse_stages::differentiate(d, 44100, 47000, 2.2e-7);
  EXPECT_EQ(d[0], 7.0f);
  EXPECT_EQ(d[1], 0.0f);
  EXPECT_EQ(d[5], 9.0f);
}

TEST(GlottalPulseStages, CompressionPeakHoldAndComparator) {
  std::vector<float> x{0.0f, 6.9f, 7.0f, -7.0f, 102.35f, 5000.0f};
  pulse_stages::compressLogarithmically(x);
  EXPECT_EQ(x[1], 0.0f);
  EXPECT_FLOAT_EQ(x[2], static_cast<float>(91 * std::log(7.0) - 29));
  EXPECT_FLOAT_EQ(x[3], -x[2]);
  EXPECT_FLOAT_EQ(x[5], static_cast<float>(91 * std::log(1022.0) - 29));

  std::vector<float> held{10, 0, 0, 20};
  pulse_stages::holdPeaks(held, 44100);  // decays 1228.2 * 70 / 44100 = 1.9495 per sample
  EXPECT_NEAR(held[1], 10 - 1.9495, 1e-3);
  EXPECT_NEAR(held[2], 10 - 2 * 1.9495, 1e-3);
  EXPECT_EQ(held[3], 20.0f);

  std::vector<float> c{3.6553f, 3.6554f, -100.0f};
  pulse_stages::compare(c);
  EXPECT_EQ(c, (std::vector<float>{0.0f, 2047.0f, 0.0f}));
}

TEST(GlottalPulseStages, EachRunOfTheComparatorIsOnePulse) {
  const float H = 2047.0f;
  struct Row {
    std::vector<float> comparator;
    PulseIntervals expected;
  };
  const Row rows[] = {
      {{0, H, H, 0, 0, H, 0, 0}, {1, 4, 3}},
      {{H, 0, 0, H}, {0, 4}},  // a run starting at N-1 is past the scan
      {{0, 0, 0, 0}, {4}},
      {{H, H, H}, {0, 3}},
  };
  for (const Row& row : rows) {
    std::vector<float> x = row.comparator;
    EXPECT_EQ(pulse_stages::markPulses(x), row.expected)
        << ::testing::PrintToString(row.comparator);
  }
}

}  // namespace
}  // namespace sonarel::quality
