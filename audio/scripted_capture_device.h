// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A capture device for tests: the test hands it the samples "heard" and it returns them in
// blocks, as the sound card would; it can be told to refuse, to fail midway and what to hold
// back until the stop.

#include <cstdint>
#include <vector>

#include "audio/capture_device.h"

namespace sonarel::audio {

class ScriptedCaptureDevice : public CaptureDevice {
  Q_OBJECT
 public:
  using CaptureDevice::CaptureDevice;

  bool available() const override { return present; }
  QStringList inputNames() const override { return names; }

  std::optional<CaptureError> start(const core::WaveFormat& format,
                                    std::size_t blockBytes) override {
    if (refusal) return refusal;
    running_ = true;
    format_ = format;
    blockBytes_ = blockBytes;
    pending_.clear();
    ++starts;
    return std::nullopt;
  }

  std::optional<CaptureError> stop() override {
    if (!running_) return std::nullopt;
    if (stopRefusal) return stopRefusal;
    running_ = false;
    QByteArray rest = pending_;
    pending_.clear();
    emit blockReady(rest);
    emit closed();
    return std::nullopt;
  }

  bool isRunning() const override { return running_; }

  // The device hears `samples`: each block is handed back as soon as it is full, the rest
  // is held until more sound comes or the stop.
  void hear(const std::vector<std::int16_t>& samples) {
    for (std::int16_t s : samples) {
      if (!running_) return;
      pending_.append(static_cast<char>(s & 0xFF));
      pending_.append(static_cast<char>((s >> 8) & 0xFF));
      if (static_cast<std::size_t>(pending_.size()) < blockBytes_) continue;
      const QByteArray block = pending_;
      pending_.clear();
      ++blocksHandedBack;
      emit blockReady(block);
    }
  }
  // `seconds` of a constant level.
  void hearConstant(double seconds, std::int16_t level) {
    hear(std::vector<std::int16_t>(static_cast<std::size_t>(seconds * format_.sampleRate), level));
  }
  // Capture breaks off, as when the device is unplugged.
  void breakOff(const core::Message& text) {
    breakOff(CaptureError{CaptureFault::DeviceLost, text});
  }
  void breakOff(const CaptureError& error) {
    if (!running_) return;
    running_ = false;
    pending_.clear();
    emit failed(error);
    emit closed();
  }

  const core::WaveFormat& format() const { return format_; }
  std::size_t blockBytes() const { return blockBytes_; }

  bool present = true;
  QStringList names{"Built-in Audio"};
  std::optional<CaptureError> refusal;      // set to make start() fail
  std::optional<CaptureError> stopRefusal;  // set to make stop() fail
  int starts = 0;
  int blocksHandedBack = 0;

 private:
  bool running_ = false;
  core::WaveFormat format_;
  std::size_t blockBytes_ = 0;
  QByteArray pending_;
};

}  // namespace sonarel::audio
