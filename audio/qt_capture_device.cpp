// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/qt_capture_device.h"

#include <QMediaDevices>

namespace sonarel::audio {

QtCaptureDevice::QtCaptureDevice(QByteArray inputId, QObject* parent)
    : CaptureDevice(parent), inputId_(std::move(inputId)) {}

QtCaptureDevice::~QtCaptureDevice() {
  release();
}

QAudioDevice QtCaptureDevice::chosenInput() const {
  const QList<QAudioDevice> inputs = QMediaDevices::audioInputs();
  if (!inputId_.isEmpty()) {
    for (const QAudioDevice& input : inputs) {
      if (input.id() == inputId_) return input;
    }
    return {};
  }
  const QAudioDevice preferred = QMediaDevices::defaultAudioInput();
  if (!preferred.isNull()) return preferred;
  return inputs.isEmpty() ? QAudioDevice() : inputs.first();
}

bool QtCaptureDevice::available() const {
  return !chosenInput().isNull();
}

QStringList QtCaptureDevice::inputNames() const {
  QStringList names;
  for (const QAudioDevice& input : QMediaDevices::audioInputs()) names << input.description();
  return names;
}

std::optional<CaptureError> QtCaptureDevice::start(const core::WaveFormat& format,
                                                   std::size_t blockBytes) {
  release();
  const QAudioDevice input = chosenInput();
  QAudioFormat audioFormat;
  audioFormat.setSampleRate(static_cast<int>(format.sampleRate));
  audioFormat.setChannelCount(format.channels);
  audioFormat.setSampleFormat(format.bitsPerSample == 8 ? QAudioFormat::UInt8
                                                        : QAudioFormat::Int16);
  if (input.isNull() || !input.isFormatSupported(audioFormat)) {
    return CaptureError{CaptureFault::OpenFailed,
                        core::Message{core::MessageId::CaptureCannotOpen}};
  }
  blockBytes_ = blockBytes;
  pending_.clear();
  source_ = std::make_unique<QAudioSource>(input, audioFormat);
  source_->setBufferSize(static_cast<qsizetype>(blockBytes * kBufferedBlocks));
  io_ = source_->start();
  if (!io_ || source_->error() != QAudio::NoError) {
    release();
    return CaptureError{CaptureFault::StartRefused, core::Message{core::MessageId::CaptureFailed}};
  }
  connect(io_, &QIODevice::readyRead, this, &QtCaptureDevice::onReadyRead);
  connect(source_.get(), &QAudioSource::stateChanged, this, &QtCaptureDevice::onStateChanged);
  return std::nullopt;
}

void QtCaptureDevice::onReadyRead() {
  if (!io_) return;
  pending_.append(io_->readAll());
  // A handler may stop the device; then the rest goes out with the stop.
  while (source_ && static_cast<std::size_t>(pending_.size()) >= blockBytes_) {
    const QByteArray block = pending_.left(static_cast<qsizetype>(blockBytes_));
    pending_.remove(0, static_cast<qsizetype>(blockBytes_));
    emit blockReady(block);
  }
}

void QtCaptureDevice::onStateChanged(QAudio::State state) {
  if (!source_ || state != QAudio::StoppedState) return;
  const QAudio::Error error = source_->error();
  if (error == QAudio::NoError) return;
  release();
  emit failed(
      CaptureError{CaptureFault::DeviceLost,
                   core::Message{error == QAudio::FatalError ? core::MessageId::CaptureFailed
                                                             : core::MessageId::CaptureStopped}});
  emit closed();
}

std::optional<CaptureError> QtCaptureDevice::stop() {
  if (!source_) return std::nullopt;
  if (io_) pending_.append(io_->readAll());
  QByteArray rest = std::move(pending_);
  pending_.clear();
  release();
  emit blockReady(rest);
  emit closed();
  return std::nullopt;
}

void QtCaptureDevice::release() {
  if (!source_) return;
  auto ended = std::move(source_);
  ended->disconnect(this);
  if (io_) io_->disconnect(this);
  io_ = nullptr;
  ended->stop();
}

}  // namespace sonarel::audio
