// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/recording/record_dialog.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>
#include <cmath>
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
  // The input level, before and during a take: a meter over -60..0 dBFS, its value, and a
  // sign that stays a second after a sample reached full scale.
  meter_ = new QProgressBar(panel);
  meter_->setRange(-60, 0);
  meter_->setValue(-60);
  meter_->setTextVisible(false);
  meter_->setMaximumHeight(10);
  level_ = new QLabel(panel);
  level_->setMinimumWidth(level_->fontMetrics().horizontalAdvance(
                              messageText(core::Message{core::MessageId::InputLevel, {"-90.0"}})) +
                          6);
  clipping_ = new QLabel(messageText(core::Message{core::MessageId::InputClipping}), panel);
  clipping_->setStyleSheet("QLabel { color: white; background: #c00000; padding: 1px 4px; }");
  clipping_->setAlignment(Qt::AlignCenter);
  QSizePolicy keepRoom = clipping_->sizePolicy();
  keepRoom.setRetainSizeWhenHidden(true);
  clipping_->setSizePolicy(keepRoom);
  clipping_->hide();
  clipHold_.setSingleShot(true);
  clipHold_.setInterval(1200);
  connect(&clipHold_, &QTimer::timeout, clipping_, &QWidget::hide);
  for (QWidget* widget : {static_cast<QWidget*>(meter_), static_cast<QWidget*>(level_),
                          static_cast<QWidget*>(clipping_)})
    panelLayout->addWidget(widget);

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
  connect(recorder_.get(), &audio::WaveRecorder::samplesArrived, this, &CGravacao::showLevel);
  connect(&capture_, &audio::CaptureDevice::blockReady, this, &CGravacao::onMonitorBlock);
  connect(&capture_, &audio::CaptureDevice::closed, this, [this] { monitoring_ = false; });
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
  stopMonitoring();
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
  stopMonitoring();
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
    startMonitoring();
  }
}

void CGravacao::startMonitoring() {
  if (monitoring_ || !isVisible() || recorder_->isRecording() || !capture_.available() ||
      capture_.isRunning())
    return;
  const core::WaveFormat& format = recorder_->format();
  monitoring_ = !capture_.start(format, audio::blockBytes(format));
}

void CGravacao::stopMonitoring() {
  if (!monitoring_) return;
  monitoring_ = false;
  capture_.stop();
}

void CGravacao::onMonitorBlock(const QByteArray& bytes) {
  if (!monitoring_ || recorder_->isRecording()) return;
  std::vector<std::int16_t> samples(static_cast<std::size_t>(bytes.size()) / 2);
  for (std::size_t i = 0; i < samples.size(); ++i) {
    samples[i] = static_cast<std::int16_t>(static_cast<std::uint8_t>(bytes[2 * i]) |
                                           static_cast<std::uint8_t>(bytes[2 * i + 1]) << 8);
  }
  showLevel(samples);
}

void CGravacao::showLevel(const std::vector<std::int16_t>& samples) {
  if (samples.empty()) return;
  int peak = 0;
  for (std::int16_t sample : samples) peak = std::max(peak, std::abs(static_cast<int>(sample)));
  // Full scale reads 0.0 (32767 is a hair below 32768).
  const double dbfs = peak >= 32767 ? 0.0 : peak > 0 ? 20.0 * std::log10(peak / 32768.0) : -90.0;
  meter_->setValue(std::clamp(static_cast<int>(std::lround(dbfs)), -60, 0));
  level_->setText(messageText(
      core::Message{core::MessageId::InputLevel, {QString::asprintf("%.1f", dbfs).toStdString()}}));
  if (peak >= 32767) {
    clipping_->show();
    clipHold_.start();
  }
}

QString CGravacao::levelText() const {
  return level_->text();
}

bool CGravacao::clippingShown() const {
  return !clipping_->isHidden();
}

void CGravacao::stop() {
  stopPlayback();
  if (recorder_->isRecording()) recorder_->stop();  // onRecorderStopped follows at once
  playTimer_.stop();
  setIdle();
}

void CGravacao::onRecorderStopped() {
  if (recorder_->fileWritten()) {
    recordingMade_ = true;
    // The take stays on view, whole, for a look before it is played or kept.
    const core::LoadedWave take = core::loadWave(job_.targetPath);
    if (take.error == core::WaveError::None) trace_->showTake(take.samples);
  }
  targetExists_ = fileExists(job_.targetPath);
  slider_->setValue(sliderUnits(static_cast<double>(recorder_->recordedBytes() / 2)));
  updatePanel();
  setIdle();
  // Listening again once the device has closed (this runs inside its stop).
  QTimer::singleShot(0, this, &CGravacao::startMonitoring);
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
  startMonitoring();
}

void CGravacao::hideEvent(QHideEvent* event) {
  stopMonitoring();
  QDialog::hideEvent(event);
}

void CGravacao::done(int result) {
  stop();
  stopMonitoring();
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
