// SPDX-License-Identifier: GPL-3.0-or-later
// The frame's commands of the spectral displays: their settings dialogs, the spectrogram
// band and the black-and-white picture, with their check marks.

#include <QAction>

#include "app/dialogs/settings/configure_spectrum_dialogs.h"
#include "app/drawing/display_modes.h"
#include "app/frame/main_frame.h"

namespace sonarel::app {

void CMainFrame::configurePowerSpectrum() {
  ConfigurePowerSpectrumDialog dialog(document_.state().spectral().powerSettings(), this);
  if (dialog.exec() != QDialog::Accepted) return;
  document_.state().spectral().setPowerSettings(dialog.settings());
  showMode(mode::PowerSpectrum);
}

void CMainFrame::configureLpc() {
  ConfigureLpcDialog dialog(document_.state().spectral().lpcSettings(), this);
  if (dialog.exec() != QDialog::Accepted) return;
  document_.state().spectral().setLpcSettings(dialog.settings());
  showMode(mode::LpcSpectrum);
}

void CMainFrame::chooseBand(int command) {
  using spectral::SpectrogramBand;
  const SpectrogramBand band = command == cmd::BandWide     ? SpectrogramBand::Wide
                               : command == cmd::BandMiddle ? SpectrogramBand::Middle
                                                            : SpectrogramBand::Narrow;
  ViewState& state = document_.state();
  state.spectral().setBand(band);
  state.shareSettingsWithComparison();
  if (state.isOpen() && state.buffer().kind == core::FileKind::VoiceAnalysis) {
    showMode(mode::Spectrogram);
  } else {
    emit document_.changed();
  }
}

void CMainFrame::toggleBlackAndWhite() {
  ViewState& state = document_.state();
  state.spectral().toggleBlackAndWhite();
  state.shareSettingsWithComparison();
  const int shown = state.displayMode();
  if (shown == mode::Spectrogram || shown == mode::SpectrogramAmplitude || !state.isOpen() ||
      state.buffer().kind != core::FileKind::VoiceAnalysis) {
    emit document_.changed();
  } else {
    showMode(mode::Spectrogram);
  }
}

void CMainFrame::updateSpectrogramChecks() {
  const SpectrogramSettings& settings = document_.state().spectral().spectrogramSettings();
  using spectral::SpectrogramBand;
  actions_.value(cmd::BandWide)->setChecked(settings.band == SpectrogramBand::Wide);
  actions_.value(cmd::BandMiddle)->setChecked(settings.band == SpectrogramBand::Middle);
  actions_.value(cmd::BandNarrow)->setChecked(settings.band == SpectrogramBand::Narrow);
  actions_.value(cmd::BlackAndWhite)->setChecked(settings.blackAndWhite);
}

}  // namespace sonarel::app
