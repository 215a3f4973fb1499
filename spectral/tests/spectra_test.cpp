// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

#include "spectral/lpc_spectrum.h"
#include "spectral/power_spectrum.h"

namespace sonarel::spectral {
namespace {

std::vector<std::int16_t> tone(double hz, double rate, std::size_t length, double amplitude) {
  std::vector<std::int16_t> x(length);
  for (std::size_t i = 0; i < length; ++i)
    x[i] = static_cast<std::int16_t>(
        std::lround(amplitude * std::sin(2.0 * std::numbers::pi * hz * i / rate)));
  return x;
}

// A pulse train at 120 Hz through two resonators at 700 and 1200 Hz: a crude /a/.
std::vector<std::int16_t> twoFormantVowel(double rate, std::size_t length) {
  std::vector<double> signal(length, 0.0);
  const auto period = static_cast<std::size_t>(rate / 120.0);
  for (std::size_t i = 0; i < length; i += period) signal[i] = 1.0;
  for (const double formant : {700.0, 1200.0}) {
    const double r = std::exp(-std::numbers::pi * 80.0 / rate);
    const double c = 2.0 * r * std::cos(2.0 * std::numbers::pi * formant / rate);
    double y1 = 0.0, y2 = 0.0;
    for (double& v : signal) {
      const double y = v + c * y1 - r * r * y2;
      y2 = y1;
      y1 = y;
      v = y;
    }
  }
  const double peak = *std::max_element(
      signal.begin(), signal.end(), [](double a, double b) { return std::abs(a) < std::abs(b); });
  std::vector<std::int16_t> out(length);
  for (std::size_t i = 0; i < length; ++i)
    out[i] = static_cast<std::int16_t>(std::lround(signal[i] / std::abs(peak) * 20000.0));
  return out;
}

TEST(PowerSpectrum, HopsAndFrameCounts) {
  EXPECT_EQ(PowerSpectrumHop(256), 100);
  EXPECT_EQ(PowerSpectrumHop(512), 200);
  EXPECT_EQ(PowerSpectrumHop(1024), 400);
  for (const int n : {256, 512, 1024}) {
    const int hop = PowerSpectrumHop(n);
    EXPECT_EQ(PowerSpectrumFrames(n - 1, n), 0) << n;
    EXPECT_EQ(PowerSpectrumFrames(n, n), 1) << n;
    EXPECT_EQ(PowerSpectrumFrames(n + hop - 1, n), 1) << n;
    EXPECT_EQ(PowerSpectrumFrames(n + hop, n), 2) << n;
  }
  // Far past 2^24 samples the single-precision count may not run past the samples.
  const std::int64_t huge = 40'000'001;
  EXPECT_LE((PowerSpectrumFrames(huge, 512) - 1) * 200 + 512, huge);
}

TEST(PowerSpectrum, ToneAtThousandHertzPeaksInItsBinAtEachSize) {
  const auto x = tone(1000.0, 11025.0, 11025, 10000.0);
  for (const int n : {256, 512, 1024}) {
    for (const auto window : {SpectrumWindow::Rectangular, SpectrumWindow::Hamming}) {
      const auto levels = PowerSpectrum(x, 0, static_cast<std::int64_t>(x.size()), {n, window});
      ASSERT_EQ(levels.size(), static_cast<std::size_t>(n));
      const auto peak = std::max_element(levels.begin(), levels.begin() + n / 2) - levels.begin();
      EXPECT_EQ(peak, std::lround(1000.0 * n / 11025.0)) << n;
    }
  }
}

TEST(PowerSpectrum, DefaultLevelOfAFullScaleToneAndSilence) {
  // One frame of a bin-centred tone: the Hamming-window peak lies 20·log10(0.54·A·N/2) dB
  // above 0 before the size correction of 18·log10(N).
  const int n = 512;
  const double amplitude = 16000.0;
  const auto x = tone(64.0 * 11025.0 / n, 11025.0, n, amplitude);
  const auto levels = PowerSpectrum(x, 0, n, {});
  const double expected = 20.0 * std::log10(0.54 * amplitude * n / 2) - 18.0 * std::log10(n);
  EXPECT_NEAR(levels[64], expected, 0.1);

  const std::vector<std::int16_t> silence(4000, 0);
  for (const float v : PowerSpectrum(silence, 0, 4000, {})) ASSERT_EQ(v, 0.0f);
  // Too short for one frame: all zero as well.
  for (const float v : PowerSpectrum(x, 0, n - 1, {})) ASSERT_EQ(v, 0.0f);
}

TEST(LpcSpectrum, RefusesBelow1024SamplesAndAcceptsFrom1024) {
  const auto x = twoFormantVowel(11025.0, 4000);
  DitherSource dither(1);
  const auto tooShort = LpcSpectrum(x, 100, 100 + 1023, {}, dither);
  ASSERT_TRUE(tooShort.refused);
  EXPECT_EQ(tooShort.refused->id, core::MessageId::LpcNoAvailablePoints);
  EXPECT_TRUE(LpcSpectrum(x, 500, 500, {}, dither).refused);    // empty
  EXPECT_TRUE(LpcSpectrum(x, 2000, 100, {}, dither).refused);   // reversed
  EXPECT_TRUE(LpcSpectrum(x, 3500, 4600, {}, dither).refused);  // mostly past the end

  const auto accepted = LpcSpectrum(x, 100, 100 + 1024, {}, dither);
  EXPECT_FALSE(accepted.refused);
  EXPECT_EQ(accepted.levels.size(), 680u);
}

TEST(LpcSpectrum, EnvelopeOfATwoFormantVowelPeaksNearItsFormants) {
  const double rate = 11025.0;
  const auto x = twoFormantVowel(rate, 8192);
  for (const int order : {10, 14, 28}) {
    DitherSource dither(3);
    const auto result = LpcSpectrum(x, 0, 8192, {order, SpectrumWindow::Hamming}, dither);
    ASSERT_FALSE(result.refused) << order;
    const auto& l = result.levels;
    auto column = [&](double hz) { return static_cast<int>(hz / rate * 1360.0); };
    auto peakNear = [&](double hz) {
      const int lo = column(hz - 150), hi = column(hz + 150);
      return std::max_element(l.begin() + lo, l.begin() + hi) - l.begin();
    };
    // Local maxima within 60 Hz of each formant, well above the valley between them.
    EXPECT_NEAR(peakNear(700.0) * rate / 1360.0, 700.0, 60.0) << order;
    EXPECT_NEAR(peakNear(1200.0) * rate / 1360.0, 1200.0, 60.0) << order;
    EXPECT_GT(l[static_cast<std::size_t>(peakNear(700.0))],
              l[static_cast<std::size_t>(column(3500))] + 20.0f);
  }
}

TEST(LpcSpectrum, SilenceSucceedsThroughTheDitherAndASeedRepeatsTheCurve) {
  const std::vector<std::int16_t> silence(2048, 0);
  for (const auto window : {SpectrumWindow::Rectangular, SpectrumWindow::Hamming}) {
    DitherSource first(42), second(42), other(43);
    const auto a = LpcSpectrum(silence, 0, 2048, {14, window}, first);
    const auto b = LpcSpectrum(silence, 0, 2048, {14, window}, second);
    const auto c = LpcSpectrum(silence, 0, 2048, {14, window}, other);
    ASSERT_FALSE(a.refused);
    EXPECT_EQ(a.levels, b.levels);
    EXPECT_NE(a.levels, c.levels);
  }
}

TEST(LpcEnvelope, LeavesTheOutputAloneWhenTheFitFails) {
  // An order above 100 fails the recursion; the caller's values stay.
  const auto x = twoFormantVowel(11025.0, 2048);
  std::vector<float> output(680, -7.0f);
  DitherSource dither(5);
  EXPECT_NE(LpcEnvelope(x.data(), 2048, output.data(), 150, SpectrumWindow::Hamming, dither),
            LpcStatus::Success);
  EXPECT_TRUE(std::all_of(output.begin(), output.end(), [](float v) { return v == -7.0f; }));
}

}  // namespace
}  // namespace sonarel::spectral
