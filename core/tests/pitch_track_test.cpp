// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/pitch_track.h"

#include <gtest/gtest.h>

#include <cmath>
#include <new>

#include "core/tests/signal_fixtures.h"
#include "core/tests/wave_fixtures.h"

namespace sonarel::core {
namespace {

constexpr PitchMethod kMethods[] = {
    PitchMethod::HanningAutocorrelation, PitchMethod::GaussianAutocorrelation,
    PitchMethod::NormalCrossCorrelation, PitchMethod::AccurateCrossCorrelation};

PitchParameters parametersFor(PitchMethod method) {
  PitchParameters p;
  p.method = method;
  const bool cc = method == PitchMethod::NormalCrossCorrelation ||
                  method == PitchMethod::AccurateCrossCorrelation;
  p.periodsPerWindow = cc ? 1.0 : 3.0;
  return p;
}

// The analysis span in seconds: the window, plus one period for cross-correlation.
double spanSeconds(const PitchParameters& p) {
  double window = p.periodsPerWindow / p.minPitch;
  if (p.method == PitchMethod::GaussianAutocorrelation) window *= 2;
  const bool cc = p.method == PitchMethod::NormalCrossCorrelation ||
                  p.method == PitchMethod::AccurateCrossCorrelation;
  return cc ? window + 1 / p.minPitch : window;
}

// Every length from 0 samples to past one span: no read outside the samples (the sanitizers
// watch), a track exactly when the file is longer than the span, and frames centred in it.
TEST(TrackPitch, EveryShortLengthIsRefusedOrTrackedWithoutOverrun) {
  const double rate = 11025;
  for (PitchMethod method : kMethods) {
    const PitchParameters p = parametersFor(method);
    const double span = spanSeconds(p);
    const auto longest = static_cast<std::size_t>(span * rate) + 300;
    const auto signal = testing::pulseTrain(150, rate, longest);
    for (std::size_t n = 0; n <= longest; n += (n < 40 || n + 60 > longest - 300) ? 1 : 7) {
      const auto track =
          trackPitch(std::span(signal).first(n), rate, p, AnalysisControl{.threads = 1});
      const double duration = n / rate;
      ASSERT_EQ(track.has_value(), duration > span)
          << "method " << static_cast<int>(method) << ", " << n << " samples";
      if (!track) continue;
      const int frames = static_cast<int>(std::floor((duration - span) / 0.02)) + 1;
      EXPECT_EQ(track->frameCount, frames) << n;
      EXPECT_NEAR(track->frameTime(1) + track->frameTime(frames), duration, 1e-12) << n;
    }
  }
}

TEST(TrackPitch, SilenceGivesOnlyUnvoicedFrames) {
  const std::vector<std::int16_t> silence(11025, 0);
  for (PitchMethod method : kMethods) {
    const auto track = trackPitch(silence, 11025, parametersFor(method));
    ASSERT_TRUE(track);
    for (std::int32_t f = 1; f <= track->frameCount; ++f) {
      ASSERT_EQ(frequencyAt(*track, f), 0.0) << f;
      ASSERT_EQ(track->frameCandidates(f).size(), 1u);
    }
  }
}

TEST(TrackPitch, RefusesParametersItCannotWorkWith) {
  const auto signal = testing::pulseTrain(150, 11025, 11025);
  struct Row {
    const char* what;
    void (*change)(PitchParameters&);
    double rate;
  } rows[] = {
      {"time step 0", [](PitchParameters& p) { p.timeStep = 0; }, 11025},
      {"negative time step", [](PitchParameters& p) { p.timeStep = -0.01; }, 11025},
      {"floor 0", [](PitchParameters& p) { p.minPitch = 0; }, 11025},
      {"floor NaN", [](PitchParameters& p) { p.minPitch = std::nan(""); }, 11025},
      {"one candidate", [](PitchParameters& p) { p.maxCandidates = 1; }, 11025},
      {"unknown method", [](PitchParameters& p) { p.method = static_cast<PitchMethod>(9); }, 11025},
      {"floor above the rate", [](PitchParameters& p) { p.minPitch = 20000; }, 11025},
      {"rate 0", [](PitchParameters&) {}, 0},
      {"endless frames", [](PitchParameters& p) { p.timeStep = 1e-300; }, 11025},
  };
  for (const Row& row : rows) {
    PitchParameters p;
    row.change(p);
    EXPECT_FALSE(trackPitch(signal, row.rate, p)) << row.what;
  }
}

TEST(TrackPitch, FrequencyAtReadsTheChosenCandidateWithinTheCeiling) {
  const auto signal = testing::pulseTrain(200, 11025, 11025);
  PitchParameters p;
  p.ceiling = 100000;  // limited to the Nyquist frequency
  const auto track = trackPitch(signal, 11025, p);
  ASSERT_TRUE(track);
  EXPECT_EQ(track->ceiling, 5512.5);
  EXPECT_EQ(frequencyAt(*track, 0), HUGE_VAL);
  EXPECT_EQ(frequencyAt(*track, track->frameCount + 1), HUGE_VAL);
  EXPECT_NEAR(frequencyAt(*track, 10), 200.0, 0.5);

  p.ceiling = 199;  // the tone itself lies above the ceiling: read as unvoiced
  const auto below = trackPitch(signal, 11025, p);
  ASSERT_TRUE(below);
  for (std::int32_t f = 1; f <= below->frameCount; ++f) {
    const double hz = frequencyAt(*below, f);
    EXPECT_TRUE(hz == 0 || hz < 199) << f << ": " << hz;
  }
}

// Frames analysed on two threads give the very same candidates as on one.
TEST(TrackPitch, ParallelFramesEqualASequentialRun) {
  const auto signal = testing::speechLike(22050, 4.0);
  for (PitchMethod method :
       {PitchMethod::HanningAutocorrelation, PitchMethod::NormalCrossCorrelation}) {
    const auto one = trackPitch(signal, 22050, parametersFor(method), {.threads = 1});
    const auto two = trackPitch(signal, 22050, parametersFor(method), {.threads = 2});
    ASSERT_TRUE(one && two);
    ASSERT_EQ(one->candidateCount, two->candidateCount);
    ASSERT_EQ(one->intensity, two->intensity);
    for (std::size_t i = 0; i < one->candidates.size(); ++i) {
      ASSERT_EQ(one->candidates[i].frequency, two->candidates[i].frequency) << i;
      ASSERT_EQ(one->candidates[i].strength, two->candidates[i].strength) << i;
    }
  }
}

// A stateful preparation run stretch by stretch beside the frames (the F0 pre-filter runs
// so) gives exactly the track of the samples prepared beforehand, on any number of threads;
// a stop requested while preparing ends the analysis without waiting workers hanging.
TEST(TrackPitch, PreparingBesideTheFramesEqualsPreparingFirst) {
  const auto signal = testing::speechLike(22050, 4.0);
  // A first-order recursion: each output depends on every sample before it.
  auto makeFilter = [] {
    return [state = 0.0](std::span<std::int16_t> stretch) mutable {
      for (std::int16_t& v : stretch) {
        state = 0.5 * state + 0.5 * v;
        v = static_cast<std::int16_t>(std::lround(state));
      }
    };
  };
  std::vector<std::int16_t> prepared(signal.begin(), signal.end());
  makeFilter()(prepared);
  const PitchParameters p = parametersFor(PitchMethod::HanningAutocorrelation);
  const auto expected = trackPitch(prepared, 22050, p, {.threads = 1});
  ASSERT_TRUE(expected);
  for (int threads : {1, 2, 3}) {
    std::vector<std::int16_t> samples(signal.begin(), signal.end());
    const auto track =
        trackPitchWhilePreparing(samples, 22050, p, makeFilter(), {.threads = threads});
    ASSERT_TRUE(track) << threads;
    EXPECT_EQ(samples, prepared) << threads;
    ASSERT_EQ(track->intensity, expected->intensity) << threads;
    ASSERT_EQ(track->candidateCount, expected->candidateCount) << threads;
    for (std::size_t i = 0; i < track->candidates.size(); ++i) {
      ASSERT_EQ(track->candidates[i].frequency, expected->candidates[i].frequency) << i;
      ASSERT_EQ(track->candidates[i].strength, expected->candidates[i].strength) << i;
    }
  }

  std::stop_source stop;
  int stretches = 0;
  std::vector<std::int16_t> samples(signal.begin(), signal.end());
  const SamplePreparation stopping = [&](std::span<std::int16_t>) {
    if (++stretches == 2) stop.request_stop();
  };
  EXPECT_FALSE(trackPitchWhilePreparing(samples, 22050, p, stopping,
                                        {.stop = stop.get_token(), .threads = 2}));
  EXPECT_EQ(stretches, 2);

  // Running out of memory, on whichever thread, is never an empty track.
  for (int threads : {1, 2}) {
    stretches = 0;
    const SamplePreparation exhausting = [&](std::span<std::int16_t>) {
      if (++stretches == 2) throw std::bad_alloc();
    };
    EXPECT_THROW(trackPitchWhilePreparing(samples, 22050, p, exhausting, {.threads = threads}),
                 std::bad_alloc)
        << threads << " threads";
  }
}

TEST(TrackPitch, ReportsProgressAndStopsWhenAsked) {
  const auto signal = testing::speechLike(11025, 3.0);
  std::vector<std::int32_t> reported;
  std::int32_t total = 0;
  AnalysisControl control{.progress =
                              [&](std::int32_t done, std::int32_t all) {
                                reported.push_back(done);
                                total = all;
                              },
                          .threads = 2};
  const auto track = trackPitch(signal, 11025, PitchParameters{}, control);
  ASSERT_TRUE(track);
  ASSERT_FALSE(reported.empty());
  EXPECT_EQ(total, track->frameCount);
  EXPECT_EQ(reported.back(), track->frameCount);
  EXPECT_TRUE(std::is_sorted(reported.begin(), reported.end()));

  std::stop_source stop;
  int calls = 0;
  control = {.progress = [&](std::int32_t, std::int32_t) { ++calls, stop.request_stop(); },
             .stop = stop.get_token(),
             .threads = 1};
  EXPECT_FALSE(trackPitch(signal, 11025, PitchParameters{}, control));
  EXPECT_EQ(calls, 1) << "stops at the next block of frames";
}

}  // namespace
}  // namespace sonarel::core
