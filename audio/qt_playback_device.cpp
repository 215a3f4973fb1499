// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/qt_playback_device.h"

#include <QAudioDevice>
#include <QMediaDevices>

namespace sonarel::audio {

QtPlaybackDevice::QtPlaybackDevice(QObject* parent) : PlaybackDevice(parent) {}

QtPlaybackDevice::~QtPlaybackDevice() {
  stop();
}

std::optional<core::Message> QtPlaybackDevice::play(const core::WaveFormat& format,
                                                    std::span<const std::int16_t> samples) {
  stop();
  const QAudioDevice device = QMediaDevices::defaultAudioOutput();
  if (device.isNull()) return core::Message{core::MessageId::CannotOpenWaveOut};
  QAudioFormat audioFormat;
  audioFormat.setSampleRate(static_cast<int>(format.sampleRate));
  audioFormat.setChannelCount(format.channels);
  audioFormat.setSampleFormat(QAudioFormat::Int16);
  if (format.bitsPerSample != 16 || !device.isFormatSupported(audioFormat)) {
    return core::Message{core::MessageId::CannotPlaySoundFile};
  }
  bytes_ = QByteArray(reinterpret_cast<const char*>(samples.data()),
                      static_cast<qsizetype>(samples.size_bytes()));
  source_.setData(bytes_);
  if (!source_.open(QIODevice::ReadOnly)) return core::Message{core::MessageId::CannotOpenWaveOut};
  sink_ = std::make_unique<QAudioSink>(device, audioFormat);
  connect(sink_.get(), &QAudioSink::stateChanged, this, &QtPlaybackDevice::onStateChanged);
  sink_->start(&source_);
  if (sink_->error() != QAudio::NoError) {
    sink_.reset();
    source_.close();
    return core::Message{core::MessageId::CannotOpenWaveOut};
  }
  return std::nullopt;
}

void QtPlaybackDevice::onStateChanged(QAudio::State state) {
  // Running out of samples ends the playback the same way as a stop.
  if (state == QAudio::IdleState || state == QAudio::StoppedState) stop();
}

void QtPlaybackDevice::stop() {
  if (!sink_) return;
  auto ended = std::move(sink_);
  ended->disconnect(this);
  ended->stop();
  source_.close();
  emit finished();
}

bool QtPlaybackDevice::isPlaying() const {
  return sink_ != nullptr;
}

}  // namespace sonarel::audio
