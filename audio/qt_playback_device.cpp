// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/qt_playback_device.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <algorithm>

namespace sonarel::audio {
namespace {

constexpr int kTickMilliseconds = 5;
// How long a playback whose samples are all handed over may take to be heard before it is
// ended anyway (a sink that stops reporting its position must not hold the playback open).
constexpr qint64 kDrainGraceMilliseconds = 1500;

}  // namespace

QtPlaybackDevice::QtPlaybackDevice(QObject* parent) : PlaybackDevice(parent) {
  ticker_.setInterval(kTickMilliseconds);
  ticker_.setTimerType(Qt::PreciseTimer);
  connect(&ticker_, &QTimer::timeout, this, &QtPlaybackDevice::tick);
}

QtPlaybackDevice::~QtPlaybackDevice() {
  stop();
}

std::optional<core::Message> QtPlaybackDevice::play(const core::WaveFormat& format,
                                                    std::span<const std::int16_t> samples) {
  stop();
  lastPlayed_ = 0;
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
  total_ = static_cast<std::int64_t>(samples.size()) / std::max<int>(1, format.channels);
  rate_ = format.sampleRate;
  draining_ = false;
  sink_->start(&source_);
  if (sink_->error() != QAudio::NoError) {
    sink_.reset();
    source_.close();
    return core::Message{core::MessageId::CannotOpenWaveOut};
  }
  ticker_.start();
  return std::nullopt;
}

std::int64_t QtPlaybackDevice::playedSamples() const {
  if (!sink_) return lastPlayed_;
  // The sink's clock runs from what the output has played, not from what it was given.
  const std::int64_t played = sink_->processedUSecs() * rate_ / 1'000'000;
  return std::clamp<std::int64_t>(played, 0, total_);
}

void QtPlaybackDevice::tick() {
  if (!sink_) return;
  emit progressed();
  if (!sink_) return;  // a receiver stopped the playback
  if (draining_ && (playedSamples() >= total_ || drainClock_.elapsed() > kDrainGraceMilliseconds))
    end(false);
}

void QtPlaybackDevice::onStateChanged(QAudio::State state) {
  if (!sink_) return;
  if (state == QAudio::StoppedState && sink_->error() != QAudio::NoError) {
    end(true);
  } else if (state == QAudio::IdleState && !draining_) {
    // Every sample is with the output: the playback ends once the last one is heard.
    draining_ = true;
    drainClock_.start();
  } else if (state == QAudio::StoppedState) {
    end(false);
  }
}

void QtPlaybackDevice::stop() {
  end(false);
}

void QtPlaybackDevice::end(bool outputLost) {
  if (!sink_) return;
  lastPlayed_ = playedSamples();
  ticker_.stop();
  draining_ = false;
  auto ended = std::move(sink_);
  ended->disconnect(this);
  ended->stop();
  source_.close();
  if (outputLost) emit lost();
  emit finished();
}

bool QtPlaybackDevice::isPlaying() const {
  return sink_ != nullptr;
}

}  // namespace sonarel::audio
