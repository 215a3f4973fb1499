// SPDX-License-Identifier: GPL-3.0-or-later
#include "quality/frame_timing.h"

namespace sonarel::quality {
namespace {

constexpr double kVocalQualityRate = 44100.0;

}  // namespace

std::int32_t frameSpanMilliseconds(std::int32_t frameCount) {
  if (frameCount <= 0) return 0;
  return static_cast<std::int32_t>((static_cast<std::int64_t>(frameCount) + 1) * 250 / frameCount);
}

double frameSpanSamples(std::int32_t frameCount) {
  return frameSpanMilliseconds(frameCount) / 1000.0 * kVocalQualityRate;
}

FrameSpan frameSpan(const SegmentResult& segment, std::int32_t frame) {
  const double span = frameSpanSamples(segment.frameCount);
  return {segment.start + frame * span, segment.start + (frame + 1) * span};
}

bool frameInRange(const SegmentResult& segment, std::int32_t frame, double rangeFirst,
                  double rangeLast) {
  const FrameSpan s = frameSpan(segment, frame);
  return s.first >= rangeFirst && s.end <= rangeLast;
}

}  // namespace sonarel::quality
