// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/wave_recorder.h"

#include <algorithm>
#include <string>

namespace sonarel::audio {

using core::Message;
using core::MessageId;

std::vector<Message> startFailureMessages(const CaptureError& error,
                                          const core::WaveFormat& format) {
  switch (error.fault) {
    case CaptureFault::OpenFailed:
      return {Message{MessageId::RecordFormatReport,
                      {std::to_string(format.extraSize), std::to_string(format.bytesPerSecond),
                       std::to_string(format.blockAlign), std::to_string(format.channels),
                       std::to_string(format.sampleRate), std::to_string(format.bitsPerSample),
                       std::to_string(format.formatTag)}},
              error.deviceText};
    case CaptureFault::OutOfMemory:
      return {Message{MessageId::NoFreeMemory}};
    case CaptureFault::PrepareFailed:
      return {error.deviceText, Message{MessageId::ErrorPreparingRecordHeader}};
    case CaptureFault::StartRefused:
      return {Message{MessageId::CannotStartRecording}};
    case CaptureFault::StopFailed:
      return {Message{MessageId::ErrorStoppingRecord}};
    case CaptureFault::DeviceLost:
      return {error.deviceText};
  }
  return {Message{MessageId::UndefinedError}};
}

std::vector<Message> failureMessages(const CaptureError& error) {
  switch (error.fault) {
    case CaptureFault::OutOfMemory:
      return {Message{MessageId::NoFreeMemory}};
    case CaptureFault::PrepareFailed:
      return {error.deviceText, Message{MessageId::ErrorPreparingHeader}};
    case CaptureFault::StopFailed:
      return {Message{MessageId::ErrorStoppingRecord}};
    default:
      return {error.deviceText};
  }
}

WaveRecorder::WaveRecorder(CaptureDevice& device, RecordingJob job,
                           std::unique_ptr<RecordingSpool> spool, QObject* parent)
    : QObject(parent),
      device_(device),
      job_(std::move(job)),
      spool_(std::move(spool)),
      format_(recorderFormat(recorderFormatNumber(job_.kind, job_.voiceAnalysisRate))),
      blockBytes_(audio::blockBytes(format_)) {
  connect(&device_, &CaptureDevice::blockReady, this, &WaveRecorder::onBlock);
  connect(&device_, &CaptureDevice::failed, this, &WaveRecorder::onFailed);
  connect(&device_, &CaptureDevice::closed, this, &WaveRecorder::onClosed);
}

WaveRecorder::~WaveRecorder() {
  stop();
}

std::vector<Message> WaveRecorder::start() {
  if (running_) return {};
  stopRequested_ = false;
  spoolFailed_ = false;
  fileWritten_ = false;
  recordedBytes_ = 0;
  calibrationBytes_ = 0;
  const PendingRecording note{job_.targetPath, format_.sampleRate, job_.kind,
                              noiseCutoffFor(job_.adapter, job_.kind)};
  if (!spool_->open(spoolPath(job_.dataFolder)) || !writePendingNote(job_.dataFolder, note)) {
    spool_->close();
    return {Message{MessageId::ErrorWritingTemporary}};
  }
  pending_ = true;
  running_ = true;
  if (auto refused = device_.start(format_, blockBytes_)) {
    running_ = false;
    pending_ = false;
    spool_->close();
    clearPendingNote(job_.dataFolder);
    return startFailureMessages(*refused, format_);
  }
  return {};
}

void WaveRecorder::stop() {
  if (!running_ || stopRequested_) return;
  stopRequested_ = true;
  if (auto refused = device_.stop()) {
    emit problem(Message{MessageId::ErrorStoppingRecord});
    // The device keeps its blocks; what the spool holds still becomes the file.
    onClosed();
  }
}

void WaveRecorder::onBlock(const QByteArray& bytes) {
  if (!running_) return;
  std::vector<std::int16_t> samples(static_cast<std::size_t>(bytes.size()) / 2);
  for (std::size_t i = 0; i < samples.size(); ++i) {
    samples[i] = static_cast<std::int16_t>(static_cast<std::uint8_t>(bytes[2 * i]) |
                                           static_cast<std::uint8_t>(bytes[2 * i + 1]) << 8);
  }
  if (adapterGainApplies(job_.adapter)) {
    applyGain(samples, gainDecibels(job_.adapter.inputGain));
    // The adapter settles during the first second: those blocks are dropped.
    calibrationBytes_ += static_cast<std::uint64_t>(bytes.size());
    if (static_cast<double>(calibrationBytes_) / format_.sampleRate < 2.0) {
      if (!stopRequested_) emit calibrating();
      return;
    }
  }
  // Blocks that come back after the limit's stop end the file within one block of it.
  const auto limitBytes =
      static_cast<std::uint64_t>(kMaxRecordingSeconds * format_.sampleRate) * 2 + blockBytes_;
  if (recordedBytes_ + samples.size() * 2 > limitBytes) {
    samples.resize(static_cast<std::size_t>(limitBytes - std::min(limitBytes, recordedBytes_)) / 2);
  }
  if (samples.empty()) return;
  if (!stopRequested_) emit samplesArrived(samples);
  recordedBytes_ += samples.size() * 2;
  if (!spoolFailed_) {
    std::vector<std::uint8_t> out(samples.size() * 2);
    for (std::size_t i = 0; i < samples.size(); ++i) {
      const auto v = static_cast<std::uint16_t>(samples[i]);
      out[2 * i] = static_cast<std::uint8_t>(v);
      out[2 * i + 1] = static_cast<std::uint8_t>(v >> 8);
    }
    if (!spool_->append(out)) {
      spoolFailed_ = true;
      emit problem(Message{MessageId::ErrorWritingTemporary});
      stop();
      return;
    }
  }
  if (stopRequested_) return;
  emit progressed();
  if (recordedSeconds() >= kMaxRecordingSeconds) stop();
}

void WaveRecorder::onFailed(const CaptureError& error) {
  if (!running_) return;
  stopRequested_ = true;
  for (const Message& message : failureMessages(error)) emit problem(message);
  emit problem(Message{MessageId::RecordingBrokeOff});
}

void WaveRecorder::onClosed() {
  if (!running_) return;
  running_ = false;
  stopRequested_ = true;
  if (pending_) finishFile();
  emit progressed();
  emit stopped();
}

void WaveRecorder::finishFile() {
  pending_ = false;
  auto bytes = spool_->readBack();
  if (!bytes) {
    emit problem(Message{MessageId::ErrorReadingFile});
    return;
  }
  const PendingRecording note{job_.targetPath, format_.sampleRate, job_.kind,
                              noiseCutoffFor(job_.adapter, job_.kind)};
  if (auto failure = finishSpooledRecording(job_.dataFolder, note, std::move(*bytes))) {
    emit problem(*failure);
    return;
  }
  fileWritten_ = true;
}

}  // namespace sonarel::audio
