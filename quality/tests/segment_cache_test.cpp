// SPDX-License-Identifier: GPL-3.0-or-later
#include "quality/segment_cache.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>
#include <filesystem>
#include <limits>

#include "core/tests/kill_harness.h"
#include "core/tests/wave_fixtures.h"

namespace sonarel::quality {
namespace {

using sonarel::testing::Bytes;
using sonarel::testing::ScratchDir;

std::vector<SegmentResult> twoSegments() {
  std::vector<SegmentResult> segments(2);
  segments[0].start = 1200;
  segments[0].length = 33075;  // 0.75 s at 44100 Hz: room for two 500-ms frames
  segments[0].resizeFrames(2);
  float v = 0.5f;
  for (Measure m : kAllMeasures) {
    for (float& x : segments[0].values(m)) x = (v += 1.25f);
  }
  segments[1].start = 40000;
  segments[1].length = 22100;
  segments[1].resizeFrames(1);
  segments[1].values(Measure::F0)[0] = 121.5f;
  return segments;
}

Bytes asBytes(const std::string& s) {
  return Bytes(s.begin(), s.end());
}

TEST(SegmentCache, LayoutIsFixedFieldByField) {
  std::vector<SegmentResult> one(1);
  one[0].start = 3;
  one[0].length = 22051;
  one[0].resizeFrames(1);
  for (Measure m : kAllMeasures) one[0].values(m)[0] = 1.0f;  // 0x3F800000
  Bytes expected;
  testing::append32(expected, 0x01020304);  // sampleCount
  testing::append32(expected, 1);           // segmentCount
  testing::append32(expected, 1);           // frameCount
  testing::append32(expected, 3);           // start
  testing::append32(expected, 22051);       // length
  for (int i = 0; i < kMeasureCount; ++i) testing::append32(expected, 0x3F800000);
  EXPECT_EQ(asBytes(encodeSegmentCache(0x01020304, one)), expected);
}

TEST(SegmentCache, SavedFileRoundTripsByteForByte) {
  ScratchDir dir;
  const std::string path = dir.file("qv001.dat");
  const auto segments = twoSegments();
  ASSERT_FALSE(saveSegmentCache(path, 88200, segments));
  const Bytes written = testing::readBytes(path);
  EXPECT_EQ(written, asBytes(encodeSegmentCache(88200, segments)));
  const LoadedSegments loaded = loadSegmentCache(path, 88200);
  ASSERT_EQ(loaded.status, CacheStatus::Loaded);
  EXPECT_EQ(loaded.segments, segments);
  EXPECT_EQ(asBytes(encodeSegmentCache(88200, loaded.segments)), written);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1)
      << "no temporary file left behind";
}

TEST(SegmentCache, ACacheForAnotherLengthIsDeleted) {
  ScratchDir dir;
  const std::string path = dir.file("qv001.dat");
  ASSERT_FALSE(saveSegmentCache(path, 88200, twoSegments()));
  EXPECT_EQ(loadSegmentCache(path, 88201).status, CacheStatus::Stale);
  EXPECT_FALSE(std::filesystem::exists(path));
  EXPECT_EQ(loadSegmentCache(path, 88200).status, CacheStatus::Missing);
}

TEST(SegmentCache, EveryTruncationIsDamagedNotACrash) {
  const Bytes whole = asBytes(encodeSegmentCache(88200, twoSegments()));
  for (std::size_t size = 0; size < whole.size(); ++size) {
    const Bytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size));
    const LoadedSegments loaded = decodeSegmentCache(cut, 88200);
    EXPECT_EQ(loaded.status, CacheStatus::Damaged) << size << " bytes";
    EXPECT_TRUE(loaded.segments.empty());
  }
}

