// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Sound input behind a small interface, so that the recorder captures through the sound card
// and the tests through a scripted device. A device hands the captured sound back in blocks
// of the size asked for, in order, on the thread that started it.

#include <QByteArray>
#include <QObject>
#include <QStringList>
#include <cstddef>
#include <optional>

#include "core/message.h"
#include "core/wave_format.h"

namespace sonarel::audio {

enum class CaptureFault {
  OpenFailed,     // the device could not be opened with the format
  OutOfMemory,    // no memory for the capture blocks
  PrepareFailed,  // the device would not take the capture blocks
  StartRefused,   // the device was opened but would not start
  StopFailed,     // the device would not stop or close
  DeviceLost,     // capture broke off while running
};

struct CaptureError {
  CaptureFault fault;
  core::Message deviceText;  // the device's own account of what went wrong
};

class CaptureDevice : public QObject {
  Q_OBJECT
 public:
  using QObject::QObject;
  ~CaptureDevice() override = default;

  // Whether the system has any sound input at all.
  virtual bool available() const = 0;
  // The names of the sound inputs, for recognising a known adapter.
  virtual QStringList inputNames() const = 0;

  // Starts capturing in `format`, handing back blocks of `blockBytes` bytes.
  virtual std::optional<CaptureError> start(const core::WaveFormat& format,
                                            std::size_t blockBytes) = 0;
  // Ends capture: what was captured but not yet handed back comes as one last, shorter
  // block, then closed() is emitted, all before stop() returns. Safe to call from a
  // blockReady handler; no block follows closed().
  virtual std::optional<CaptureError> stop() = 0;
  virtual bool isRunning() const = 0;

 signals:
  void blockReady(const QByteArray& bytes);
  // Capture broke off; closed() follows and no more blocks come.
  void failed(const sonarel::audio::CaptureError& error);
  void closed();
};

}  // namespace sonarel::audio
