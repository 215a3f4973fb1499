// SPDX-License-Identifier: GPL-3.0-or-later
#include "quality/segment_cache.h"

#include <bit>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "core/atomic_file.h"
#include "core/regular_file.h"
#include "quality/analysis/analysis_frames.h"
#include "quality/segment_table.h"

namespace sonarel::quality {
namespace {

constexpr std::size_t kSegmentHeaderBytes = 12;
constexpr std::size_t kFrameBytes = kMeasureCount * 4;
// No cache the analysis writes comes near this: 30 segments of a two-minute recording take
// well under a megabyte.
constexpr std::uintmax_t kLargestPlausibleCache = 64u << 20;
// Vocal-quality recordings are analysed at 44100 Hz or more, so no segment holds more
// frames than it would at 44100 Hz.
constexpr std::int32_t kVocalQualityRate = 44100;

void put32(std::string& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

class Reader {
 public:
  explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  std::size_t remaining() const { return bytes_.size() - at_; }
  std::optional<std::uint32_t> u32() {
    if (remaining() < 4) return std::nullopt;
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= std::uint32_t(bytes_[at_ + i]) << (8 * i);
    at_ += 4;
    return v;
  }
  std::optional<std::int32_t> i32() {
    auto v = u32();
    if (!v) return std::nullopt;
    return static_cast<std::int32_t>(*v);
  }
  float f32() { return std::bit_cast<float>(*u32()); }  // callers check remaining() first

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t at_ = 0;
};

}  // namespace

std::optional<std::string> segmentCachePath(const std::string& recordingPath) {
  const std::size_t size = recordingPath.size();
  if (size < 4 || recordingPath[size - 4] != '.') return std::nullopt;
  std::string extension = recordingPath.substr(size - 3);
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (extension != "wav") return std::nullopt;
  return recordingPath.substr(0, size - 3) + "dat";
}

void removeSegmentCache(const std::string& recordingPath) {
  if (const auto cache = segmentCachePath(recordingPath)) {
    std::error_code ignored;
    std::filesystem::remove(*cache, ignored);
  }
}

std::string encodeSegmentCache(std::uint32_t sampleCount, std::span<const SegmentResult> segments) {
  std::string out;
  put32(out, sampleCount);
  put32(out, static_cast<std::uint32_t>(segments.size()));
  for (const SegmentResult& s : segments) {
    put32(out, static_cast<std::uint32_t>(s.frameCount));
    put32(out, static_cast<std::uint32_t>(s.start));
    put32(out, static_cast<std::uint32_t>(s.length));
    for (Measure m : kAllMeasures) {
      for (std::int32_t k = 0; k < s.frameCount; ++k) {
        const float v = k < static_cast<std::int32_t>(s.values(m).size()) ? s.values(m)[k] : 0.0f;
        put32(out, std::bit_cast<std::uint32_t>(v));
      }
    }
  }
  return out;
}

LoadedSegments decodeSegmentCache(std::span<const std::uint8_t> bytes, std::uint32_t sampleCount) {
  Reader in(bytes);
  const auto stored = in.u32();
  if (!stored) return {CacheStatus::Damaged, {}};
  if (*stored != sampleCount) return {CacheStatus::Stale, {}};
  const auto segmentCount = in.i32();
  if (!segmentCount || *segmentCount < 0 || *segmentCount > kMaxSegments ||
      static_cast<std::size_t>(*segmentCount) > in.remaining() / kSegmentHeaderBytes) {
    return {CacheStatus::Damaged, {}};
  }
  LoadedSegments loaded{CacheStatus::Loaded, {}};
  loaded.segments.resize(static_cast<std::size_t>(*segmentCount));
  std::int64_t previousEnd = 0;
  for (SegmentResult& s : loaded.segments) {
    const auto frames = in.i32(), start = in.i32(), length = in.i32();
    if (!frames || !start || !length || *frames < 0 ||
        static_cast<std::size_t>(*frames) > in.remaining() / kFrameBytes) {
      return {CacheStatus::Damaged, {}};
    }
    // The segments of a recording follow one another without overlapping.
    const std::int64_t end = static_cast<std::int64_t>(*start) + *length;
    if (*start < previousEnd || *length < 0 || end > static_cast<std::int64_t>(sampleCount)) {
      return {CacheStatus::Damaged, {}};
    }
    previousEnd = end;
    // More frames than 500-ms windows fit in the segment: no analysis wrote that.
    if (*frames > analysisFramesFor(*length, kVocalQualityRate).count) {
      return {CacheStatus::Damaged, {}};
    }
    s.start = *start;
    s.length = *length;
    s.resizeFrames(*frames);
    for (Measure m : kAllMeasures) {
      for (float& v : s.values(m)) {
        v = in.f32();
        if (!std::isfinite(v)) return {CacheStatus::Damaged, {}};
      }
    }
  }
  if (in.remaining() != 0) return {CacheStatus::Damaged, {}};
  return loaded;
}

LoadedSegments loadSegmentCache(const std::string& path, std::uint32_t sampleCount) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error) return {CacheStatus::Missing, {}};
  if (size > kLargestPlausibleCache) return {CacheStatus::Damaged, {}};
  // Anything but a regular file (a FIFO would block the read) is no cache at all.
  const auto contents = core::readRegularFile(path, static_cast<std::size_t>(size));
  if (!contents) return {CacheStatus::Missing, {}};
  const std::vector<std::uint8_t> bytes(contents->begin(), contents->end());
  LoadedSegments loaded = decodeSegmentCache(bytes, sampleCount);
  if (loaded.status == CacheStatus::Stale) std::filesystem::remove(path, error);
  return loaded;
}

std::optional<core::Message> saveSegmentCache(const std::string& path, std::uint32_t sampleCount,
                                              std::span<const SegmentResult> segments) {
  if (!core::writeFileAtomically(path, encodeSegmentCache(sampleCount, segments))) {
    return core::writeFailure(path, {core::MessageId::CannotOpenConfFile});
  }
  return std::nullopt;
}

}  // namespace sonarel::quality