TEST(SegmentCache, CountsTheFileCannotHoldAreDamaged) {
  const std::string whole = encodeSegmentCache(88200, twoSegments());
  auto patched = [&](std::size_t offset, std::uint32_t value) {
    std::string b = whole;
    for (int i = 0; i < 4; ++i) b[offset + i] = static_cast<char>(value >> (8 * i));
    return asBytes(b);
  };
  const struct {
    const char* name;
    Bytes bytes;
  } rows[] = {
      {"segment count 2^31 - 1", patched(4, 0x7FFFFFFF)},
      {"negative segment count", patched(4, 0xFFFFFFFF)},
      {"one segment too many", patched(4, 3)},
      {"frame count 2^30", patched(8, 0x40000000)},
      {"negative frame count", patched(8, 0x80000000)},
      {"frame count past the end of the file", patched(8, 4)},
      {"one segment fewer than the file holds", patched(4, 1)},
      {"segment starting before the recording", patched(12, 0xFFFFFFFF)},
      {"segment running past the recording", patched(16, 88200)},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(decodeSegmentCache(row.bytes, 88200).status, CacheStatus::Damaged) << row.name;
  }
}

TEST(SegmentCache, WhatNoAnalysisCouldHaveWrittenIsDamaged) {
  const std::string whole = encodeSegmentCache(88200, twoSegments());
  auto firstMeasure = [&](float value) {
    std::string b = whole;
    std::memcpy(&b[20], &value, 4);  // after sample count, segment count and one header
    return asBytes(b);
  };
  EXPECT_EQ(decodeSegmentCache(firstMeasure(-3.5f), 88200).status, CacheStatus::Loaded);
  for (float bad : {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
                    -std::numeric_limits<float>::infinity()}) {
    EXPECT_EQ(decodeSegmentCache(firstMeasure(bad), 88200).status, CacheStatus::Damaged) << bad;
  }

  // The analysis keeps at most 30 segments.
  std::vector<SegmentResult> many(30);
  for (std::size_t i = 0; i < many.size(); ++i) {
    many[i].start = static_cast<std::int32_t>(100 * i);
    many[i].length = 100;
  }
  EXPECT_EQ(decodeSegmentCache(asBytes(encodeSegmentCache(88200, many)), 88200).status,
            CacheStatus::Loaded);
  many.push_back(many.back());
  many.back().start += 100;
  EXPECT_EQ(decodeSegmentCache(asBytes(encodeSegmentCache(88200, many)), 88200).status,
            CacheStatus::Damaged);

  // Frames are 500-ms windows 250 ms apart: 22050 and 11025 samples at 44100 Hz.
  const struct {
    std::int32_t length, frames;
    CacheStatus expected;
  } fits[] = {
      {100, 0, CacheStatus::Loaded},    {100, 1, CacheStatus::Damaged},
      {22049, 1, CacheStatus::Damaged}, {22050, 1, CacheStatus::Loaded},
      {33074, 2, CacheStatus::Damaged}, {33075, 2, CacheStatus::Loaded},
  };
  for (const auto& row : fits) {
    std::vector<SegmentResult> one(1);
    one[0].length = row.length;
    one[0].resizeFrames(row.frames);
    EXPECT_EQ(decodeSegmentCache(asBytes(encodeSegmentCache(88200, one)), 88200).status,
              row.expected)
        << row.length << " samples, " << row.frames << " frames";
  }

  // Segments follow one another through the recording.
  auto reordered = twoSegments();
  std::swap(reordered[0], reordered[1]);
  EXPECT_EQ(decodeSegmentCache(asBytes(encodeSegmentCache(88200, reordered)), 88200).status,
            CacheStatus::Damaged);
  auto overlapping = twoSegments();
  overlapping[1].start = overlapping[0].start + overlapping[0].length - 1;
  EXPECT_EQ(decodeSegmentCache(asBytes(encodeSegmentCache(88200, overlapping)), 88200).status,
            CacheStatus::Damaged);
  overlapping[1].start += 1;  // touching is allowed
  EXPECT_EQ(decodeSegmentCache(asBytes(encodeSegmentCache(88200, overlapping)), 88200).status,
            CacheStatus::Loaded);
}

