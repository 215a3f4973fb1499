// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The segment results of the open vocal-quality recording, as the main view holds them,
// and the commands that fill them: analysis, cache load, and the "analyse once" entry that
// every vocal-quality display calls first.
//
// The table is ready when the recording's flags say segmentsComputed (segmentsReady); the
// flags are cleared whenever a recording is opened or edited, so each recording is analysed
// or loaded once.

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "core/message.h"
#include "core/sample_buffer.h"
#include "quality/analysis/analyse_segment.h"
#include "quality/analysis/segment_result.h"
#include "quality/segment_cache.h"

namespace sonarel::quality {

// The table has room for 30 segments; analysis stops once 30 have results (more than 15 s
// of voicing broken by pauses).
constexpr int kMaxSegments = 30;

struct SegmentTable {
  std::vector<SegmentResult> segments;

  std::int32_t segmentCount() const { return static_cast<std::int32_t>(segments.size()); }
};

// The analysis library's call, replaceable for tests.
using SegmentAnalyser =
    std::function<int(const std::int16_t* samples, std::int32_t count, std::uint16_t rate,
                      void* window, SegmentResult* result, int language)>;

struct VocalQualitySettings {
  SegmentAnalyser analyser = analyseSegment;
  void* window = nullptr;  // passed on to the analyser
  int language = 0;        // 0 English, 1 Spanish, 2 Korean, 3 Portuguese
  bool useCache = true;    // read and write the ".dat" beside the recording
};

struct VocalQualityOutcome {
  std::optional<core::Message> refused;       // "The File must be 44100 Hz": nothing changed
  std::optional<core::Message> cacheWarning;  // the cache could not be written
  CacheStatus cache = CacheStatus::Missing;   // what the cache load found, when tried
  bool analysed = false;                      // the analysis ran
};

bool segmentsReady(const core::SampleBuffer& recording);

// Frees every segment's arrays and empties the table.
void freeSegments(SegmentTable& table);

// Pulses, segmentation and the analysis of each segment; then the cache is saved (when the
// settings use it and the recording has a path). Refused, with nothing changed, when the
// recording's rate is below 44100 Hz.
VocalQualityOutcome analyseVocalQuality(core::SampleBuffer& recording, SegmentTable& table,
                                        const VocalQualitySettings& settings = {});

// Fills the table from the recording's cache when it matches; frees it otherwise.
CacheStatus loadSegmentCache(core::SampleBuffer& recording, SegmentTable& table);

// Nothing when the segments are ready; else the cache, else the analysis.
VocalQualityOutcome ensureSegments(core::SampleBuffer& recording, SegmentTable& table,
                                   const VocalQualitySettings& settings = {});

// After an edit of the samples: the cache no longer matches them, so it is deleted and the
// table marked as not ready.
void discardSegments(core::SampleBuffer& recording, SegmentTable& table);

}  // namespace sonarel::quality
