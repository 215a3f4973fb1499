// SPDX-License-Identifier: GPL-3.0-or-later
// What every F0 method owes its callers, whatever its algorithm: known F0 comes out, silence
// and noise are unvoiced, a steady vowel keeps its octave, and no length of input breaks it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "core/f0_driver.h"
#include "core/tests/signal_fixtures.h"
#include "core/tests/wave_fixtures.h"
#include "core/voicing.h"

namespace sonarel::core {
namespace {

constexpr F0Method kMethods[] = {F0Method::Srpd, F0Method::Autocorrelation,
                                 F0Method::CrossCorrelation, F0Method::Amdf,
                                 F0Method::LpcAutocorrelation};

std::string nameOf(F0Method m) {
  return f0MethodName(static_cast<int>(m));
}

struct MethodRun {
  F0Result result;
  F0Contour contour;
  VoicingMap map{};
};

MethodRun run(F0Method method, std::span<const std::int16_t> samples, double rate,
              int minPitch = 70, int maxPitch = 600) {
  F0Settings s;
  s.method = static_cast<int>(method);
  s.minPitch = minPitch;
  s.maxPitch = maxPitch;
  MethodRun r{F0Result{F0Outcome::Computed}, {}, {}};
  r.result = runF0Method(samples, rate, s, r.contour, r.map);
  return r;
}

// A glottal-like pulse train: every harmonic below 5 kHz, falling 6 dB per octave.
std::vector<std::int16_t> voicePulses(double f0, double rate, std::size_t count) {
  const int harmonics = std::max(1, static_cast<int>(std::min(5000.0, 0.5 * rate) / f0 - 1e-9));
  std::vector<double> v(count);
  double peak = 0;
  for (std::size_t i = 0; i < count; ++i) {
    for (int h = 1; h <= harmonics; ++h) v[i] += std::sin(2 * M_PI * h * f0 * i / rate) / h;
    peak = std::max(peak, std::abs(v[i]));
  }
  std::vector<std::int16_t> out(count);
  for (std::size_t i = 0; i < count; ++i) out[i] = static_cast<std::int16_t>(10000 * v[i] / peak);
  return out;
}

// The pulse train through two resonances (an open vowel's first formants), with a slow 1 %
// vibrato: a steady vowel whose F0 stays within 1 % of f0.
std::vector<std::int16_t> vowel(double f0, double rate, double seconds) {
  const auto count = static_cast<std::size_t>(seconds * rate);
  std::vector<double> source(count);
  double phase = 0;
  for (std::size_t i = 0; i < count; ++i) {
    phase += f0 * (1 + 0.01 * std::sin(2 * M_PI * 5 * i / rate)) / rate;
    source[i] = phase - std::floor(phase) - 0.5;  // a sawtooth
  }
  for (const auto& [formant, bandwidth] : {std::pair{700.0, 90.0}, std::pair{1200.0, 110.0}}) {
    const double r = std::exp(-M_PI * bandwidth / rate);
    const double a1 = 2 * r * std::cos(2 * M_PI * formant / rate), a2 = -r * r;
    double y1 = 0, y2 = 0;
    for (double& x : source) {
      const double y = x + a1 * y1 + a2 * y2;
      y2 = y1;
      y1 = y;
      x = y;
    }
  }
  double peak = 0;
  for (double x : source) peak = std::max(peak, std::abs(x));
  std::vector<std::int16_t> out(count);
  for (std::size_t i = 0; i < count; ++i) {
    out[i] = static_cast<std::int16_t>(12000 * source[i] / peak);
  }
  return out;
}

std::vector<std::int16_t> whiteNoise(std::size_t count, double sd, unsigned seed) {
  std::mt19937 random(seed);
  std::normal_distribution<double> noise(0.0, sd);
  std::vector<std::int16_t> out(count);
  for (auto& s : out) s = static_cast<std::int16_t>(std::clamp(noise(random), -32000.0, 32000.0));
  return out;
}

std::int32_t voicedFrames(const F0Contour& c) {
  return static_cast<std::int32_t>(
      std::count_if(c.values.begin(), c.values.end(), [](float v) { return v > 0; }));
}

// Tones and pulse trains of known F0 at every rate in use: nearly every frame voiced (the
// smoothing of SRPD may leave its first and last frames), and every voiced frame within 1.5 %.
TEST(F0Methods, KnownF0AtEveryRate) {
  for (F0Method method : kMethods) {
    for (double rate : {11025.0, 22050.0, 44100.0}) {
      for (double f0 : {100.0, 220.0, 440.0}) {
        for (bool pulses : {false, true}) {
          SCOPED_TRACE(::testing::Message()
                       << nameOf(method) << ", " << (pulses ? "pulses " : "sine ") << f0
                       << " Hz at " << rate);
          const auto n = static_cast<std::size_t>(rate * 0.8);
          const auto signal = pulses ? voicePulses(f0, rate, n) : testing::sine(f0, rate, n);
          const MethodRun r = run(method, signal, rate);
          ASSERT_EQ(r.result.outcome, F0Outcome::Computed);
          ASSERT_FALSE(r.result.message);
          ASSERT_GT(r.contour.frameCount(), 20);
          EXPECT_GE(voicedFrames(r.contour), r.contour.frameCount() * 9 / 10);
          for (std::int32_t k = 0; k < r.contour.frameCount(); ++k) {
            const float v = r.contour.values[k];
            if (v > 0) {
              ASSERT_NEAR(v, f0, 0.015 * f0) << "frame " << k;
            }
          }
        }
      }
    }
  }
}

TEST(F0Methods, SilenceAndWhiteNoiseAreUnvoiced) {
  for (F0Method method : kMethods) {
    for (double rate : {11025.0, 22050.0}) {
      SCOPED_TRACE(::testing::Message() << nameOf(method) << " at " << rate);
      const auto n = static_cast<std::size_t>(rate);
      const MethodRun silent = run(method, std::vector<std::int16_t>(n, 0), rate);
      EXPECT_GT(silent.contour.frameCount(), 0);
      EXPECT_EQ(voicedFrames(silent.contour), 0);
      EXPECT_EQ(std::count(silent.map.begin(), silent.map.end(), 0), kVoicingColumns);
      for (double sd : {300.0, 3000.0}) {
        const MethodRun noisy = run(method, whiteNoise(n, sd, 7), rate);
        EXPECT_LE(voicedFrames(noisy.contour), noisy.contour.frameCount() / 20) << "sd " << sd;
      }
    }
  }
}

// A steady vowel, a man's and a woman's: every voiced frame at the vowel's F0, not an octave
// above or below, and most frames voiced.
TEST(F0Methods, SteadyVowelKeepsItsOctave) {
  for (F0Method method : kMethods) {
    for (double rate : {11025.0, 22050.0}) {
      for (double f0 : {110.0, 230.0}) {
        SCOPED_TRACE(::testing::Message() << nameOf(method) << ", " << f0 << " Hz at " << rate);
        const auto signal = vowel(f0, rate, 1.5);
        const MethodRun r = run(method, signal, rate);
        EXPECT_GE(voicedFrames(r.contour), r.contour.frameCount() * 9 / 10);
        for (std::int32_t k = 0; k < r.contour.frameCount(); ++k) {
          const float v = r.contour.values[k];
          if (v > 0) {
            ASSERT_NEAR(v, f0, 0.04 * f0) << "frame " << k;
          }
        }
      }
    }
  }
}

// Every length from no samples to past each method's first frame, then a few longer ones:
// no crash or overrun (this runs under the sanitizers), a map that matches the contour, and
// an empty contour while the recording is shorter than one frame.
TEST(F0Methods, EveryShortLength) {
  const auto signal = voicePulses(150, 11025, 2600);
  // Samples one frame needs at 11025 Hz, 70-600 Hz: SRPD 3 ceil(rate / 70) = 474; AMDF
  // floor(2.5 rate) / 50 = 551; the NCCF tracker gives frames from half a frame step (55
  // samples) on; autocorrelation 3 periods of 70 Hz (473), cross-correlation 2 (316).
  const std::pair<F0Method, std::size_t> firstFrame[] = {{F0Method::Srpd, 474},
                                                         {F0Method::Autocorrelation, 473},
                                                         {F0Method::CrossCorrelation, 316},
                                                         {F0Method::Amdf, 551},
                                                         {F0Method::LpcAutocorrelation, 56}};
  for (const auto& [method, needed] : firstFrame) {
    SCOPED_TRACE(nameOf(method));
    for (std::size_t n = 0; n <= signal.size(); n += (n < 700 ? 1 : 211)) {
      const MethodRun r = run(method, std::span(signal).first(n), 11025);
      ASSERT_EQ(r.result.outcome, F0Outcome::Computed) << n;
      if (n < needed) {
        ASSERT_EQ(r.contour.frameCount(), 0) << n;
      }
      if (n >= needed) {
        ASSERT_GT(r.contour.frameCount(), 0) << n;
      }
      for (float v : r.contour.values) ASSERT_TRUE(v == 0 || (v >= 50 && v <= 1000)) << n;
      ASSERT_EQ(r.map, voicingMap(r.contour)) << n;
    }
  }
}

TEST(F0Driver, DispatchesEveryMethodAndRefusesOtherIndexes) {
  const auto signal = voicePulses(150, 11025, 11025);
  for (F0Method method : kMethods) {
    const MethodRun r = run(method, signal, 11025);
    EXPECT_EQ(r.result.outcome, F0Outcome::Computed) << nameOf(method);
    EXPECT_NEAR(r.contour.values[r.contour.frameCount() / 2], 150.0, 2.0) << nameOf(method);
  }
  for (int index : {5, -1, 100}) {
    F0Settings s;
    s.method = index;
    F0Contour contour{{150.0f}};
    VoicingMap map;
    map.fill(1);
    const F0Result r = runF0Method(signal, 11025, s, contour, map);
    EXPECT_EQ(r.outcome, F0Outcome::InvalidMethod);
    ASSERT_TRUE(r.message);
    EXPECT_EQ(r.message->text(), "Invalid Method!");
    EXPECT_EQ(contour.values, std::vector<float>{150.0f}) << "left as it was";
    EXPECT_EQ(map[0], 1);
  }
}

// SRPD's range: values below minPitch are removed after the smoothing, and the geometry at the
// lowest default range.
TEST(F0Driver, SrpdKeepsNothingBelowMinPitch) {
  const auto signal = voicePulses(120, 11025, 11025);
  const MethodRun low = run(F0Method::Srpd, signal, 11025, 70, 400);
  EXPECT_GT(voicedFrames(low.contour), 100);
  const MethodRun high = run(F0Method::Srpd, signal, 11025, 130, 400);
  for (float v : high.contour.values) EXPECT_TRUE(v == 0 || v >= 130) << v;
}

// AMDF's lowest F0 is 20 Hz under minPitch, never below 50; an empty range is refused with
// its message and leaves no contour.
TEST(F0Driver, AmdfRangeAndItsRefusal) {
  const auto signal = voicePulses(62, 11025, 11025);
  const MethodRun narrow = run(F0Method::Amdf, signal, 11025, 60, 65);
  EXPECT_FALSE(narrow.result.message);
  EXPECT_GT(voicedFrames(narrow.contour), 50);
  for (float v : narrow.contour.values) EXPECT_EQ(v, std::floor(v)) << "whole hertz";

  F0Settings s;
  s.method = static_cast<int>(F0Method::Amdf);
  s.minPitch = 70;
  s.maxPitch = 50;
  F0Contour contour{{100.0f}};
  VoicingMap map;
  map.fill(1);
  const F0Result r = runF0Method(signal, 11025, s, contour, map);
  ASSERT_TRUE(r.message);
  EXPECT_EQ(r.message->text(), "maxpitch must be > minpitch");
  EXPECT_EQ(contour.frameCount(), 0);
  EXPECT_EQ(std::count(map.begin(), map.end(), 0), kVoicingColumns);
}

// The NCCF tracker ignores the settings' range: 60-1000 Hz always.
TEST(F0Driver, NccfTrackerIgnoresTheSettingsRange) {
  const auto signal = voicePulses(120, 11025, 11025);
  const MethodRun wide = run(F0Method::LpcAutocorrelation, signal, 11025, 70, 400);
  const MethodRun narrow = run(F0Method::LpcAutocorrelation, signal, 11025, 200, 550);
  EXPECT_EQ(wide.contour.values, narrow.contour.values);
  EXPECT_EQ(wide.contour.frameCount(), 100);
  EXPECT_NEAR(narrow.contour.values[50], 120.0, 1.0);
}

}  // namespace
}  // namespace sonarel::core
