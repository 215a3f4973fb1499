// --screenshots: every display mode of the open recording, grabbed from the real window.

#include <QDir>
#include <QPixmap>

#include "app/command_table.h"
#include "app/main_frame.h"
#include "app/mfc_app.h"
#include "app/power_spectrum_window.h"

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
  const struct {
    int command;
    const char* name;
  } shots[] = {{cmd::AudioSignal, "mode0-audio-signal"},
               {cmd::FundamentalFrequency, "mode2-f0"},
               {cmd::Intensity, "mode3-intensity"},
               {cmd::Histogram, "mode4-histogram"},
               {cmd::Statistics, "mode5-statistics"},
               {cmd::F0AndIntensity, "mode8-f0-and-intensity"},
               {cmd::Spectrogram, "mode1-spectrogram"},
               {cmd::LpcSpectrum, "mode6-lpc-spectrum"},
               {cmd::PowerSpectrum, "mode7-power-spectrum"},
               {cmd::PowerAndLpc, "mode9-power-and-lpc"},
               {cmd::SpectrogramAmplitude, "mode16-spectrogram-amplitude"},
               {cmd::VowelSpace, "mode10-vowel-space"}};
  QApplication::processEvents();
  frame_->grab().save(folder + "/mode-1-waveform.png");
  for (const auto& shot : shots) {
    if (frame_->document().state().buffer().kind == core::FileKind::VocalQuality &&
        shot.command != cmd::AudioSignal) {
      continue;
    }
    frame_->runCommand(shot.command);
    QApplication::processEvents();
    // Spectrogram pictures grow from the left over a few repaints: grab the finished one.
    if (!grabFinished(*frame_, folder + "/" + shot.name + ".png")) return 1;
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
