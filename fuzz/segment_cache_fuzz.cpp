// SPDX-License-Identifier: GPL-3.0-or-later
// Outside bytes as a segment cache. The first four bytes choose the length of the recording
// the cache is checked against; a cache that loads must be possible for that recording.
#include <cmath>
#include <cstdint>
#include <span>

#include "quality/segment_cache.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 4) return 0;
  const std::uint32_t sampleCount = static_cast<std::uint32_t>(data[0]) | data[1] << 8 |
                                    data[2] << 16 | static_cast<std::uint32_t>(data[3]) << 24;
  const auto loaded =
      sonarel::quality::decodeSegmentCache(std::span(data + 4, size - 4), sampleCount);
  if (loaded.status == sonarel::quality::CacheStatus::Loaded) {
    if (loaded.segments.size() > 30) __builtin_trap();
    std::int64_t previousEnd = 0;
    for (const auto& segment : loaded.segments) {
      const std::int64_t end = std::int64_t{segment.start} + segment.length;
      if (segment.start < previousEnd || segment.length < 0 || end > sampleCount) __builtin_trap();
      previousEnd = end;
      if (!segment.consistent()) __builtin_trap();
      for (const auto& values : segment.measures) {
        for (float v : values) {
          if (!std::isfinite(v)) __builtin_trap();
        }
      }
    }
  }
  return 0;
}
