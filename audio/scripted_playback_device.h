// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A playback device for tests: it records what it was asked to play, can be told to refuse,
// plays to a clock the test moves (setPlayed), and finishes only when the test says so: it
// runs out (runOut), or its output is lost (loseOutput).

#include <algorithm>
#include <vector>

#include "audio/playback_device.h"

namespace sonarel::audio {

class ScriptedPlaybackDevice : public PlaybackDevice {
  Q_OBJECT
 public:
  using PlaybackDevice::PlaybackDevice;

  std::optional<core::Message> play(const core::WaveFormat& format,
                                    std::span<const std::int16_t> samples) override {
    if (refusal) return core::Message{*refusal};
    if (playing_) stop();
    playing_ = true;
    position_ = 0;
    played.emplace_back(samples.begin(), samples.end());
    lastFormat = format;
    return std::nullopt;
  }
  void stop() override {
    if (!playing_) return;
    playing_ = false;
    ++stops;
    emit finished();
  }
  bool isPlaying() const override { return playing_; }
  std::int64_t playedSamples() const override { return position_; }
  // Moves the clock: `samples` of the current playback have been heard (kept within it).
  void setPlayed(std::int64_t samples) {
    if (!playing_) return;
    const auto length = static_cast<std::int64_t>(played.back().size());
    position_ = std::clamp<std::int64_t>(samples, position_, length);
    emit progressed();
  }
  // Ends the current playback as if the sound had run out: every sample has been heard.
  void runOut() {
    if (!playing_) return;
    position_ = static_cast<std::int64_t>(played.back().size());
    emit progressed();
    if (!playing_) return;  // a receiver stopped it on hearing the end
    playing_ = false;
    emit finished();
  }
  // Ends the current playback as if the output had gone away.
  void loseOutput() {
    if (!playing_) return;
    playing_ = false;
    emit lost();
    emit finished();
  }

  std::optional<core::MessageId> refusal;  // set to make the next play fail
  std::vector<std::vector<std::int16_t>> played;
  core::WaveFormat lastFormat;
  int stops = 0;

 private:
  bool playing_ = false;
  std::int64_t position_ = 0;
};

}  // namespace sonarel::audio
