// SPDX-License-Identifier: GPL-3.0-or-later
#include "quality/segment_table.h"

#include <filesystem>

#include "quality/glottal_pulses.h"
#include "quality/voiced_segments.h"

namespace sonarel::quality {

bool segmentsReady(const core::SampleBuffer& recording) {
  return recording.flags.segmentsComputed;
}

void freeSegments(SegmentTable& table) {
  table.segments = {};
}

VocalQualityOutcome analyseVocalQuality(core::SampleBuffer& recording, SegmentTable& table,
                                        const VocalQualitySettings& settings) {
  VocalQualityOutcome outcome;
  const std::uint32_t rate = recording.format.sampleRate;
  if (rate < 44100) {
    outcome.refused = core::Message{core::MessageId::FileMustBe44100};
    return outcome;
  }
  freeSegments(table);
  const PulseIntervals intervals = detectGlottalPulses(recording.samples, rate);
  const auto candidates =
      findVoicedSegments(intervals, recording.count(), static_cast<std::int32_t>(rate));
  for (const SegmentBounds& bounds : candidates) {
    if (table.segmentCount() >= kMaxSegments) break;
    SegmentResult result;
    result.start = bounds.start;
    result.length = bounds.length;
    const int status = settings.analyser(recording.samples.data() + bounds.start, bounds.length,
                                         static_cast<std::uint16_t>(rate), settings.window, &result,
                                         settings.language);
    // A result is only kept when the analyser kept its promise: frameCount values in each
    // of the seven arrays.
    if (status == kSegmentAnalysed && result.consistent()) {
      table.segments.push_back(std::move(result));
    }
  }
  outcome.analysed = true;
  recording.flags.segmentsComputed = true;
  if (const auto cache = segmentCachePath(recording.path); settings.useCache && cache) {
    outcome.cacheWarning =
        saveSegmentCache(*cache, static_cast<std::uint32_t>(recording.count()), table.segments);
  }
  return outcome;
}

CacheStatus loadSegmentCache(core::SampleBuffer& recording, SegmentTable& table) {
  const auto cache = segmentCachePath(recording.path);
  if (!cache) return CacheStatus::Missing;
  LoadedSegments loaded =
      quality::loadSegmentCache(*cache, static_cast<std::uint32_t>(recording.count()));
  if (loaded.status == CacheStatus::Missing) return loaded.status;
  freeSegments(table);
  if (loaded.status == CacheStatus::Loaded) {
    table.segments = std::move(loaded.segments);
    recording.flags.segmentsComputed = true;
  }
  return loaded.status;
}

VocalQualityOutcome ensureSegments(core::SampleBuffer& recording, SegmentTable& table,
                                   const VocalQualitySettings& settings) {
  VocalQualityOutcome outcome;
  if (segmentsReady(recording)) return outcome;
  if (settings.useCache) {
    outcome.cache = loadSegmentCache(recording, table);
    if (outcome.cache == CacheStatus::Loaded) return outcome;
  }
  const CacheStatus cache = outcome.cache;
  outcome = analyseVocalQuality(recording, table, settings);
  outcome.cache = cache;
  return outcome;
}

void discardSegments(core::SampleBuffer& recording, SegmentTable& table) {
  removeSegmentCache(recording.path);
  freeSegments(table);
  recording.flags.segmentsComputed = false;
}

}  // namespace sonarel::quality
