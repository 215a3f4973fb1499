// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/views/display_registry.h"

#include <QPainter>

#include "app/drawing/display_modes.h"
#include "app/drawing/live_drawing.h"
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
       "", S::Quality, ModeNeeds{.clinical = true},
       [](QPainter& p, const QRect& g, const DisplayData& d) { drawClinicalMeasures(p, g, d); },
       nullptr, nullptr, "mode18-clinical-measures"},
      {mode::FollowUp, cmd::FollowUpView, QT_TRANSLATE_NOOP("Command", "View"),
       QT_TRANSLATE_NOOP("Command", "Show the follow-up diagram"), "", S::Quality,
       ModeNeeds{.segments = true, .closesComparison = true},
       [](QPainter& p, const QRect& g, const DisplayData& d) { drawFollowUpDiagram(p, g, d); },
       nullptr, nullptr, "mode17-follow-up", true, false, TopMenu::FollowUp, nullptr, true},
  };
}

// A live display (menu "Real-Time"): the command, its texts and what it needs computed before
// the sound starts.
DisplayModeEntry liveMode(int code, int command, const char* text, const char* tip, ModeNeeds needs,
                          DrawRoutine draw, const char* screenshot, int afterEnd,
                          LiveDrawing drawing = LiveDrawing::Uncover) {
  return {.code = code,
          .command = command,
          .menuText = text,
          .tip = tip,
          .kinds = MenuSet::Voice,
          .needs = needs,
          .draw = draw,
          .screenshot = screenshot,
          .prints = false,
          .menu = TopMenu::RealTime,
          .afterEnd = afterEnd,
          .liveDrawing = drawing};
}

std::vector<DisplayModeEntry> liveModes() {
  const ModeNeeds f0{.f0 = true};
  const ModeNeeds none;
  return {
      liveMode(
          mode::LiveAudioSignal, cmd::LiveAudioSignal, QT_TRANSLATE_NOOP("Command", "Audio Signal"),
          QT_TRANSLATE_NOOP("Command", "Play with the audio signal"), f0,
          [](QPainter& p, const QRect& g, const DisplayData& d) {
            drawUncovered(p, g, d, drawAudioSignal);
          },
          "live20-audio-signal", mode::AudioSignal),
      liveMode(
          mode::LiveSpectrogram, cmd::LiveSpectrogram, QT_TRANSLATE_NOOP("Command", "Spectrogram"),
          QT_TRANSLATE_NOOP("Command", "Play with the spectrogram"), none,
          [](QPainter& p, const QRect& g, const DisplayData& d) {
            drawUncovered(p, g, d, drawSpectrogram, true);
          },
          "live21-spectrogram", mode::Spectrogram, LiveDrawing::UncoverEven),
      liveMode(
          mode::LiveF0, cmd::LiveF0, QT_TRANSLATE_NOOP("Command", "Fundamental Frequency (F0)"),
          QT_TRANSLATE_NOOP("Command", "Play with the F0 contour"), f0,
          [](QPainter& p, const QRect& g, const DisplayData& d) {
            drawUncovered(p, g, d, [](QPainter& p2, const QRect& g2, const DisplayData& d2) {
              drawF0Contour(p2, g2, d2);
            });
          },
          "live22-f0", mode::F0),
      liveMode(
          mode::LiveIntensity, cmd::LiveIntensity, QT_TRANSLATE_NOOP("Command", "Intensity"),
          QT_TRANSLATE_NOOP("Command", "Play with the intensity"), ModeNeeds{.intensity = true},
          [](QPainter& p, const QRect& g, const DisplayData& d) {
            drawUncovered(p, g, d, [](QPainter& p2, const QRect& g2, const DisplayData& d2) {
              drawIntensityContour(p2, g2, d2);
            });
          },
          "live23-intensity", mode::Intensity),
      liveMode(
          mode::LiveF0AndIntensity, cmd::LiveF0AndIntensity,
          QT_TRANSLATE_NOOP("Command", "F0 and Intensity"),
          QT_TRANSLATE_NOOP("Command", "Play with F0 and intensity"), f0,
          [](QPainter& p, const QRect& g, const DisplayData& d) {
            drawUncovered(p, g, d, drawF0AndIntensity);
          },
          "live28-f0-and-intensity", mode::F0AndIntensity),
      liveMode(mode::LivePowerSpectrum, cmd::LivePowerSpectrum,
               QT_TRANSLATE_NOOP("Command", "Power Spectrum"),
               QT_TRANSLATE_NOOP("Command", "Play with the power spectrum"), none, drawLivePower,
               "live27-power-spectrum", mode::PowerSpectrum, LiveDrawing::Frame),
      liveMode(mode::LiveLpcSpectrum, cmd::LiveLpcSpectrum,
               QT_TRANSLATE_NOOP("Command", "LPC Spectrum"),
               QT_TRANSLATE_NOOP("Command", "Play with the LPC spectrum"), none, drawLiveLpc,
               "live26-lpc-spectrum", mode::LpcSpectrum, LiveDrawing::Frame),
      liveMode(mode::LiveVowelSpace, cmd::LiveVowelSpace,
               QT_TRANSLATE_NOOP("Command", "Vowel Space"),
               QT_TRANSLATE_NOOP("Command", "Play with the vowel space"),
               ModeNeeds{.formants = true, .f0 = true}, drawLiveVowelSpace, "live30-vowel-space",
               mode::VowelSpace, LiveDrawing::Frame),
      liveMode(
          mode::LiveSpectrogramAmplitude, cmd::LiveSpectrogramAmplitude,
          QT_TRANSLATE_NOOP("Command", "Spectrogram - Amplitude"),
          QT_TRANSLATE_NOOP("Command", "Play with the spectrogram and amplitude"), none,
          [](QPainter& p, const QRect& g, const DisplayData& d) {
            drawUncovered(p, g, d, drawSpectrogramAmplitude, true);
          },
          "live31-spectrogram-amplitude", mode::SpectrogramAmplitude, LiveDrawing::UncoverEven),
  };
}

const ModeNeeds* registeredNeeds(int code) {
  const DisplayModeEntry* entry = displayRegistry().byCode(code);
  return entry ? &entry->needs : nullptr;
}

}  // namespace

DisplayRegistry::DisplayRegistry() : entries_(builtInModes()) {
  for (const DisplayModeEntry& entry : liveModes()) entries_.push_back(entry);
}

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
