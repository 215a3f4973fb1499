// SPDX-License-Identifier: GPL-3.0-or-later
// The frame's "Import..." command: an outside sound file becomes the client file that is
// open or prepared, copied when it already has the needed format, otherwise converted after
// the "Convert File" question. Whatever fails or is cancelled, the client's folder is left
// as it was: the recording is written beside its target and renamed into place at the end.

#include <QFileDialog>
#include <QFileInfo>

#include "app/dialogs/import/converter_dialog.h"
#include "app/frame/main_frame.h"
#include "app/translated_text.h"
#include "app/wait_dialog.h"
#include "spectral/sound_import.h"

namespace sonarel::app {

using core::Message;
using core::MessageId;

void CMainFrame::importSoundFile() {
  const ViewState& state = document_.state();
  const auto target = session_.recordTarget(state);
  if (!target) return;

  const QString path =
      chooseImportPath ? chooseImportPath()
                       : QFileDialog::getOpenFileName(
                             this, commandText("&Import..."), QString(),
                             tr("Sound Files (*.wav *.flac *.ogg *.oga *.opus *.mp3 *.aif *.aiff "
                                "*.aifc);;All Files (*)"));
  if (path.isEmpty()) return;

  auto read = spectral::ReadImportSource(path.toStdString());
  if (const auto* refusal = std::get_if<Message>(&read)) {
    showMessage(*refusal);
    return;
  }
  const auto& source = std::get<spectral::ImportSource>(read);
  if (source.clipped > 0) {
    showMessage(Message{MessageId::ImportSamplesClipped,
                        {std::to_string(source.clipped), path.toStdString()}});
  }
  if (state.isOpen() && !ask(Message{MessageId::ReplaceActualSoundFile})) return;

  spectral::ImportRequest request{target->path, spectral::DefaultImportRate(source, target->type),
                                  spectral::ChannelChoice::Mix};
  if (spectral::ImportNeedsConversion(source, target->type)) {
    CConverter dialog({QFileInfo(path).fileName(), source.sampleRate, source.channels,
                       QFileInfo(QString::fromStdString(target->path)).fileName(), target->type,
                       request.targetRate},
                      this);
    int answer = QDialog::Rejected;
    if (driveConverter) {
      dialog.show();
      driveConverter(dialog);
      answer = dialog.result();
    } else {
      answer = dialog.exec();
    }
    if (answer != QDialog::Accepted) return;
    request.targetRate = dialog.targetRate();
    request.channel = dialog.channel();
  }

  if (playback_) playback_->stop();
  std::optional<spectral::ResampleFailure> failure;
  {
    WaitDialog wait(this, tr("Converting %1...").arg(QFileInfo(path).fileName()));
    const core::AnalysisControl control = wait.control();
    failure = spectral::ImportSoundFile(source, request, [&](double share) {
      control.progress(static_cast<std::int32_t>(share * 1000), 1000);
      if (onImportProgress && !onImportProgress(share)) return false;
      return !control.stopRequested();
    });
  }
  if (failure) {
    if (failure->cancelled) {
      showMessage(Message{MessageId::ImportCancelled});
    } else {
      if (failure->message) showMessage(*failure->message);
      showMessage(Message{MessageId::ErrorImportingFile});
    }
    return;
  }
  session_.recordingMade(*target);
  if (!openClientFile(target->number, target->type)) return;
  showMessage(Message{MessageId::FileImportedSuccessfully});
}

}  // namespace sonarel::app
