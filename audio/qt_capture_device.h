// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Capture from the system's sound input with Qt Multimedia. The source is read on the thread
// that started it (the window's) whenever Qt says sound is ready; the bytes are cut into
// blocks of the size asked for. The source's buffer holds 100 blocks (6 s), so a busy window
// loses nothing while memory stays bounded.

#include <QAudioDevice>
#include <QAudioSource>
#include <QIODevice>
#include <memory>

#include "audio/capture_device.h"

namespace sonarel::audio {

class QtCaptureDevice : public CaptureDevice {
  Q_OBJECT
 public:
  // `inputId`: the id() of the input to use; empty for the system's default input.
  explicit QtCaptureDevice(QByteArray inputId = {}, QObject* parent = nullptr);
  ~QtCaptureDevice() override;

  bool available() const override;
  QStringList inputNames() const override;
  std::optional<CaptureError> start(const core::WaveFormat& format,
                                    std::size_t blockBytes) override;
  std::optional<CaptureError> stop() override;
  bool isRunning() const override { return source_ != nullptr; }

  static constexpr int kBufferedBlocks = 100;

 private:
  QAudioDevice chosenInput() const;
  void onReadyRead();
  void onStateChanged(QAudio::State state);
  void release();

  QByteArray inputId_;
  std::unique_ptr<QAudioSource> source_;
  QIODevice* io_ = nullptr;
  std::size_t blockBytes_ = 0;
  QByteArray pending_;
};

}  // namespace sonarel::audio
