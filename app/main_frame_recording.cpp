// The frame's recording commands: "&Record..." on the view's client file, "Configure
// Record..." and the USB adapter's settings.

#include <QFileInfo>
#include <filesystem>

#include "app/dialogs/adapter_settings_dialog.h"
#include "app/dialogs/configure_record_dialog.h"
#include "app/dialogs/record_dialog.h"
#include "app/main_frame.h"
#include "app/recording_slot.h"
#include "app/translated_text.h"
#include "records/client_folder.h"

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

void CMainFrame::recordViewFile() {
  ViewState& state = document_.state();
  RecordingSlot& slot = state.recordingSlot();
  if (!recordCommandAvailable(slot, state.displayMode())) return;
  if (!capture_ || !capture_->available()) {
    showMessage(core::Message{core::MessageId::NoCaptureDevice});
    return;
  }
  if (playback_) playback_->stop();
  const ClientFileRef file = *slot.file;
  audio::RecordingJob job{file.path, file.kind, slot.voiceAnalysisRate,
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
  if (!made || !std::filesystem::is_regular_file(file.path, ignored)) {
    updateCommandStates();
    return;
  }
  // The new recording replaces what the view showed; a vocal-quality file's segment results
  // belong to the old sound.
  if (file.kind == core::FileKind::VocalQuality) {
    std::filesystem::remove(
        records::ClientFolder(options_.dataFolder.toStdString(), file.clientCode)
            .segmentCachePath(file.fileNumber),
        ignored);
  }
  if (auto refused = state.open(file.path, file.kind)) {
    showMessage(*refused);
  } else {
    slot.file = file;
    addRecentFile(QFileInfo(QString::fromStdString(file.path)).absoluteFilePath());
  }
  emit document_.changed();
}

void CMainFrame::configureRecord() {
  RecordingSlot& slot = document_.state().recordingSlot();
  CConfGravar dialog(config_.recorder().microphoneInput, slot.voiceAnalysisRate, this);
  if (dialog.exec() != QDialog::Accepted) return;
  RecorderConfig stored = config_.recorder();
  stored.microphoneInput = dialog.microphoneInput();
  if (playback_) playback_->stop();
  slot.voiceAnalysisRate = dialog.voiceAnalysisRate();
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
