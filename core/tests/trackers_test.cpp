// SPDX-License-Identifier: GPL-3.0-or-later
// The parts of the SRPD, AMDF and NCCF trackers that callers and stored results depend on:
// frame geometry, the smoothing's break rule, the NCCF tracker's parameter checks and
// diagnostics, its buffers and its 10-s stretches.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/amdf.h"
#include "core/rapt.h"
#include "core/srpd.h"
#include "core/tests/wave_fixtures.h"

namespace sonarel::core {
namespace {

TEST(Srpd, GeometryFollowsTheRateAndRange) {
  struct Row {
    double rate;
    double minPitch, maxPitch;
    int nMax, nMin, segment, shift;
    double roundedMin, roundedMax;
  } rows[] = {
      {11025, 70, 400, 158, 27, 474, 89, 69, 408},
      {22050, 70, 400, 315, 55, 945, 177, 70, 400},
      {44100, 100, 1000, 441, 44, 1323, 353, 100, 1002},
  };
  for (const Row& row : rows) {
    SrpdParameters p;
    p.sampleFreq = row.rate;
    p.minPitch = row.minPitch;
    p.maxPitch = row.maxPitch;
    const SrpdGeometry g = srpdGeometry(p);
    EXPECT_EQ(g.nMax, row.nMax) << row.rate;
    EXPECT_EQ(g.nMin, row.nMin) << row.rate;
    EXPECT_EQ(g.segment, row.segment) << row.rate;
    EXPECT_EQ(g.shift, row.shift) << row.rate;
    EXPECT_EQ(g.minPitch, row.roundedMin) << row.rate;
    EXPECT_EQ(g.maxPitch, row.roundedMax) << row.rate;
  }
  SrpdParameters bad;
  bad.minPitch = 0;
  EXPECT_EQ(srpdGeometry(bad).segment, 0);
  EXPECT_TRUE(trackSrpd(std::vector<std::int16_t>(1000, 100), 11025, 0, 400).empty());
}

// 99 symmetric taps: unity gain well inside the band, little beyond 1 kHz; the output stays
// in step with the input.
TEST(Srpd, PreFilterPassesTheBandAndKeepsAlignment) {
  const std::vector<double> taps = srpdPreFilter(11025);
  ASSERT_EQ(taps.size(), 99u);
  for (std::size_t i = 0; i < taps.size(); ++i) EXPECT_NEAR(taps[i], taps[98 - i], 1e-12);
  const auto gain = [&](double hz) {
    double re = 0, im = 0;
    for (std::size_t i = 0; i < taps.size(); ++i) {
      re += taps[i] * std::cos(2 * M_PI * hz * i / 11025);
      im += taps[i] * std::sin(2 * M_PI * hz * i / 11025);
    }
    return std::hypot(re, im);
  };
  EXPECT_NEAR(gain(0), 1.0, 0.05);
  EXPECT_NEAR(gain(200), 1.0, 0.1);
  EXPECT_LT(gain(1200), 0.1);

  const auto tone = testing::sine(200, 11025, 2000, 10000);
  const auto filtered = srpdLowPass(tone, 11025);
  ASSERT_EQ(filtered.size(), tone.size());
  for (std::size_t i = 200; i < 1800; ++i) ASSERT_NEAR(filtered[i], tone[i], 1000) << i;
}

TEST(Srpd, SmoothingFillsShortGapsAndBreaksAtLongOnes) {
  std::vector<float> v(40, 200.0f);
  v[10] = 0;                               // one dropped frame: filled by the median
  v[20] = 400.0f;                          // one octave jump: removed by the median
  for (int i = 30; i < 40; ++i) v[i] = 0;  // the voicing ends
  const std::vector<float> s = smoothContour(v);
  ASSERT_EQ(s.size(), v.size());
  EXPECT_NEAR(s[10], 200.0f, 1e-3);
  EXPECT_NEAR(s[20], 200.0f, 1e-3);
  EXPECT_NEAR(s[27], 200.0f, 1e-3) << "three zeros in the window: weights recomputed";
  EXPECT_EQ(s[30], 0.0f) << "four zeros in the window: a break";
  EXPECT_EQ(s[39], 0.0f);
  // A slope stays a slope and stays aligned.
  std::vector<float> ramp(30);
  for (int i = 0; i < 30; ++i) ramp[i] = 100.0f + i;
  const std::vector<float> r = smoothContour(ramp);
  for (int i = 6; i < 24; ++i) EXPECT_NEAR(r[i], ramp[i], 1e-3) << i;
  EXPECT_TRUE(smoothContour({}).empty());
}

TEST(Amdf, ParametersFromTheRange) {
  const auto p = amdfParameters(11025, 60, 65);
  ASSERT_TRUE(p);
  EXPECT_EQ(p->lowestF0, 50);
  EXPECT_EQ(p->frameStep, 110);
  EXPECT_EQ(p->window, 551);  // floor(2.5 * 11025) / 50
  EXPECT_EQ(p->shortestLag, 169);
  EXPECT_EQ(p->longestLag, 220);
  EXPECT_FALSE(amdfParameters(11025, 70, 50));
  EXPECT_FALSE(amdfParameters(11025, 60, 50));
  EXPECT_FALSE(trackAmdf(std::vector<std::int16_t>(20000, 5), 11025, 70, 50));
}

// Every check of init, with its line, then the refusal line; nothing is printed, and a
// refused tracker computes nothing.
TEST(RaptTracker, InitRefusesEachBadParameterWithItsMessage) {
  struct Row {
    const char* setting;
    double rate;
    const char* line;
  } rows[] = {
      {"cand_thresh=0.005", 11025, "F0: cand_thresh parameter must be between [0.01, 0.99].\n"},
      {"cand_thresh=1", 11025, "F0: cand_thresh parameter must be between [0.01, 0.99].\n"},
      {"wind_dur=0.2", 11025, "F0: wind_dur parameter must be between [0.0001, 0.1].\n"},
      {"n_cands=2", 11025, "F0: n_cands parameter must be between [3,100].\n"},
      {"n_cands=101", 11025, "F0: n_cands parameter must be between [3,100].\n"},
      {"max_f0=40", 11025, "F0: min(max)_f0 parameter inconsistent with record frequency\n"},
      {"max_f0=6000", 11025, "F0: min(max)_f0 parameter inconsistent with record frequency\n"},
      {"min_f0=1", 11025, "F0: min(max)_f0 parameter inconsistent with record frequency\n"},
      {"frame_step=0.2", 11025, "F0: frame_step parameter must be between [1/sampFreq, 0.1]\n"},
      {"frame_step=0.00001", 11025, "F0: frame_step parameter must be between [1/sampFreq, 0.1]\n"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.setting);
    auto tracker = RaptTracker::create();
    ASSERT_TRUE(tracker->setParameter(row.setting));
    ::testing::internal::CaptureStderr();
    ::testing::internal::CaptureStdout();
    EXPECT_FALSE(tracker->init(row.rate));
    EXPECT_FALSE(tracker->process(std::vector<float>(4000, 1.0f)));
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "") << "the library prints nothing";
    EXPECT_EQ(tracker->frameCount(), 0);
    const std::vector<std::string> expected = {row.line,
                                               "F0: invalid/inconsistent parameters -- exiting.\n"};
    EXPECT_EQ(tracker->diagnostics(), expected);
  }
}

TEST(RaptTracker, ParametersByNameAndDerivedSizes) {
  auto tracker = RaptTracker::create();
  EXPECT_EQ(tracker->parameters().candThresh, 0.3);
  EXPECT_EQ(tracker->parameters().nCands, 20);
  EXPECT_TRUE(tracker->setParameter("frame_step=0.010000"));
  EXPECT_TRUE(tracker->setParameter("min_f0=60.000000"));
  EXPECT_TRUE(tracker->setParameter("max_f0=1000"));
  EXPECT_FALSE(tracker->setParameter("max_f0=fast"));
  EXPECT_FALSE(tracker->setParameter("speed=2"));
  EXPECT_FALSE(tracker->setParameter("n_cands=3.5"));
  EXPECT_FALSE(tracker->setParameter("no value"));
  EXPECT_EQ(tracker->parameters().maxF0, 1000.0);
  const auto sizes = tracker->init(22050);
  ASSERT_TRUE(sizes);
  EXPECT_EQ(sizes->stepSize % 220, 0) << "whole frames of 220 samples per buffer";
  EXPECT_NEAR(static_cast<double>(sizes->stepSize), 0.2 * 22050, 221);
  EXPECT_GT(sizes->bufferSize, sizes->stepSize);
  EXPECT_TRUE(tracker->diagnostics().empty());

  auto fast = RaptTracker::create();
  ASSERT_TRUE(fast->init(96000));
  EXPECT_EQ(fast->diagnostics(), std::vector<std::string>{"F0: Optimum order limited to 50\n"});
}

// The frames come out in time order and complete however the stretch is cut into buffers.
TEST(RaptTracker, FramesDoNotDependOnTheBuffers) {
  const auto tone = testing::sine(180, 11025, 33075, 8000);
  const std::vector<float> samples(tone.begin(), tone.end());
  const RaptTrack whole = trackRapt(samples, 11025, 60, 1000, 100);
  ASSERT_TRUE(whole.ok);
  ASSERT_EQ(whole.values.size(), 300u);

  // The whole stretch in one buffer, then an empty one to end the input.
  auto single = RaptTracker::create();
  single->setParameter("min_f0=60");
  single->setParameter("max_f0=1000");
  ASSERT_TRUE(single->init(11025));
  ASSERT_TRUE(single->process(samples));
  ASSERT_TRUE(single->process({}));
  ASSERT_GT(single->frameCount(), 290);
  for (std::int32_t i = 0; i < single->frameCount(); ++i) {
    ASSERT_EQ(single->frame(i).f0, whole.values[i]) << i;
  }
  EXPECT_FALSE(single->process(samples)) << "input has ended";
}

TEST(RaptStretches, TenSecondsEachTheLastUpToTwenty) {
  const auto lengths = [](double seconds) {
    std::vector<double> out;
    for (const SampleStretch& s :
         raptStretches(static_cast<std::int64_t>(seconds * 11025), 11025)) {
      out.push_back(static_cast<double>(s.length) / 11025);
    }
    return out;
  };
  EXPECT_EQ(lengths(25), (std::vector<double>{10, 15}));
  EXPECT_EQ(lengths(19), (std::vector<double>{19}));
  EXPECT_EQ(lengths(20), (std::vector<double>{10, 10}));
  EXPECT_EQ(lengths(45), (std::vector<double>{10, 10, 10, 15}));
  EXPECT_TRUE(raptStretches(0, 11025).empty());
}

// Each stretch gives floor(seconds * 100 + 0.5) frames, so the file's contour has its
// length in centiseconds.
TEST(RaptStretches, TheFileGivesOneValuePerCentisecond) {
  const auto tone = testing::sine(150, 11025, static_cast<std::size_t>(25.3 * 11025), 8000);
  const RaptTrack track = trackRaptFile(tone, 11025);
  ASSERT_TRUE(track.ok);
  EXPECT_EQ(track.values.size(), 2530u);
  EXPECT_NEAR(track.values[999], 150.0, 1.5) << "the end of the first stretch";
  EXPECT_NEAR(track.values[1000], 150.0, 1.5) << "the start of the second";
}

// A tone of one 16-bit step is dither, not voice; from two steps up it is a tone like any other.
TEST(RaptStretches, QuietestTonesAreUnvoiced) {
  const auto voicedShare = [](double peak) {
    const RaptTrack track = trackRaptFile(testing::sine(200, 11025, 11025, peak), 11025);
    EXPECT_TRUE(track.ok);
    const auto near = std::count_if(track.values.begin(), track.values.end(),
                                    [](float v) { return std::abs(v - 200.0f) < 2.0f; });
    return static_cast<double>(near) / static_cast<double>(track.values.size());
  };
  EXPECT_EQ(voicedShare(1), 0.0);
  EXPECT_GT(voicedShare(2), 0.9);
  EXPECT_GT(voicedShare(8000), 0.9);
}

}  // namespace
}  // namespace sonarel::core
