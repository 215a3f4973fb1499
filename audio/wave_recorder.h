// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One recording into one WAVE file: capture blocks of 60 ms go through the adapter's gain
// (after its settling second) and are appended to the spool as they arrive; the stop (by the
// user, by the 120-s limit, by a failed write or by a lost device) turns the spool into the
// target file, filtered for voice-analysis files when the adapter's noise filter is chosen.
// Everything runs on the thread the device delivers on (the window's); no lock is needed.

#include <QObject>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "audio/capture_device.h"
#include "audio/recording_format.h"
#include "audio/recording_spool.h"
#include "core/message.h"
#include "core/sample_buffer.h"

namespace sonarel::audio {

struct RecordingJob {
  std::string targetPath;  // the WAVE file to write
  core::FileKind kind = core::FileKind::VoiceAnalysis;
  std::uint32_t voiceAnalysisRate = 11025;  // 11025 or 22050 Hz; vocal quality is 44100 Hz
  std::string dataFolder;                   // where grav.tmp is kept
  AdapterSettings adapter;
};

class WaveRecorder : public QObject {
  Q_OBJECT
 public:
  WaveRecorder(CaptureDevice& device, RecordingJob job,
               std::unique_ptr<RecordingSpool> spool = std::make_unique<RecordingSpool>(),
               QObject* parent = nullptr);
  ~WaveRecorder() override;

  // Starts a recording, truncating the spool. When it cannot start: the messages to show,
  // in order, and nothing is left running.
  std::vector<core::Message> start();
  // Ends the recording and writes the target file; returns once the device has closed.
  void stop();

  bool isRecording() const { return running_; }
  const core::WaveFormat& format() const { return format_; }
  std::size_t blockBytes() const { return blockBytes_; }
  // Bytes handed back by the device (after the settling second) so far.
  std::uint64_t recordedBytes() const { return recordedBytes_; }
  double recordedSeconds() const {
    return static_cast<double>(recordedBytes_ / 2) / format_.sampleRate;
  }
  // Whether the last recording's file was written.
  bool fileWritten() const { return fileWritten_; }

 signals:
  // A block for the trace, after the gain; not sent while settling or stopping.
  void samplesArrived(const std::vector<std::int16_t>& samples);
  // A block went by during the adapter's settling second.
  void calibrating();
  // The recorded length changed.
  void progressed();
  // Something the user must be told, as it happens.
  void problem(const sonarel::core::Message& message);
  // The recording is over and its file written (or its failure told).
  void stopped();

 private:
  void onBlock(const QByteArray& bytes);
  void onFailed(const CaptureError& error);
  void onClosed();
  void finishFile();

  CaptureDevice& device_;
  RecordingJob job_;
  std::unique_ptr<RecordingSpool> spool_;
  core::WaveFormat format_;
  std::size_t blockBytes_;
  bool running_ = false;
  bool stopRequested_ = false;
  bool pending_ = false;  // from the start until the target file has been dealt with
  bool spoolFailed_ = false;
  bool fileWritten_ = false;
  std::uint64_t recordedBytes_ = 0;
  std::uint64_t calibrationBytes_ = 0;
};

// The messages for a device that would not start, in the order they are shown.
std::vector<core::Message> startFailureMessages(const CaptureError& error,
                                                const core::WaveFormat& format);
// The messages for a device that broke off while recording.
std::vector<core::Message> failureMessages(const CaptureError& error);

}  // namespace sonarel::audio
