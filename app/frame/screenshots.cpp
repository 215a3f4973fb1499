// SPDX-License-Identifier: GPL-3.0-or-later
// --screenshots: every display mode of the open recording, grabbed from the real window.

#include <QDir>
#include <QPixmap>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>

#include "app/commands/command_table.h"
#include "app/dialogs/clients/files_dialog.h"
#include "app/dialogs/recording/record_dialog.h"
#include "app/frame/main_frame.h"
#include "app/mfc_app.h"
#include "app/views/display_registry.h"
#include "app/views/power_spectrum_window.h"
#include "audio/scripted_capture_device.h"
#include "core/sample_buffer.h"

namespace sonarel::app {

namespace {

bool picturesGrowing(const ViewState& state) {
  return state.spectral().picturesGrowing() ||
         (state.comparison() && state.comparison()->spectral().picturesGrowing());
}

bool grabFinished(CMainFrame& frame, const QString& path) {
  frame.grab();
  while (picturesGrowing(frame.document().state())) QApplication::processEvents();
  return frame.grab().save(path);
}

// The comparison's own selection and zoom, through its pop-up menu's commands.
void comparisonExtras(CMainFrame& frame, const QString& folder) {
  ViewState* other = frame.document().state().comparison();
  if (!other || !other->isOpen()) return;
  frame.runCommand(cmd::FundamentalFrequency);
  other->pressStrip(100);
  other->dragStrip(400);
  other->releaseStrip(400);
  frame.runCommand(cmd::ZoomComparison);
  grabFinished(frame, folder + "/comparison-zoomed-f0.png");
  frame.runCommand(cmd::ZoomComparison);
}

// The grey spectrogram, the single-frame spectrum window and a zoomed spectrum.
void spectralExtras(CMainFrame& frame, const QString& folder) {
  frame.runCommand(cmd::Spectrogram);
  frame.runCommand(cmd::BlackAndWhite);
  grabFinished(frame, folder + "/mode1-black-and-white.png");
  frame.runCommand(cmd::BlackAndWhite);
  // The single-frame window belongs to a spectrogram shown alone.
  if (!frame.document().state().comparison()) {
    const QRect graph = frame.view()->geometry().graph;
    frame.view()->showFrameSpectrum(graph.center());
    QApplication::processEvents();
    frame.view()->spectrumWindow()->grab().save(folder + "/spectrum-window.png");
    frame.view()->spectrumWindow()->hide();
  }
  frame.document().state().pressStrip(200);
  frame.document().state().releaseStrip(420);
  frame.runCommand(cmd::PowerAndLpc);
  frame.runCommand(cmd::Zoom);
  grabFinished(frame, folder + "/zoomed-power-and-lpc.png");
  frame.runCommand(cmd::Zoom);
}

// A tone with a slow swell, as a sustained vowel sounds on the trace.
std::vector<std::int16_t> vowelLikeTone(std::uint32_t rate, double seconds, double peak) {
  std::vector<std::int16_t> samples(static_cast<std::size_t>(rate * seconds));
  for (std::size_t i = 0; i < samples.size(); ++i) {
    const double t = static_cast<double>(i) / rate;
    const double swell = 0.6 + 0.4 * std::sin(2 * M_PI * 0.7 * t);
    const double voice = std::sin(2 * M_PI * 140 * t) + 0.5 * std::sin(2 * M_PI * 280 * t) +
                         0.3 * std::sin(2 * M_PI * 700 * t);
    samples[i] =
        static_cast<std::int16_t>(std::clamp(peak * swell * voice / 1.8, -32768.0, 32767.0));
  }
  return samples;
}

// The client's file list (with a client chosen) and the "Record" dialog hearing a scripted
// input: its level before a take, the take running, and the take kept after Stop.
void dialogShots(CMainFrame& frame, Language language, const QString& folder) {
  if (frame.currentClient().code >= 0) {
    FilesDialog files(frame.currentFolder(), QString::fromStdString(frame.currentClient().name),
                      language, false, &frame);
    files.show();
    QApplication::processEvents();
    files.grab().save(folder + "/files-dialog.png");
  }
  QTemporaryDir scratch;
  if (!scratch.isValid()) return;
  audio::ScriptedCaptureDevice input;
  const audio::RecordingJob job{(scratch.path() + "/wv001.wav").toStdString(),
                                core::FileKind::VoiceAnalysis,
                                11025,
                                scratch.path().toStdString(),
                                {}};
  CGravacao record(job, input, nullptr, nullptr, &frame);
  record.show();
  QApplication::processEvents();
  input.hear(vowelLikeTone(11025, 0.3, 14000));
  record.grab().save(folder + "/record-level.png");
  record.record();
  input.hear(vowelLikeTone(11025, 1.2, 26000));
  record.grab().save(folder + "/record-running.png");
  input.hear(vowelLikeTone(11025, 2.0, 26000));
  record.stop();
  QApplication::processEvents();
  input.hear(std::vector<std::int16_t>(700, 32767));  // a clipped block while listening again
  record.grab().save(folder + "/record-take.png");
  record.close();
}

}  // namespace

int CMfcApp::renderScreenshots(const QString& folder) {
  if (!QDir().mkpath(folder)) return 1;
  if (!frame_->document().state().isOpen()) return 1;
  QApplication::processEvents();
  frame_->grab().save(folder + "/mode-1-waveform.png");
  const MenuSet shown = frame_->document().state().buffer().kind == core::FileKind::VocalQuality
                            ? MenuSet::Quality
                            : MenuSet::Voice;
  // A display that closes the comparison comes after the comparison's own pictures.
  std::vector<const DisplayModeEntry*> last;
  for (const DisplayModeEntry& entry : displayRegistry().entries()) {
    // The live displays play the recording: their pictures come from the tests' scripted
    // output instead.
    if (!entry.screenshot || entry.live() || !inMenuSet(entry.kinds, shown)) continue;
    if (entry.needs.closesComparison) {
      last.push_back(&entry);
      continue;
    }
    frame_->runCommand(entry.command);
    QApplication::processEvents();
    // Spectrogram pictures grow from the left over a few repaints: grab the finished one.
    if (!grabFinished(*frame_, folder + "/" + entry.screenshot + ".png")) return 1;
  }
  if (frame_->document().state().buffer().kind == core::FileKind::VoiceAnalysis) {
    spectralExtras(*frame_, folder);
  }
  comparisonExtras(*frame_, folder);
  for (const DisplayModeEntry* entry : last) {
    frame_->runCommand(entry->command);
    QApplication::processEvents();
    if (!grabFinished(*frame_, folder + "/" + entry->screenshot + ".png")) return 1;
  }
  // A selection and a zoom, as a user makes them.
  frame_->document().state().pressStrip(200);
  frame_->document().state().dragStrip(420);
  frame_->document().state().releaseStrip(420);
  frame_->runCommand(cmd::FundamentalFrequency);
  frame_->grab().save(folder + "/selection.png");
  frame_->runCommand(cmd::Zoom);
  QApplication::processEvents();
  frame_->grab().save(folder + "/zoomed-f0.png");
  frame_->runCommand(cmd::Zoom);
  dialogShots(*frame_, languages_.current(), folder);
  return 0;
}

}  // namespace sonarel::app
