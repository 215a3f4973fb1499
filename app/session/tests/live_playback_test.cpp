// SPDX-License-Identifier: GPL-3.0-or-later
// The 680 output blocks of a live display, the column the played samples reach, and the frames
// of the live spectra.

#include "app/session/live_playback.h"

#include <gtest/gtest.h>

#include <cmath>

namespace sonarel::app {
namespace {

TEST(LiveBlocks, ShortRecordingsPlayOneBlockAndTheEmptyBlocksFinishWithIt) {
  for (const std::int64_t n : {0, 1, 700, 819, 1000, 1500, 2179}) {
    const LiveBlocks blocks = LiveBlocks::of(n);
    EXPECT_EQ(blocks.step, 0) << n;
    EXPECT_EQ(blocks.first, std::min<std::int64_t>(n, 1500)) << "never past the recording: " << n;
    EXPECT_EQ(blocks.playedLength(), blocks.first) << n;
    if (n > 0) {
      EXPECT_EQ(blocks.finishedBlocks(blocks.first - 1), 0) << n;
    }
    EXPECT_EQ(blocks.finishedBlocks(blocks.first), kLiveColumns) << n;
    EXPECT_EQ(columnAfter(blocks.finishedBlocks(blocks.first)), -1) << "the display ends";
  }
  EXPECT_EQ(LiveBlocks::of(2180).step, 1) << "the first recording with a block after the first";
}

TEST(LiveBlocks, TheBlocksFollowTheFirstAndTheTailIsNotPlayed) {
  const std::int64_t n = 1500 + 680 * 30 + 17;
  const LiveBlocks blocks = LiveBlocks::of(n);
  EXPECT_EQ(blocks.first, 1500);
  EXPECT_EQ(blocks.step, 30);
  EXPECT_EQ(blocks.playedLength(), 1500 + 679 * 30);
  EXPECT_EQ(n - blocks.playedLength(), 30 + 17) << "the unheard tail";

  EXPECT_EQ(blocks.finishedBlocks(0), 0);
  EXPECT_EQ(blocks.finishedBlocks(1499), 0);
  EXPECT_EQ(blocks.finishedBlocks(1500), 1);
  EXPECT_EQ(blocks.finishedBlocks(1529), 1);
  EXPECT_EQ(blocks.finishedBlocks(1530), 2);
  EXPECT_EQ(blocks.finishedBlocks(blocks.playedLength() - 1), 679);
  EXPECT_EQ(blocks.finishedBlocks(blocks.playedLength()), 680);
  EXPECT_EQ(blocks.finishedBlocks(n + 1000), 680);
  EXPECT_EQ(columnAfter(679), 679);
  EXPECT_EQ(columnAfter(680), -1);
}

TEST(LiveSpectra, AFrameIsComputedEveryIntervalAndHeldBetween) {
  EXPECT_EQ(liveFrameInterval(511, 512), kLiveColumns) << "no whole frame: computed once";
  EXPECT_EQ(liveFrameInterval(512 * 68, 512), 10);
  EXPECT_EQ(liveFrameInterval(512 * 2000, 512), 1) << "more frames than columns";
  EXPECT_EQ(liveFrameInterval(1000, 0), kLiveColumns);

  // 68 frames of 256 samples: one spectrum every 10 columns, that of the frame at c * (N/680).
  std::vector<std::int16_t> samples(256 * 68);
  for (std::size_t i = 0; i < samples.size(); ++i)
    samples[i] = static_cast<std::int16_t>(8000 * std::sin(0.2 * static_cast<double>(i)) *
                                           (i < samples.size() / 2 ? 1.0 : 0.1));
  const spectral::PowerSpectrumSettings settings{.fftSize = 256};
  const LiveSpectra spectra = livePowerSpectra(samples, settings);
  ASSERT_EQ(spectra.frameOfColumn.size(), static_cast<std::size_t>(kLiveColumns));
  EXPECT_EQ(spectra.levels.size(), 68u);
  EXPECT_EQ(spectra.at(0), spectra.at(9));
  EXPECT_NE(spectra.at(9), spectra.at(10));
  EXPECT_EQ(spectra.at(-1), nullptr);
  EXPECT_EQ(spectra.at(kLiveColumns), nullptr);
  // The loud first half and the quiet second half give their own levels.
  const std::size_t peak = 256 * 2 / 63;  // bin of 0.2 rad per sample
  EXPECT_GT((*spectra.at(0))[peak], (*spectra.at(600))[peak] + 15);

  const LiveSpectra lpc = liveLpcSpectra(samples, spectral::LpcSettings{});
  ASSERT_NE(lpc.at(0), nullptr);
  EXPECT_EQ(lpc.at(0)->size(), static_cast<std::size_t>(spectral::kLpcSpectrumPoints));
  // 256-sample frames: N / 256 = 68 frames, so one every 10 columns.
  EXPECT_EQ(lpc.at(0), lpc.at(9));
  EXPECT_NE(lpc.at(9), lpc.at(10));

  const LiveSpectra none = livePowerSpectra(std::span(samples).first(100), settings);
  EXPECT_EQ(none.at(0), nullptr) << "a frame past the recording shows nothing";
}

}  // namespace
}  // namespace sonarel::app
