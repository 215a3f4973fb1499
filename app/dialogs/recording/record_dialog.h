// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Record": records one client file. Record starts capturing (after asking, once, whether an
// existing file may be replaced), Stop ends it and writes the file, Play listens to the
// view's recording or to the file just made, OK closes (stopping first). A trace shows the
// sound as it arrives, a panel the recorded length, the rate and the limit, and a slider the
// position within the two minutes a recording may last.

#include <QDialog>
#include <QElapsedTimer>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include "app/session/prompt.h"
#include "audio/capture_device.h"
#include "audio/playback_device.h"
#include "audio/wave_recorder.h"
#include "core/sample_buffer.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QSlider;

namespace sonarel::app {

class RecordTrace;

class CGravacao : public QDialog {
  Q_OBJECT
 public:
  // `viewRecording` (may be null) is what Play plays before anything is recorded here.
  CGravacao(audio::RecordingJob job, audio::CaptureDevice& capture, audio::PlaybackDevice* playback,
            const core::SampleBuffer* viewRecording, QWidget* parent = nullptr);
  ~CGravacao() override;

  // Whether the dialog left a new recording in the target file.
  bool recordingMade() const { return recordingMade_; }
  bool isRecording() const { return recorder_->isRecording(); }
  bool isPlaying() const { return playing_; }

  void record();
  void stop();
  void play();
  // Offers to save a recording that an earlier run left unfinished in grav.tmp.
  void offerRecovery();

  void done(int result) override;

  // For tests: the controls, the panel's lines and what was asked and shown.
  QPushButton* recordButton() const { return record_; }
  QPushButton* stopButton() const { return stop_; }
  QPushButton* playButton() const { return play_; }
  QPushButton* okButton() const { return ok_; }
  QSlider* slider() const { return slider_; }
  RecordTrace* trace() const { return trace_; }
  // The input level: the meter's text and whether the clipping sign shows.
  QString levelText() const;
  bool clippingShown() const;
  bool isMonitoring() const { return monitoring_; }
  QStringList panelLines() const;
  // Answers the Yes/No questions instead of a message box when set.
  std::function<bool(const QString& question)> answer;
  // Messages go to `prompt` from now on instead of warning boxes; null: boxes.
  void setPrompt(Prompt* prompt) { prompt_ = prompt; }

 signals:
  void messageShown(const QString& text);

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void setIdle();
  void updatePanel();
  void onRecorderStopped();
  void onPlaybackFinished();
  void onPlayTick();
  void stopPlayback();
  bool ask(const QString& question);
  void tell(const core::Message& message);
  void tellLater(const core::Message& message);
  int sliderUnits(double samples) const;
  // The input is listened to while the dialog is idle, so the level can be set before a
  // take; the recorder takes the device over while it records.
  void startMonitoring();
  void stopMonitoring();
  void onMonitorBlock(const QByteArray& bytes);
  void showLevel(const std::vector<std::int16_t>& samples);

  audio::RecordingJob job_;
  audio::CaptureDevice& capture_;
  audio::PlaybackDevice* playback_;
  const core::SampleBuffer* viewRecording_;
  std::unique_ptr<audio::WaveRecorder> recorder_;

  bool targetExists_;
  bool replaceConfirmed_ = false;
  bool recordingMade_ = false;
  bool playing_ = false;
  bool recoveryOffered_ = false;
  std::vector<std::int16_t> playBuffer_;
  std::uint32_t playRate_ = 0;
  double playSeconds_ = 0;
  QElapsedTimer playClock_;
  QTimer playTimer_;
  std::vector<core::Message> toTell_;
  bool monitoring_ = false;
  QTimer clipHold_;  // how long the clipping sign stays after the last full-scale sample

  RecordTrace* trace_;
  QLabel* position_;
  QLabel* rate_;
  QLabel* max_;
  QSlider* slider_;
  QProgressBar* meter_;
  QLabel* level_;
  QLabel* clipping_;
  QPushButton* record_;
  QPushButton* stop_;
  QPushButton* play_;
  QPushButton* ok_;
  Prompt* prompt_ = nullptr;
};

}  // namespace sonarel::app
