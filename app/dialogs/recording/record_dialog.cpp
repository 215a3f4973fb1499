// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/recording/record_dialog.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>
#include <filesystem>

#include "app/dialogs/recording/record_trace.h"
#include "app/translated_text.h"
#include "audio/recording_spool.h"
#include "core/wave_file.h"

namespace sonarel::app {
namespace {

bool fileExists(const std::string& path) {
  std::error_code ignored;
  return std::filesystem::is_regular_file(path, ignored);
}

}  // namespace

CGravacao::CGravacao(audio::RecordingJob job, audio::CaptureDevice& capture,
                     audio::PlaybackDevice* playback, const core::SampleBuffer* viewRecording,
                     QWidget* parent)
    : QDialog(parent),
      job_(std::move(job)),
      capture_(capture),
      playback_(playback),
      viewRecording_(viewRecording),
      recorder_(std::make_unique<audio::WaveRecorder>(capture_, job_)),
      targetExists_(fileExists(job_.targetPath)) {
  setObjectName("CGravacao");
  setWindowTitle(tr("Record"));
  const bool vocalQuality = job_.kind == core::FileKind::VocalQuality;
  trace_ = new RecordTrace(vocalQuality, recorder_->format().sampleRate, this);
  position_ = new QLabel(this);
  rate_ = new QLabel(this);
  max_ = new QLabel(this);
  auto* panel = new QFrame(this);
  panel->setFrameShape(QFrame::StyledPanel);
  auto* panelLayout = new QVBoxLayout(panel);
  for (QLabel* line : {position_, rate_, max_}) panelLayout->addWidget(line);
  panelLayout->addStretch();

  slider_ = new QSlider(Qt::Horizontal, this);
  slider_->setRange(0, vocalQuality ? 2646000 : 1323000);
  slider_->setFocusPolicy(Qt::NoFocus);
  slider_->setAttribute(Qt::WA_TransparentForMouseEvents);  // it shows, it does not seek

  record_ = new QPushButton(tr("Record"), this);
  stop_ = new QPushButton(tr("Stop"), this);
  play_ = new QPushButton(tr("Play"), this);
  ok_ = new QPushButton(tr("OK"), this);
  ok_->setDefault(true);
  connect(record_, &QPushButton::clicked, this, &CGravacao::record);
  connect(stop_, &QPushButton::clicked, this, &CGravacao::stop);
  connect(play_, &QPushButton::clicked, this, &CGravacao::play);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);

