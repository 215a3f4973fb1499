// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Playback through the system's default output with Qt Multimedia.

#include <QAudioSink>
#include <QBuffer>
#include <QByteArray>
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

 private:
  void onStateChanged(QAudio::State state);

  std::unique_ptr<QAudioSink> sink_;
  QByteArray bytes_;
  QBuffer source_;
};

}  // namespace sonarel::audio
