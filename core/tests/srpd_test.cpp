// SPDX-License-Identifier: GPL-3.0-or-later
// SRPD's frame decisions on signals whose answer is known: where voicing starts and ends,
// what counts as silence, which lag is the period, and the pre-filter's arithmetic.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "core/srpd.h"
#include "core/tests/wave_fixtures.h"

namespace sonarel::core {
namespace {

SrpdParameters parametersAt(double rate, double minPitch = 70, double maxPitch = 500) {
  SrpdParameters p;
  p.sampleFreq = rate;
  p.minPitch = minPitch;
  p.maxPitch = maxPitch;
  return p;
}

// A low tone is loud while its samples near the reference point sit on one flank of a
// period; a quiet one is silence wherever the frame falls.
TEST(SrpdFrames, SilenceIsAQuestionOfAmplitudeNotOfSwing) {
  const SrpdParameters p = parametersAt(11025);
  const std::vector<float> loud = srpdFrames(testing::sine(100, 11025, 11025, 1000), p);
  ASSERT_GT(loud.size(), 100u);
  for (std::size_t i = 1; i + 1 < loud.size(); ++i) {
    ASSERT_NEAR(loud[i], 100.0f, 1.0f) << "frame " << i;
  }
  for (float v : srpdFrames(testing::sine(100, 11025, 11025, 100), p)) ASSERT_EQ(v, 0.0f);
}

// The stretches compared at a lag are one lag long, so a tone is voiced from one period
// after it starts to one period before it stops, at both rates.
TEST(SrpdFrames, VoicingFollowsATonePeriodForPeriod) {
  for (const double rate : {11025.0, 22050.0}) {
    SCOPED_TRACE(rate);
    const auto begin = static_cast<std::int64_t>(0.4 * rate);
    const auto end = static_cast<std::int64_t>(0.9 * rate);
    std::vector<std::int16_t> x(static_cast<std::size_t>(1.3 * rate), 0);
    const auto tone = testing::sine(200, static_cast<std::uint32_t>(rate),
                                    static_cast<std::size_t>(end - begin), 8000);
    std::copy(tone.begin(), tone.end(), x.begin() + begin);

    const SrpdParameters p = parametersAt(rate);
    const SrpdGeometry g = srpdGeometry(p);
    const std::vector<float> values = srpdFrames(x, p);
    const double period = rate / 200;
    int voiced = 0;
    for (std::size_t i = 0; i < values.size(); ++i) {
      const std::int64_t reference = static_cast<std::int64_t>(i) * g.shift + g.nMax;
      if (reference >= begin + period + 8 && reference <= end - period - 8) {
        ASSERT_NEAR(values[i], 200.0f, 2.0f) << "frame " << i;
        ++voiced;
      } else if (reference + g.nMin < begin || reference - g.nMin > end) {
        ASSERT_EQ(values[i], 0.0f) << "frame " << i << " reads only silence";
      }
    }
    EXPECT_GT(voiced, 50);
  }
}

// 90-Hz pulses exciting a resonance at 450 Hz: over a short stretch the ringing correlates
// nearly as well as the period does, but the period is what is reported.
TEST(SrpdFrames, AFormantsRingingIsNotThePeriod) {
  const double rate = 11025, f0 = 90, formant = 450, bandwidth = 80;
  const double radius = std::exp(-M_PI * bandwidth / rate);
  const double a1 = 2 * radius * std::cos(2 * M_PI * formant / rate), a2 = -radius * radius;
  std::vector<double> y(2 * 11025);
  double next = 0, y1 = 0, y2 = 0, peak = 0;
  for (std::size_t i = 0; i < y.size(); ++i) {
    double pulse = 0;
    if (static_cast<double>(i) >= next) {
      pulse = 1;
      next += rate / f0;
    }
    y[i] = pulse + a1 * y1 + a2 * y2;
    y2 = y1;
    y1 = y[i];
    peak = std::max(peak, std::abs(y[i]));
  }
  std::vector<std::int16_t> x(y.size());
  for (std::size_t i = 0; i < y.size(); ++i) {
    x[i] = static_cast<std::int16_t>(std::lround(8000 * y[i] / peak));
  }
  const std::vector<float> values = srpdFrames(srpdLowPass(x, rate), parametersAt(rate));
  std::size_t voiced = 0;
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (values[i] == 0) continue;
    ++voiced;
    EXPECT_NEAR(values[i], f0, 0.1 * f0) << "frame " << i;
  }
  EXPECT_GT(voiced, values.size() * 9 / 10);
}

// The blocked filter adds each output's products in tap order, as the plain dot product
// does, so the two agree to the last bit, across the blocks' edges and at both ends.
TEST(SrpdLowPass, EqualsThePlainDotProduct) {
  const std::vector<std::int16_t> x = testing::noise(5000, 11);
  const std::vector<double> designed = srpdPreFilter(22050);
  const std::vector<float> taps(designed.begin(), designed.end());
  const std::vector<std::int16_t> filtered = srpdLowPass(x, 22050);
  ASSERT_EQ(filtered.size(), x.size());
  const int half = static_cast<int>(taps.size()) / 2;
  for (int i = 0; i < static_cast<int>(x.size()); ++i) {
    float sum = 0;
    for (int k = 0; k < static_cast<int>(taps.size()); ++k) {
      const int at = i - half + k;
      const float v = at >= 0 && at < static_cast<int>(x.size()) ? x[at] : 0.0f;
      sum += taps[k] * v;
    }
    const double rounded = std::clamp(std::nearbyint(static_cast<double>(sum)), -32768.0, 32767.0);
    ASSERT_EQ(filtered[i], static_cast<std::int16_t>(rounded)) << i;
  }
}

}  // namespace
}  // namespace sonarel::core
