// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/f0_driver.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/tests/signal_fixtures.h"
#include "core/tests/wave_fixtures.h"

namespace sonarel::core {
namespace {

F0Settings settings(F0Method method, int minPitch = 70, int maxPitch = 600) {
  F0Settings s;
  s.method = static_cast<int>(method);
  s.minPitch = minPitch;
  s.maxPitch = maxPitch;
  return s;
}

// Steady tones and pulse trains: every frame voiced and within 0.5 % of the true F0, by both
// methods (the autocorrelation one through its band-pass filter) at every rate in use.
TEST(RunF0Method, KnownF0ComesOutWithinHalfAPercent) {
  for (F0Method method : {F0Method::Autocorrelation, F0Method::CrossCorrelation}) {
    for (double rate : {11025.0, 22050.0, 44100.0}) {
      for (double f0 : {100.0, 220.0, 440.0}) {
        for (bool pulses : {false, true}) {
          SCOPED_TRACE(::testing::Message() << (pulses ? "pulses " : "sine ") << f0 << " Hz at "
                                            << rate << ", method " << static_cast<int>(method));
          const auto n = static_cast<std::size_t>(rate * 0.6);
          const auto signal =
              pulses ? testing::pulseTrain(f0, rate, n) : testing::sine(f0, rate, n);
          F0Contour contour;
          VoicingMap map{};
          const F0Result r = runF0Method(signal, rate, settings(method), contour, map);
          ASSERT_EQ(r.outcome, F0Outcome::Computed);
          ASSERT_GT(contour.frameCount(), 20);
          for (std::int32_t k = 0; k < contour.frameCount(); ++k) {
            ASSERT_NEAR(contour.values[k], f0, 0.005 * f0) << "frame " << k;
          }
          EXPECT_EQ(std::count(map.begin(), map.end(), 1), kVoicingColumns);
        }
      }
    }
  }
}

// The analysis span is 3 periods of minPitch for autocorrelation and 2 (a window and the
// period it is shifted by) for cross-correlation: 472.5 and 315 samples at 70 Hz, 11025 Hz.
TEST(RunF0Method, SilenceAndShortFilesGiveNoF0) {
  struct Row {
    const char* what;
    F0Method method;
    std::size_t samples;
    bool silent;
    std::int32_t frames;  // -1: some
  } rows[] = {
      {"no samples", F0Method::Autocorrelation, 0, false, 0},
      {"one sample", F0Method::Autocorrelation, 1, false, 0},
      {"shorter than 3 periods", F0Method::Autocorrelation, 472, false, 0},
      {"just 3 periods", F0Method::Autocorrelation, 473, false, 1},
      {"one second of silence", F0Method::Autocorrelation, 11025, true, -1},
      {"no samples", F0Method::CrossCorrelation, 0, false, 0},
      {"two samples", F0Method::CrossCorrelation, 2, false, 0},
      {"shorter than 2 periods", F0Method::CrossCorrelation, 315, false, 0},
      {"one second of silence", F0Method::CrossCorrelation, 11025, true, -1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(::testing::Message() << row.what << ", method " << static_cast<int>(row.method));
    std::vector<std::int16_t> signal = row.silent ? std::vector<std::int16_t>(row.samples, 0)
                                                  : testing::pulseTrain(150, 11025, row.samples);
    F0Contour contour{{1.0f, 2.0f}};
    VoicingMap map;
    map.fill(1);
    ASSERT_EQ(runF0Method(signal, 11025, settings(row.method), contour, map).outcome,
              F0Outcome::Computed);
    if (row.frames >= 0) {
      EXPECT_EQ(contour.frameCount(), row.frames);
    }
    if (row.frames == 0 || row.silent) {
      EXPECT_EQ(std::count(contour.values.begin(), contour.values.end(), 0.0f),
                contour.frameCount());
      EXPECT_EQ(std::count(map.begin(), map.end(), 0), kVoicingColumns);
    }
  }
}

TEST(F0OutsideRange, AutocorrelationKeepsMaxPitchCrossCorrelationDoesNot) {
  const F0Settings s = settings(F0Method::Autocorrelation, 70, 400);
  struct Row {
    F0Method method;
    double f;
    bool outside;
  } rows[] = {
      {F0Method::Autocorrelation, 65, true},    {F0Method::Autocorrelation, 70, false},
      {F0Method::Autocorrelation, 400, false},  {F0Method::Autocorrelation, 400.5, true},
      {F0Method::CrossCorrelation, 69.9, true}, {F0Method::CrossCorrelation, 399.9, false},
      {F0Method::CrossCorrelation, 400, true},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(f0OutsideRange(row.method, row.f, s), row.outside)
        << "method " << static_cast<int>(row.method) << " at " << row.f << " Hz";
  }
}

SampleBuffer bufferOf(std::vector<std::int16_t> samples, std::uint32_t rate) {
  SampleBuffer buffer;
  buffer.samples = std::move(samples);
  buffer.format = pcm16MonoFormat(rate);
  return buffer;
}

TEST(ComputeF0, ComputesOncePerFlagAndAlwaysLeavesTheIntensityFlagAlone) {
  SampleBuffer buffer = bufferOf(testing::pulseTrain(150, 11025, 11025), 11025);
  VoiceAnalysis results;
  const F0Settings s = settings(F0Method::CrossCorrelation);
  ASSERT_EQ(computeF0(buffer, s, results).outcome, F0Outcome::Computed);
  EXPECT_TRUE(buffer.flags.f0Computed);
  EXPECT_FALSE(buffer.flags.intensityComputed);
  EXPECT_EQ(results.intensity.frameCount(), 3674);
  const std::vector<float> first = results.f0.values;
  EXPECT_NEAR(first[10], 150.0f, 0.5);

  // The flag stands for the samples: with it set the contour is not recomputed, while the
  // intensity (whose flag is clear) follows the samples.
  buffer.samples.assign(buffer.samples.size(), 0);
  computeF0(buffer, s, results);
  EXPECT_EQ(results.f0.values, first);
  EXPECT_EQ(results.intensityColumns[100], 0.0f);

  buffer.flags.clear();
  computeF0(buffer, s, results);
  EXPECT_EQ(std::count(results.f0.values.begin(), results.f0.values.end(), 0.0f),
            results.f0.frameCount());
}

TEST(ComputeF0, AnInvalidMethodStillSetsTheFlagACancellationDoesNot) {
  SampleBuffer buffer = bufferOf(testing::pulseTrain(150, 11025, 11025), 11025);
  VoiceAnalysis results;
  F0Settings s;
  s.method = 9;
  EXPECT_EQ(computeF0(buffer, s, results).outcome, F0Outcome::InvalidMethod);
  EXPECT_TRUE(buffer.flags.f0Computed);

  buffer.flags.clear();
  std::stop_source stop;
  stop.request_stop();
  const F0Result r = computeF0(buffer, F0Settings{}, results, {.stop = stop.get_token()});
  EXPECT_EQ(r.outcome, F0Outcome::Cancelled);
  EXPECT_FALSE(buffer.flags.f0Computed);
}

}  // namespace
}  // namespace sonarel::core
