// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/views/display_registry.h"

#include <QPainter>

#include "app/drawing/display_modes.h"
#include "app/drawing/quality_drawing.h"
#include "app/drawing/spectral_drawing.h"
#include "app/views/mode_icons.h"

namespace sonarel::app {
namespace {

std::vector<DisplayModeEntry> builtInModes() {
  using S = MenuSet;
  const ModeNeeds none;
  const ModeNeeds f0{.f0 = true};
  const ModeNeeds rangeStatistics{.f0 = true, .rangeStatistics = true};
  return {
      {mode::AudioSignal, cmd::AudioSignal, QT_TRANSLATE_NOOP("Command", "Audio Signal"),
       QT_TRANSLATE_NOOP("Command", "Show the audio signal"), "Ctrl+1", S::Both, none,
       drawAudioSignal, audioSignalReadout, mode_icons::audioSignal, "mode0-audio-signal"},
      {mode::F0, cmd::FundamentalFrequency,
       QT_TRANSLATE_NOOP("Command", "Fundamental Frequency (F0)"),
       QT_TRANSLATE_NOOP("Command", "Show the F0 contour"), "Ctrl+2", S::Voice, f0,
       [](QPainter& p, const QRect& g, const DisplayData& d) { drawF0Contour(p, g, d); }, f0Readout,
       mode_icons::f0, "mode2-f0"},
      {mode::Intensity, cmd::Intensity, QT_TRANSLATE_NOOP("Command", "Intensity"),
       QT_TRANSLATE_NOOP("Command", "Show the intensity contour"), "Ctrl+3", S::Voice,
       ModeNeeds{.intensity = true},
       [](QPainter& p, const QRect& g, const DisplayData& d) { drawIntensityContour(p, g, d); },
       intensityReadout, mode_icons::intensity, "mode3-intensity"},
      {mode::F0AndIntensity, cmd::F0AndIntensity, QT_TRANSLATE_NOOP("Command", "F0 and Intensity"),
       QT_TRANSLATE_NOOP("Command", "Show F0 and intensity together"), "Ctrl+4", S::Voice, f0,
       drawF0AndIntensity, f0AndIntensityReadout, mode_icons::f0AndIntensity,
       "mode8-f0-and-intensity"},
      {mode::Histogram, cmd::Histogram, QT_TRANSLATE_NOOP("Command", "Histogram (F0)"),
       QT_TRANSLATE_NOOP("Command", "Show the F0 histogram"), "Ctrl+5", S::Voice, rangeStatistics,
       drawHistogram, nullptr, mode_icons::histogram, "mode4-histogram"},
      {mode::Statistics, cmd::Statistics, QT_TRANSLATE_NOOP("Command", "Statistics"),
       QT_TRANSLATE_NOOP("Command", "Show the statistics of F0 and intensity"), "Ctrl+6", S::Voice,
       rangeStatistics, drawStatisticsPanel, nullptr, mode_icons::statistics, "mode5-statistics"},
      {mode::PowerSpectrum, cmd::PowerSpectrum, QT_TRANSLATE_NOOP("Command", "Power Spectrum"),
       QT_TRANSLATE_NOOP("Command", "Show the power spectrum"), "", S::Voice,
       ModeNeeds{.power = true}, drawPowerSpectrum, spectrumReadout, nullptr,
       "mode7-power-spectrum", true, true},
      {mode::LpcSpectrum, cmd::LpcSpectrum, QT_TRANSLATE_NOOP("Command", "LPC Spectrum"),
       QT_TRANSLATE_NOOP("Command", "Show the LPC spectrum"), "", S::Voice,
       ModeNeeds{.lpc = true, .lpcRefusalKeepsMode = true}, drawLpcSpectrum, spectrumReadout,
       nullptr, "mode6-lpc-spectrum"},
      {mode::PowerAndLpc, cmd::PowerAndLpc, QT_TRANSLATE_NOOP("Command", "Power Spectrum and LPC"),
       QT_TRANSLATE_NOOP("Command", "Show the power and LPC spectra"), "", S::Voice,
       ModeNeeds{.lpc = true, .power = true}, drawPowerAndLpc, spectrumReadout, nullptr,
       "mode9-power-and-lpc"},
      {mode::Spectrogram, cmd::Spectrogram, QT_TRANSLATE_NOOP("Command", "Spectrogram"),
       QT_TRANSLATE_NOOP("Command", "Show the spectrogram"), "", S::Voice, none, drawSpectrogram,
       spectrogramReadout, nullptr, "mode1-spectrogram"},
      {mode::SpectrogramAmplitude, cmd::SpectrogramAmplitude,
       QT_TRANSLATE_NOOP("Command", "Spectrogram - Amplitude"),
       QT_TRANSLATE_NOOP("Command", "Show the spectrogram with the amplitude"), "", S::Voice, none,
       drawSpectrogramAmplitude, amplitudeSpectrogramReadout, nullptr,
       "mode16-spectrogram-amplitude"},
      {mode::VowelSpace, cmd::VowelSpace, QT_TRANSLATE_NOOP("Command", "Vowel Space"),
       QT_TRANSLATE_NOOP("Command", "Show the vowel space"), "", S::Voice,
       // The points are those of the voiced columns of the F0 contour.
       ModeNeeds{.formants = true, .f0 = true},
       [](QPainter& p, const QRect& g, const DisplayData& d) { drawVowelSpace(p, g, d); },
       vowelSpaceReadout, nullptr, "mode10-vowel-space"},
      // Vocal-quality files.
      {mode::VocalAnalysisData, cmd::VocalAnalysisData,
       QT_TRANSLATE_NOOP("Command", "Vocal Analysis Data (Statistics)"),
       QT_TRANSLATE_NOOP("Command", "Show the vocal analysis data"), "", S::Quality,
       ModeNeeds{.f0 = true, .rangeStatistics = true, .segments = true, .segmentsRequired = true},
       [](QPainter& p, const QRect& g, const DisplayData& d) { drawVocalAnalysisData(p, g, d); },
       nullptr, nullptr, "mode11-vocal-analysis-data"},
      {mode::DeviationDiagram, cmd::DeviationDiagram,
       QT_TRANSLATE_NOOP("Command", "Phonatory Deviation Diagram"),
       QT_TRANSLATE_NOOP("Command", "Show the phonatory deviation diagram"), "", S::Quality,
       ModeNeeds{.segments = true, .segmentsRequired = true},
       [](QPainter& p, const QRect& g, const DisplayData& d) {
         drawDeviationDiagram(p, g, d, static_cast<double>(d.range.first),
                              static_cast<double>(d.range.last));
       },
       deviationReadout, nullptr, "mode12-deviation-diagram", true, false, TopMenu::Analysis,
       deviationReadoutBox},
      {mode::SpectrogramIntensityF0, cmd::SpectrogramIntensityF0,
       QT_TRANSLATE_NOOP("Command", "Spectrogram, Intensity and F0"),
       QT_TRANSLATE_NOOP("Command", "Show the spectrogram with intensity and F0"), "", S::Quality,
       ModeNeeds{.f0 = true, .rangeStatistics = true, .segments = true},
       [](QPainter& p, const QRect& g, const DisplayData& d) {
         drawSpectrogramIntensityF0(p, g, d);
       },
       nullptr, nullptr, "mode14-spectrogram-intensity-f0"},
      {mode::ClinicalMeasures, cmd::ClinicalMeasures,
       QT_TRANSLATE_NOOP("Command", "Clinical Measures (CPPS, HNR, AVQI)"),
       QT_TRANSLATE_NOOP("Command", "Show CPPS, HNR, shimmer and AVQI with their normal limits"),
       "", S::Quality, none,
       [](QPainter& p, const QRect& g, const DisplayData& d) { drawClinicalMeasures(p, g, d); },
       nullptr, nullptr, "mode18-clinical-measures"},
      {mode::FollowUp, cmd::FollowUpView, QT_TRANSLATE_NOOP("Command", "View"),
       QT_TRANSLATE_NOOP("Command", "Show the follow-up diagram"), "", S::Quality,
       ModeNeeds{.segments = true},
       [](QPainter& p, const QRect& g, const DisplayData& d) { drawFollowUpDiagram(p, g, d); },
       nullptr, nullptr, "mode17-follow-up", true, false, TopMenu::FollowUp, nullptr, true},
  };
}

const ModeNeeds* registeredNeeds(int code) {
  const DisplayModeEntry* entry = displayRegistry().byCode(code);
  return entry ? &entry->needs : nullptr;
}

}  // namespace

DisplayRegistry::DisplayRegistry() : entries_(builtInModes()) {}

const DisplayModeEntry* DisplayRegistry::byCode(int code) const {
  for (const DisplayModeEntry& entry : entries_)
    if (entry.code == code) return &entry;
  return nullptr;
}

const DisplayModeEntry* DisplayRegistry::byCommand(int command) const {
  for (const DisplayModeEntry& entry : entries_)
    if (entry.command == command) return &entry;
  return nullptr;
}

bool DisplayRegistry::add(const DisplayModeEntry& entry) {
  if (entry.code == mode::None || byCode(entry.code) || byCommand(entry.command)) return false;
  entries_.push_back(entry);
  return true;
}

DisplayRegistry& displayRegistry() {
  static DisplayRegistry registry;
  return registry;
}

// The session finds what each mode needs here; installed as the program starts.
[[maybe_unused]] const bool kNeedsInstalled = (setModeNeedsLookup(registeredNeeds), true);

}  // namespace sonarel::app
