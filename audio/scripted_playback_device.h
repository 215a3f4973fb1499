// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A playback device for tests: it records what it was asked to play, can be told to refuse,
// and finishes only when the test says so.

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
  // Ends the current playback as if the sound had run out.
  void runOut() {
    if (!playing_) return;
    playing_ = false;
    emit finished();
  }

  std::optional<core::MessageId> refusal;  // set to make the next play fail
  std::vector<std::vector<std::int16_t>> played;
  core::WaveFormat lastFormat;
  int stops = 0;

 private:
  bool playing_ = false;
};

}  // namespace sonarel::audio