  auto* top = new QHBoxLayout;
  top->addWidget(trace_, 1);
  top->addWidget(panel);
  auto* buttons = new QHBoxLayout;
  for (QPushButton* button : {record_, stop_, play_}) buttons->addWidget(button);
  buttons->addStretch();
  buttons->addWidget(ok_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(slider_);
  layout->addLayout(buttons);

  connect(recorder_.get(), &audio::WaveRecorder::samplesArrived, trace_, &RecordTrace::addSamples);
  connect(recorder_.get(), &audio::WaveRecorder::calibrating, this,
          [this] { trace_->showNotice(tr("Wait, Calibrating...")); });
  connect(recorder_.get(), &audio::WaveRecorder::progressed, this, [this] {
    slider_->setValue(sliderUnits(static_cast<double>(recorder_->recordedBytes() / 2)));
    updatePanel();
  });
  connect(recorder_.get(), &audio::WaveRecorder::problem, this, &CGravacao::tellLater);
  connect(recorder_.get(), &audio::WaveRecorder::stopped, this, &CGravacao::onRecorderStopped);
  if (playback_) {
    connect(playback_, &audio::PlaybackDevice::finished, this, &CGravacao::onPlaybackFinished);
  }
  playTimer_.setInterval(50);
  connect(&playTimer_, &QTimer::timeout, this, &CGravacao::onPlayTick);

  setIdle();
  updatePanel();
}

CGravacao::~CGravacao() {
  stop();
}

int CGravacao::sliderUnits(double samples) const {
  // One unit is one sample at 11025 Hz and two at the other rates: 120 s fill every range.
  return static_cast<int>(recorder_->format().sampleRate == 11025 ? samples : samples / 2);
}

QStringList CGravacao::panelLines() const {
  return {position_->text(), rate_->text(), max_->text()};
}

void CGravacao::updatePanel() {
  if (playing_) {
    position_->setText(tr("Size %1 s").arg(playSeconds_, 0, 'f', 2));
  } else {
    position_->setText(tr("Pos. %1 s").arg(recorder_->recordedSeconds(), 0, 'f', 2));
  }
  rate_->setText(tr("Rate: %1Hz").arg(recorder_->format().sampleRate));
  max_->setText(tr("Max %1 s").arg(static_cast<int>(audio::kMaxRecordingSeconds)));
}

void CGravacao::setIdle() {
  record_->setEnabled(true);
  play_->setEnabled(targetExists_);
  stop_->setEnabled(playing_);
}

void CGravacao::record() {
  if (recorder_->isRecording()) return;
  if (targetExists_ && !replaceConfirmed_) {
    if (!ask(messageText(core::Message{core::MessageId::ReplaceSoundFile}))) return;
    replaceConfirmed_ = true;
  }
  stopPlayback();
  slider_->setValue(0);
  record_->setEnabled(false);
  play_->setEnabled(false);
  stop_->setEnabled(true);
  trace_->clear();
  const auto refused = recorder_->start();
  updatePanel();
  if (!refused.empty()) {
    for (const core::Message& message : refused) tell(message);
    setIdle();
  }
}

void CGravacao::stop() {
  stopPlayback();
  if (recorder_->isRecording()) recorder_->stop();  // onRecorderStopped follows at once
  playTimer_.stop();
  setIdle();
}

void CGravacao::onRecorderStopped() {
  if (recorder_->fileWritten()) recordingMade_ = true;
  targetExists_ = fileExists(job_.targetPath);
  slider_->setValue(sliderUnits(static_cast<double>(recorder_->recordedBytes() / 2)));
  updatePanel();
  setIdle();
}

void CGravacao::play() {
  if (!playback_ || recorder_->isRecording()) return;
  stopPlayback();
  // The view's recording until something is recorded here, then the new file.
  if (!recordingMade_ && viewRecording_ && viewRecording_->loaded()) {
    playBuffer_ = viewRecording_->samples;
    playRate_ = viewRecording_->format.sampleRate;
  } else {
    core::LoadedWave loaded = core::loadWave(job_.targetPath);
    if (loaded.error != core::WaveError::None) {
      tell(core::Message{core::MessageId::ErrorReadingFile});
      return;
    }
    playBuffer_ = std::move(loaded.samples);
    playRate_ = loaded.format.sampleRate;
  }
  if (playRate_ == 0 || playBuffer_.empty()) return;
  if (auto failure = playback_->play(core::pcm16MonoFormat(playRate_), playBuffer_)) {
    tell(*failure);
    return;
  }
  playing_ = true;
  playSeconds_ = static_cast<double>(playBuffer_.size()) / playRate_;
  slider_->setValue(0);
  playClock_.start();
  playTimer_.start();
  stop_->setEnabled(true);
  updatePanel();
}

void CGravacao::onPlayTick() {
  const double seconds = std::min(playClock_.elapsed() / 1000.0, playSeconds_);
  const double samples = seconds * playRate_;
  slider_->setValue(playRate_ == 11025 ? static_cast<int>(samples) : static_cast<int>(samples / 2));
}

void CGravacao::onPlaybackFinished() {
  if (!playing_) return;
  playing_ = false;
  playTimer_.stop();
  updatePanel();
  if (!recorder_->isRecording()) setIdle();
}

void CGravacao::stopPlayback() {
  if (playing_ && playback_) playback_->stop();  // finished() arrives before stop() returns
  playing_ = false;
  playTimer_.stop();
}

void CGravacao::offerRecovery() {
  if (recoveryOffered_ || recorder_->isRecording()) return;
  recoveryOffered_ = true;
  const auto pending = audio::readPendingRecording(job_.dataFolder);
  if (!pending) return;
  const double seconds = static_cast<double>(pending->spooledBytes / 2) / pending->sampleRate;
  const QString question = messageText(
      core::Message{core::MessageId::RecoverRecording,
                    {QString::number(seconds, 'f', 2).toStdString(), pending->targetPath}});
  if (!ask(question)) {
    audio::clearPendingNote(job_.dataFolder);
    return;
  }
  if (auto failure = audio::recoverPendingRecording(job_.dataFolder, *pending)) {
    tell(*failure);
    return;
  }
  tell(core::Message{core::MessageId::RecoveredRecording, {pending->targetPath}});
  if (std::filesystem::path(pending->targetPath) == std::filesystem::path(job_.targetPath)) {
    recordingMade_ = true;
    targetExists_ = true;
    replaceConfirmed_ = true;  // the user has just chosen what this file holds
    setIdle();
  }
}

void CGravacao::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // Once the dialog is on screen, so that the question has its window.
  if (!recoveryOffered_) QTimer::singleShot(0, this, &CGravacao::offerRecovery);
}

void CGravacao::done(int result) {
  stop();
  playBuffer_.clear();
  playBuffer_.shrink_to_fit();
  QDialog::done(result);
}

bool CGravacao::ask(const QString& question) {
  if (answer) return answer(question);
  return QMessageBox::question(this, tr("Record"), question, QMessageBox::Yes | QMessageBox::No) ==
         QMessageBox::Yes;
}

void CGravacao::tell(const core::Message& message) {
  const QString text = messageText(message);
  emit messageShown(text);
  if (prompt_) {
    prompt_->tell(message);
  } else {
    QMessageBox::warning(this, tr("Record"), text);
  }
}

void CGravacao::tellLater(const core::Message& message) {
  // The recorder reports from inside the device's delivery; a message box there would run
  // an event loop under it. The messages wait for the delivery to return.
  toTell_.push_back(message);
  if (toTell_.size() > 1) return;
  QTimer::singleShot(0, this, [this] {
    const auto messages = std::move(toTell_);
    toTell_.clear();
    for (const core::Message& waiting : messages) tell(waiting);
  });
}

}  // namespace sonarel::app
