// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The segment analysis: one voiced segment of a vocal-quality recording in, seven measures
// per analysis frame out.
//
// Stages:
//   1. the samples as floats with their mean removed, turned so that the largest peaks are
//      positive (so an inverted recording gives the same results);
//   2. every glottal cycle marked to a fraction of a sample by waveform matching
//      (period_marking.h);
//   3. analysis frames of 500 ms every 250 ms (analysis_frames.h); per frame, from the
//      cycles wholly inside it: jitter PPQ5 %, shimmer EPQ11 % of the cycles' mean-square
//      energies, F0 from the mean period, the mean waveform correlation (cycle_measures.h);
//   4. per frame GNE with 3-kHz bands (gne.h);
//   5. per frame irregularity 0..10 and noise 0..5 (axis_mapping.h).
// A measure that cannot be computed in a frame (too few valid cycles) is 0, the value the
// displays and the report read as "none".
//
// Thread-safe: no state outside the call.

#include <cstdint>
#include <optional>
#include <span>

#include "quality/analysis/segment_result.h"

namespace sonarel::quality {

constexpr int kSegmentAnalysed = 1;
constexpr int kSegmentNotAnalysed = 0;
constexpr std::uint16_t kSegmentAnalysisRate = 44100;

// The library's entry point, with the workstation's call contract:
//   samples    the segment's first sample; `count` samples are read;
//   rate       Hz; only 44100 is analysed;
//   window     the caller's window, unused (the analysis shows nothing itself);
//   result     start and length already set by the caller; on success frameCount and the
//              seven arrays are filled (the arrays belong to `result`, nothing to free);
//   language   0 English, 1 Spanish, 2 Korean, 3 Portuguese; unused (no texts).
// Returns kSegmentAnalysed, or kSegmentNotAnalysed for a null pointer, another rate, or a
// segment shorter than one frame, in which case `result` has no frames.
int analyseSegment(const std::int16_t* samples, std::int32_t count, std::uint16_t rate,
                   void* window, SegmentResult* result, int language);

// The same as a plain function: frameCount and the seven arrays (start and length 0), or
// nothing.
std::optional<SegmentResult> measureSegment(std::span<const std::int16_t> samples,
                                            std::uint16_t rate);

}  // namespace sonarel::quality
