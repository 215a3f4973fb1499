// SPDX-License-Identifier: GPL-3.0-or-later
// The frame's recording commands: "&Record..." on the view's client file, "Configure
// Record..." and the USB adapter's settings.

#include <filesystem>

#include "app/commands/record_command.h"
#include "app/dialogs/recording/adapter_settings_dialog.h"
#include "app/dialogs/recording/configure_record_dialog.h"
#include "app/dialogs/recording/record_dialog.h"
#include "app/frame/main_frame.h"
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

void CMainFrame::recordViewFile() {
  const ViewState& state = document_.state();
  if (!recordCommandAvailable(session_.recordTarget(state).has_value(), state.displayMode())) {
    return;
  }
  if (!capture_ || !capture_->available()) {
    showMessage(core::Message{core::MessageId::NoCaptureDevice});
    return;
  }
  // Saved as a new file, the changes are the open file now: that is the one recorded.
  if (!settleChanges()) return;
  const auto target = session_.recordTarget(state);
  if (!target) return;
  if (playback_) playback_->stop();
  const audio::RecordingJob job{target->path, target->type,
                                static_cast<std::uint32_t>(session_.recordingRate()),
                                options_.dataFolder.toStdString(), adapterSettings()};
  bool made = false;
  {
    CGravacao dialog(job, *capture_, playback_, state.isOpen() ? &state.buffer() : nullptr, this);
    dialog.setPrompt(options_.prompt);
    connect(&dialog, &CGravacao::messageShown, this, &CMainFrame::noteShown);
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
  session_.recordingMade(*target);
  openClientFile(target->number, target->type);
}

void CMainFrame::configureRecord() {
  CConfGravar dialog(config_.recorder().microphoneInput,
                     static_cast<std::uint32_t>(session_.recordingRate()), this);
  if (dialog.exec() != QDialog::Accepted) return;
  RecorderConfig stored = config_.recorder();
  stored.microphoneInput = dialog.microphoneInput();
  if (playback_) playback_->stop();
  session_.setRecordingRate(static_cast<int>(dialog.voiceAnalysisRate()));
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
