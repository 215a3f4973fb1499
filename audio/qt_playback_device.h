// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Playback through the system's default output with Qt Multimedia.

#include <QAudioSink>
#include <QBuffer>
#include <QByteArray>
#include <QElapsedTimer>
#include <QTimer>
#include <memory>

#include "audio/playback_device.h"

namespace sonarel::audio {

class QtPlaybackDevice : public PlaybackDevice {
  Q_OBJECT
 public:
  explicit QtPlaybackDevice(QObject* parent = nullptr);
  ~QtPlaybackDevice() override;

  std::optional<core::Message> play(const core::WaveFormat& format,
                                    std::span<const std::int16_t> samples) override;
  void stop() override;
  bool isPlaying() const override;
  std::int64_t playedSamples() const override;

 private:
  void onStateChanged(QAudio::State state);
  void tick();
  void end(bool outputLost);

  std::unique_ptr<QAudioSink> sink_;
  QByteArray bytes_;
  QBuffer source_;
  std::int64_t total_ = 0;       // samples of the current playback
  std::int64_t lastPlayed_ = 0;  // the position when the last playback ended
  std::uint32_t rate_ = 0;
  QTimer ticker_;          // progress reports while playing
  bool draining_ = false;  // every sample is handed over; waiting for it to be heard
  QElapsedTimer drainClock_;
};

}  // namespace sonarel::audio
