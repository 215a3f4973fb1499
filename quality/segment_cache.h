// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The segment cache beside a vocal-quality recording ("qv001.wav" -> "qv001.dat"), so that
// reopening a recording does not rerun the segment analysis.
//
// Layout, little-endian, no other header:
//   sampleCount   uint32   N of the recording the results belong to
//   segmentCount  int32
//   per segment:  frameCount int32, start int32, length int32, then the seven arrays of
//                 frameCount IEEE floats each: jitter, shimmer, F0, GNE, correlation,
//                 irregularity, noise.
//
// The loader trusts nothing it reads. A negative count, a count of segments or frames that
// the rest of the file is too short to hold, more segments than the analysis keeps (30), a
// segment that does not lie inside the recording or overlaps the one before, more frames than 500-ms windows fit in
// its length at 44100 Hz, a measure that is NaN or infinite, or bytes left over after the
// last segment mark the cache as damaged: it is ignored and the recording analysed again. So a
// corrupted file can never make the loader allocate more than the file's own size, nor pass a
// misaligned table off as results.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/message.h"
#include "quality/analysis/segment_result.h"

namespace sonarel::quality {

// The cache of the recording at `recordingPath`: the path with "wav" replaced by "dat".
// Nothing for a path that does not end in ".wav" (any case), so that no other file is ever
// read, written or deleted as a cache.
std::optional<std::string> segmentCachePath(const std::string& recordingPath);
// Deletes the cache of that recording, if it has one: its segments describe the sound before
// a change.
void removeSegmentCache(const std::string& recordingPath);

std::string encodeSegmentCache(std::uint32_t sampleCount, std::span<const SegmentResult> segments);

enum class CacheStatus {
  Loaded,
  Missing,
  Stale,    // written for a recording of another length; the file has been deleted
  Damaged,  // truncated or inconsistent; left in place, to be overwritten
};

struct LoadedSegments {
  CacheStatus status = CacheStatus::Missing;
  std::vector<SegmentResult> segments;  // only when Loaded
};

LoadedSegments decodeSegmentCache(std::span<const std::uint8_t> bytes, std::uint32_t sampleCount);

// Reads the cache at `path` for a recording of `sampleCount` samples; deletes it when it
// belongs to a recording of another length.
LoadedSegments loadSegmentCache(const std::string& path, std::uint32_t sampleCount);

// Writes the cache through a temporary file renamed into place. On failure the previous
// cache is untouched and the message to show is returned.
std::optional<core::Message> saveSegmentCache(const std::string& path, std::uint32_t sampleCount,
                                              std::span<const SegmentResult> segments);

}  // namespace sonarel::quality
