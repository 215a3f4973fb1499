// SPDX-License-Identifier: GPL-3.0-or-later
// --screenshots: every display mode of the open recording, grabbed from the real window.

#include <QDir>
#include <QPixmap>

#include "app/commands/command_table.h"
#include "app/frame/main_frame.h"
#include "app/mfc_app.h"
#include "app/views/display_registry.h"
#include "app/views/power_spectrum_window.h"

namespace sonarel::app {

namespace {

bool grabFinished(CMainFrame& frame, const QString& path) {
  frame.grab();
  while (frame.document().state().spectral().picturesGrowing()) QApplication::processEvents();
  return frame.grab().save(path);
}

// The grey spectrogram, the single-frame spectrum window and a zoomed spectrum.
void spectralExtras(CMainFrame& frame, const QString& folder) {
  frame.runCommand(cmd::Spectrogram);
  frame.runCommand(cmd::BlackAndWhite);
  grabFinished(frame, folder + "/mode1-black-and-white.png");
  frame.runCommand(cmd::BlackAndWhite);
  const QRect graph = frame.view()->geometry().graph;
  frame.view()->showFrameSpectrum(graph.center());
  QApplication::processEvents();
  frame.view()->spectrumWindow()->grab().save(folder + "/spectrum-window.png");
  frame.view()->spectrumWindow()->hide();
  frame.document().state().pressStrip(200);
  frame.document().state().releaseStrip(420);
  frame.runCommand(cmd::PowerAndLpc);
  frame.runCommand(cmd::Zoom);
  grabFinished(frame, folder + "/zoomed-power-and-lpc.png");
  frame.runCommand(cmd::Zoom);
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
  for (const DisplayModeEntry& entry : displayRegistry().entries()) {
    // The live displays play the recording: their pictures come from the tests' scripted
    // output instead.
    if (!entry.screenshot || entry.live() || !inMenuSet(entry.kinds, shown)) continue;
    frame_->runCommand(entry.command);
    QApplication::processEvents();
    // Spectrogram pictures grow from the left over a few repaints: grab the finished one.
    if (!grabFinished(*frame_, folder + "/" + entry.screenshot + ".png")) return 1;
  }
  if (frame_->document().state().buffer().kind == core::FileKind::VoiceAnalysis) {
    spectralExtras(*frame_, folder);
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
  return 0;
}

}  // namespace sonarel::app