TEST(SegmentCache, AFifoInPlaceOfTheCacheIsNoCache) {
  ScratchDir dir;
  const std::string path = dir.file("qv001.dat");
  ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
  EXPECT_EQ(loadSegmentCache(path, 88200).status, CacheStatus::Missing);
}

TEST(SegmentCache, AnEmptyTableIsACache) {
  // A recording without voicing is remembered too, so it is not analysed again.
  const LoadedSegments loaded = decodeSegmentCache(asBytes(encodeSegmentCache(5, {})), 5);
  EXPECT_EQ(loaded.status, CacheStatus::Loaded);
  EXPECT_TRUE(loaded.segments.empty());
}

TEST(SegmentCache, AFailedSaveSaysSoAndLeavesNothingBehind) {
  ScratchDir dir;
  // A folder that does not exist: the temporary file cannot even be created.
  auto failed = saveSegmentCache(dir.file("missing/qv001.dat"), 88200, twoSegments());
  ASSERT_TRUE(failed);
  EXPECT_EQ(failed->text(), "It\u00b4s not possible to Open conf. File! Is It Read-Only?");
  // A target that cannot be replaced (a folder of that name): the rename fails, and the
  // temporary file is cleaned up.
  std::filesystem::create_directories(dir.file("qv002.dat/keep"));
  failed = saveSegmentCache(dir.file("qv002.dat"), 88200, twoSegments());
  EXPECT_TRUE(failed);
  EXPECT_TRUE(std::filesystem::is_directory(dir.file("qv002.dat/keep")));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(SegmentCache, OnlyAWaveFileHasACacheBesideIt) {
  EXPECT_EQ(segmentCachePath("pac001/qv003.wav"), "pac001/qv003.dat");
  EXPECT_EQ(segmentCachePath("/x/voice.WAV"), "/x/voice.dat");
  EXPECT_EQ(segmentCachePath("/d/TAKE.WAV"), "/d/TAKE.dat");
  EXPECT_FALSE(segmentCachePath("/d/recording"));  // "recordat" is someone else's file
  EXPECT_FALSE(segmentCachePath("wav"));
}

TEST(SegmentCache, AFullDiskKeepsTheOldCache) {
  ScratchDir dir;
  const std::string path = dir.file("qv001.dat");
  ASSERT_FALSE(saveSegmentCache(path, 88200, twoSegments()));
  std::vector<SegmentResult> many;
  for (int copy = 0; copy < 25; ++copy) many.push_back(twoSegments()[0]);
  for (std::size_t i = 0; i < many.size(); ++i) many[i].start = static_cast<std::int32_t>(i);
  sonarel::testing::expectFullDiskKeepsTheOldFile(
      path, [&] { return !saveSegmentCache(path, 88200, many); }, 200);
}

TEST(SegmentCache, AReadOnlyFolderKeepsTheOldCache) {
  ScratchDir dir;
  const std::string path = dir.file("qv001.dat");
  ASSERT_FALSE(saveSegmentCache(path, 88200, twoSegments()));
  auto one = twoSegments();
  one.resize(1);
  sonarel::testing::expectReadOnlyFolderKeepsTheOldFile(
      path, [&] { return !saveSegmentCache(path, 88200, one); });
}

TEST(SegmentCache, AKillDuringASaveLeavesTheOldCacheOrTheNew) {
  ScratchDir dir;
  const std::string path = dir.file("qv001.dat");
  std::vector<SegmentResult> tables[2] = {twoSegments(), twoSegments()};
  tables[1].resize(1);
  for (int copy = 0; copy < 200; ++copy) tables[0].push_back(tables[0][1]);  // a long file
  std::vector<Bytes> contents;
  for (const auto& table : tables) {
    ASSERT_FALSE(saveSegmentCache(path, 88200, table));
    contents.push_back(sonarel::testing::readBytes(path));
  }
  sonarel::testing::expectKillSafe(
      path, [&](int i) { return !saveSegmentCache(path, 88200, tables[i % 2]); }, contents);
}

}  // namespace
}  // namespace sonarel::quality
