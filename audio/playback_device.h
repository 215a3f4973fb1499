// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Sound output behind a small interface, so that the view plays through the sound card and
// the tests through a scripted device.

#include <QObject>
#include <cstdint>
#include <optional>
#include <span>

#include "core/message.h"
#include "core/wave_format.h"

namespace sonarel::audio {

class PlaybackDevice : public QObject {
  Q_OBJECT
 public:
  using QObject::QObject;
  ~PlaybackDevice() override = default;

  // Starts playing a copy of `samples`, after stopping whatever plays. The message when the
  // device refuses the format ("It was not Possible to Play the Sound File!") or cannot be
  // opened ("It was not Possible to Open Wave Out Channel!").
  virtual std::optional<core::Message> play(const core::WaveFormat& format,
                                            std::span<const std::int16_t> samples) = 0;
  virtual void stop() = 0;
  virtual bool isPlaying() const = 0;
  // How many samples of the current (or last) playback have been heard: played out by the
  // output, not merely taken from us into its buffers. 0 before the first playback.
  virtual std::int64_t playedSamples() const = 0;

 signals:
  // Emitted once when a playback ends, whether it ran out, was stopped or the output was lost.
  void finished();
  // The played position may have moved; emitted every few milliseconds while playing.
  void progressed();
  // The output went away in the middle of a playback (the device was unplugged, the sound
  // server quit). finished() follows.
  void lost();
};

}  // namespace sonarel::audio
