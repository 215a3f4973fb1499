// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/session/live_playback.h"

#include <algorithm>

namespace sonarel::app {
namespace {

constexpr int kLpcFrame = 256;

// One spectrum per frame start, `compute(start, levels)` filling it; columns whose frame would
// run past the recording show nothing.
template <typename Compute>
LiveSpectra spectraOf(std::int64_t count, int frameLength, Compute compute) {
  LiveSpectra spectra;
  spectra.frameOfColumn.assign(kLiveColumns, -1);
  const std::int64_t perColumn = count / kLiveColumns;
  const int interval = liveFrameInterval(count, frameLength);
  for (int c = 0; c < kLiveColumns; ++c) {
    if (c % interval != 0) {
      spectra.frameOfColumn[static_cast<std::size_t>(c)] =
          spectra.frameOfColumn[static_cast<std::size_t>(c - 1)];
      continue;
    }
    const std::int64_t start = c * perColumn;
    if (start + frameLength > count) continue;
    std::vector<float> levels;
    if (!compute(start, levels)) continue;
    spectra.levels.push_back(std::move(levels));
    spectra.frameOfColumn[static_cast<std::size_t>(c)] =
        static_cast<int>(spectra.levels.size()) - 1;
  }
  return spectra;
}

}  // namespace

LiveBlocks LiveBlocks::of(std::int64_t sampleCount) {
  LiveBlocks blocks;
  blocks.first = std::clamp<std::int64_t>(sampleCount, 0, kLiveFirstBlock);
  blocks.step = std::max<std::int64_t>(0, (sampleCount - kLiveFirstBlock) / kLiveColumns);
  return blocks;
}

int LiveBlocks::finishedBlocks(std::int64_t played) const {
  if (played < first) return 0;
  if (step == 0) return kLiveColumns;  // the empty blocks complete with the first
  return static_cast<int>(std::min<std::int64_t>(kLiveColumns, 1 + (played - first) / step));
}

const std::vector<float>* LiveSpectra::at(int column) const {
  if (column < 0 || column >= static_cast<int>(frameOfColumn.size())) return nullptr;
  const int frame = frameOfColumn[static_cast<std::size_t>(column)];
  return frame < 0 ? nullptr : &levels[static_cast<std::size_t>(frame)];
}

int liveFrameInterval(std::int64_t sampleCount, int frameLength) {
  const std::int64_t frames = frameLength > 0 ? sampleCount / frameLength : 0;
  if (frames <= 0) return kLiveColumns;
  return static_cast<int>(std::max<std::int64_t>(1, kLiveColumns / frames));
}

LiveSpectra liveLpcSpectra(std::span<const std::int16_t> samples,
                           const spectral::LpcSettings& settings) {
  spectral::DitherSource dither(1);
  return spectraOf(static_cast<std::int64_t>(samples.size()), kLpcFrame,
                   [&](std::int64_t start, std::vector<float>& levels) {
                     levels.assign(spectral::kLpcSpectrumPoints, -100.0f);
                     return spectral::LpcEnvelope(samples.data() + start, kLpcFrame, levels.data(),
                                                  settings.order, settings.window,
                                                  dither) == spectral::LpcStatus::Success;
                   });
}

LiveSpectra livePowerSpectra(std::span<const std::int16_t> samples,
                             const spectral::PowerSpectrumSettings& settings) {
  return spectraOf(static_cast<std::int64_t>(samples.size()), settings.fftSize,
                   [&](std::int64_t start, std::vector<float>& levels) {
                     levels = spectral::PowerSpectrum(samples, start, start + settings.fftSize,
                                                      settings);
                     return true;
                   });
}

}  // namespace sonarel::app
