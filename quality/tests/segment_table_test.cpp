// SPDX-License-Identifier: GPL-3.0-or-later
#include "quality/segment_table.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "core/tests/wave_fixtures.h"
#include "core/wave_file.h"

namespace sonarel::quality {
namespace {

using sonarel::testing::ScratchDir;

// Bursts of a 120-Hz impulse train, `voicedSeconds` long, separated by 100 ms of silence.
std::vector<std::int16_t> bursts(int count, double voicedSeconds) {
  const auto voiced = static_cast<std::size_t>(voicedSeconds * 44100);
  const std::size_t pause = 4410;
  std::vector<std::int16_t> x(count * (voiced + pause) + pause, 0);
  for (int b = 0; b < count; ++b) {
    const std::size_t from = pause + b * (voiced + pause);
    for (double t = 0; t < static_cast<double>(voiced); t += 367.5) {
      x[from + static_cast<std::size_t>(t)] = 20000;
    }
  }
  return x;
}

core::SampleBuffer recording(std::vector<std::int16_t> samples, std::uint32_t rate = 44100,
                             std::string path = {}) {
  core::SampleBuffer buffer;
  buffer.samples = std::move(samples);
  buffer.format = core::pcm16MonoFormat(rate);
  buffer.kind = core::FileKind::VocalQuality;
  buffer.path = std::move(path);
  return buffer;
}

// An analyser that records its calls and gives each segment one frame holding the call's
// number, failing every call listed in `failing`.
struct FakeAnalyser {
  std::vector<std::pair<std::int32_t, std::int32_t>> calls;  // (start, length)
  std::set<int> failing;

