// The frame's recording commands: "&Record..." on the view's client file, "Configure
// Record..." and the USB adapter's settings.

#include <filesystem>

#include "app/dialogs/adapter_settings_dialog.h"
#include "app/dialogs/configure_record_dialog.h"
#include "app/dialogs/record_dialog.h"
#include "app/main_frame.h"
#include "app/record_command.h"
#include "app/translated_text.h"

namespace sonarel::app {

audio::AdapterSettings CMainFrame::adapterSettings() const {
  const AdapterConfig stored = config_.adapter();
  bool inUse = false;
  if (const auto chosen = config_.adapterInUse()) {
    inUse = *chosen;
  } else if (capture_) {
    // Never set by hand: in use when an input carries the adapter's name.
    for (const QString& name : capture_->inputNames()) inUse = inUse || isAdapterInputName(name);
  }
  return {inUse, stored.noiseReduction, stored.inputGain};
}

std::optional<PreparedRecording> CMainFrame::recordTarget() const {
  if (current_.code < 0) return std::nullopt;
  if (prepared_) return prepared_;
  if (openNumber_ < 0 || !document_.state().isOpen()) return std::nullopt;
  const std::string path = currentFolder().recordingPath(openType_, openNumber_);
  // The view may since show a file from elsewhere.
  if (document_.state().buffer().path != path) return std::nullopt;
  return PreparedRecording{openType_, openNumber_, QString::fromStdString(path)};
}

void CMainFrame::recordViewFile() {
  const ViewState& state = document_.state();
  const auto target = recordTarget();
  if (!recordCommandAvailable(target.has_value(), state.displayMode())) return;
  if (!capture_ || !capture_->available()) {
    showMessage(core::Message{core::MessageId::NoCaptureDevice});
    return;
  }
  if (playback_) playback_->stop();
  const audio::RecordingJob job{target->path.toStdString(), target->type,
                                static_cast<std::uint32_t>(recordingRate_),
                                options_.dataFolder.toStdString(), adapterSettings()};
  bool made = false;
  {
    CGravacao dialog(job, *capture_, playback_, state.isOpen() ? &state.buffer() : nullptr, this);
    dialog.setProperty("quiet", options_.quiet);
    connect(&dialog, &CGravacao::messageShown, this, [this](const QString& text) {
      lastMessage_ = text;
      emit messageShown(text);
    });
    if (driveRecordDialog) {
      dialog.show();
      driveRecordDialog(dialog);
      dialog.accept();
    } else {
      dialog.exec();
    }
    made = dialog.recordingMade();
  }
  std::error_code ignored;
  if (!made || !std::filesystem::is_regular_file(job.targetPath, ignored)) {
    updateCommandStates();
    return;
  }
  // A vocal-quality file's stored segment results belong to the sound it replaced.
  if (target->type == core::FileKind::VocalQuality) {
    std::filesystem::remove(currentFolder().segmentCachePath(target->number), ignored);
  }
  openClientFile(target->number, target->type);
}

void CMainFrame::configureRecord() {
  CConfGravar dialog(config_.recorder().microphoneInput, static_cast<std::uint32_t>(recordingRate_),
                     this);
  if (dialog.exec() != QDialog::Accepted) return;
  RecorderConfig stored = config_.recorder();
  stored.microphoneInput = dialog.microphoneInput();
  if (playback_) playback_->stop();
  recordingRate_ = static_cast<int>(dialog.voiceAnalysisRate());
  config_.setRecorder(stored);
}

void CMainFrame::configureAdapter() {
  AdapterSettingsDialog dialog(adapterSettings(), this);
  if (dialog.exec() != QDialog::Accepted) return;
  const audio::AdapterSettings chosen = dialog.settings();
  config_.setAdapter({chosen.noiseReduction, chosen.inputGain});
  config_.setAdapterInUse(chosen.inUse);
}

}  // namespace sonarel::app