  VocalQualitySettings settings(bool useCache = false) {
    VocalQualitySettings s;
    s.useCache = useCache;
    s.analyser = [this](const std::int16_t*, std::int32_t count, std::uint16_t, void*,
                        SegmentResult* result, int) {
      calls.push_back({result->start, count});
      if (failing.count(static_cast<int>(calls.size()))) return 0;
      result->resizeFrames(1);
      result->values(Measure::Jitter)[0] = static_cast<float>(calls.size());
      return 1;
    };
    return s;
  }
};

TEST(SegmentTable, AnalysesEachVoicedBurstAndMarksTheTableReady) {
  auto rec = recording(bursts(3, 0.8));
  SegmentTable table;
  FakeAnalyser fake;
  const auto outcome = analyseVocalQuality(rec, table, fake.settings());
  EXPECT_FALSE(outcome.refused);
  EXPECT_TRUE(segmentsReady(rec));
  ASSERT_EQ(fake.calls.size(), 3u);
  ASSERT_EQ(table.segmentCount(), 3);
  for (const auto& s : table.segments) {
    EXPECT_NEAR(s.length, 0.8 * 44100, 800) << "start " << s.start;
  }
}

TEST(SegmentTable, AFailedSegmentLeavesNoGapAndTheTableStopsAtThirty) {
  auto rec = recording(bursts(33, 0.55));
  SegmentTable table;
  FakeAnalyser fake;
  fake.failing = {2};
  analyseVocalQuality(rec, table, fake.settings());
  EXPECT_EQ(fake.calls.size(), 31u) << "30 kept and the one that failed";
  ASSERT_EQ(table.segmentCount(), kMaxSegments);
  EXPECT_EQ(table.segments[1].value(Measure::Jitter, 0), 3.0f);
  EXPECT_EQ(table.segments[1].start, fake.calls[2].first);
}

TEST(SegmentTable, RatesBelow44100AreRefusedAndNothingChanges) {
  auto rec = recording(bursts(2, 0.8), 22050);
  SegmentTable table;
  table.segments.resize(2);
  FakeAnalyser fake;
  const auto outcome = analyseVocalQuality(rec, table, fake.settings());
  ASSERT_TRUE(outcome.refused);
  EXPECT_EQ(outcome.refused->text(), "The File must be 44100 Hz");
  EXPECT_EQ(table.segmentCount(), 2);
  EXPECT_FALSE(segmentsReady(rec));
  EXPECT_TRUE(fake.calls.empty());
}

TEST(SegmentTable, SilenceGivesAnEmptyButReadyTable) {
  auto rec = recording(std::vector<std::int16_t>(44100, 0));
  SegmentTable table;
  FakeAnalyser fake;
  analyseVocalQuality(rec, table, fake.settings());
  EXPECT_TRUE(segmentsReady(rec));
  EXPECT_EQ(table.segmentCount(), 0);
  EXPECT_TRUE(fake.calls.empty());
}

TEST(SegmentTable, EnsureSegmentsUsesTheCacheUntilTheRecordingChanges) {
  ScratchDir dir;
  const std::string wav = dir.file("qv001.wav");
  const std::string dat = dir.file("qv001.dat");
  auto rec = recording(bursts(2, 0.8), 44100, wav);
  SegmentTable table;
  FakeAnalyser fake;

  auto outcome = ensureSegments(rec, table, fake.settings(true));
  EXPECT_TRUE(outcome.analysed);
  EXPECT_EQ(outcome.cache, CacheStatus::Missing);
  ASSERT_TRUE(std::filesystem::exists(dat));
  const auto analysed = table.segments;

  outcome = ensureSegments(rec, table, fake.settings(true));  // ready: nothing happens
  EXPECT_FALSE(outcome.analysed);
  EXPECT_EQ(fake.calls.size(), 2u);

  rec.flags.clear();  // the recording is opened again
  outcome = ensureSegments(rec, table, fake.settings(true));
  EXPECT_EQ(outcome.cache, CacheStatus::Loaded);
  EXPECT_FALSE(outcome.analysed);
  EXPECT_EQ(table.segments, analysed);
  EXPECT_EQ(fake.calls.size(), 2u);

  rec.samples.resize(rec.samples.size() - 1);  // an edit left the cache stale
  rec.flags.clear();
  outcome = ensureSegments(rec, table, fake.settings(true));
  EXPECT_EQ(outcome.cache, CacheStatus::Stale);
  EXPECT_TRUE(outcome.analysed);
  EXPECT_EQ(fake.calls.size(), 4u);
  EXPECT_EQ(loadSegmentCache(dat, static_cast<std::uint32_t>(rec.count())).status,
            CacheStatus::Loaded)
      << "rewritten for the new length";
}

TEST(SegmentTable, ADamagedCacheIsReanalysedAndReplaced) {
  ScratchDir dir;
  const std::string wav = dir.file("qv002.wav");
  auto rec = recording(bursts(1, 0.8), 44100, wav);
  testing::Bytes absurd;
  testing::append32(absurd, static_cast<std::uint32_t>(rec.count()));
  testing::append32(absurd, 0x7FFFFFFF);
  dir.write("qv002.dat", absurd);
  SegmentTable table;
  FakeAnalyser fake;
  const auto outcome = ensureSegments(rec, table, fake.settings(true));
  EXPECT_EQ(outcome.cache, CacheStatus::Damaged);
  EXPECT_TRUE(outcome.analysed);
  EXPECT_EQ(table.segmentCount(), 1);
  EXPECT_EQ(loadSegmentCache(dir.file("qv002.dat"), static_cast<std::uint32_t>(rec.count())).status,
            CacheStatus::Loaded);
}

TEST(SegmentTable, AnAnalyserThatBreaksItsPromiseIsNotKept) {
  auto rec = recording(bursts(1, 0.8));
  SegmentTable table;
  VocalQualitySettings s;
  s.useCache = false;
  s.analyser = [](const std::int16_t*, std::int32_t, std::uint16_t, void*, SegmentResult* r, int) {
    r->frameCount = 3;  // but no arrays
    return 1;
  };
  analyseVocalQuality(rec, table, s);
  EXPECT_EQ(table.segmentCount(), 0);
}

TEST(SegmentTable, DiscardingAfterAnEditDeletesTheCache) {
  ScratchDir dir;
  auto rec = recording(bursts(1, 0.8), 44100, dir.file("qv003.wav"));
  SegmentTable table;
  FakeAnalyser fake;
  ensureSegments(rec, table, fake.settings(true));
  ASSERT_TRUE(std::filesystem::exists(dir.file("qv003.dat")));
  discardSegments(rec, table);
  EXPECT_FALSE(std::filesystem::exists(dir.file("qv003.dat")));
  EXPECT_FALSE(segmentsReady(rec));
  EXPECT_EQ(table.segmentCount(), 0);
}

}  // namespace
}  // namespace sonarel::quality
