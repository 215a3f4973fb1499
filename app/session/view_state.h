// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One view's state, with no widget code: its open recording, the settings of every
// analysis, the display mode, the analysis range, the strip selection and the cached results
// with the flags that say they are current. It is a value: a second view (a comparison) owns
// one of its own. Every command's logic lives here (what it computes, which flag it clears,
// which message it gives), so it is tested without a window; the widget turns events into
// these calls and repaints.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/session/curve_cache.h"
#include "app/session/display_data.h"
#include "app/session/follow_up.h"
#include "app/session/mode_needs.h"
#include "app/session/open_recording.h"
#include "app/session/spectral_state.h"
#include "core/analysis_control.h"
#include "core/contours.h"
#include "core/edit_state.h"
#include "core/f0_driver.h"
#include "core/f0_histogram.h"
#include "core/f0_settings.h"
#include "core/intensity.h"
#include "core/message.h"
#include "core/sample_buffer.h"
#include "core/text_export.h"
#include "quality/clinical/avqi.h"
#include "quality/segment_table.h"
#include "spectral/formant_track.h"
#include "spectral/vowel_targets.h"

namespace sonarel::app {

class ViewState;

// Where a view keeps its comparison view. A copy of the view starts without one: the
// comparison belongs to the view that opened it.
class ComparisonSlot {
 public:
  ComparisonSlot();
  ~ComparisonSlot();
  ComparisonSlot(const ComparisonSlot&);
  ComparisonSlot& operator=(const ComparisonSlot&);
  ComparisonSlot(ComparisonSlot&&) noexcept;
  ComparisonSlot& operator=(ComparisonSlot&&) noexcept;

  std::unique_ptr<ViewState> view;
};

// A stretch of samples: [start, start + length).
struct SampleStretch {
  core::SampleIndex start = 0;
  core::SampleIndex length = 0;
};

class ViewState {
 public:
  // Opening and closing.
  std::optional<core::Message> open(const std::string& path, core::FileKind kind);
  void close();
  bool isOpen() const { return recording_.isOpen(); }
  const core::SampleBuffer& buffer() const { return recording_.buffer(); }
  // Raised by every change of the samples; cached results belong to one revision.
  std::uint64_t revision() const { return recording_.revision(); }
  // Changes the samples in place (an edit): the range goes back to the whole recording, the
  // display ends, the selection and the zoom go, and every cached result is dropped.
  void changeSamples(const std::function<void(std::vector<std::int16_t>&)>& edit);
  // The same for an edit that may refuse: nothing changes when `edit` returns false.
  bool changeSamplesIf(const std::function<bool(std::vector<std::int16_t>&)>& edit);

  // The editing state of the open samples (clip, undo, modified); a load or close ends it.
  core::EditState& edits() { return edits_; }
  const core::EditState& edits() const { return edits_; }
  // The open samples now belong to `path` (saved under a new name).
  void renameRecording(const std::string& path) { recording_.setPath(path); }

  // The waveform strip: 680 columns of N / 680 whole samples each.
  core::SampleIndex samplesPerPixel() const { return buffer().count() / kGraphColumns; }
  void pressStrip(int x);
  void dragStrip(int x);
  // Ends a drag; true when the two ends differ (the context menu opens then). A click
  // without movement clears the selection.
  bool releaseStrip(int x);
  void selectAll();
  void clearSelection() { selection_ = {}; }
  const StripSelection& selection() const { return selection_; }
  SampleStretch selectedStretch() const;

  // Zoom into the selection, or back out to the whole recording, recomputing what the mode
  // shows over the new range. Refused (with the message) when the selection holds no sample.
  std::optional<core::Message> toggleZoom(const core::AnalysisControl& control = {});
  bool zoomed() const { return zoomed_; }
  const core::AnalysisRange& range() const { return buffer().range; }

  // Shows `mode`, computing what the registry says it needs; on failure the previous mode
  // stays. A code that names no mode changes nothing.
  std::optional<core::Message> showMode(int mode, const core::AnalysisControl& control = {});
  std::optional<core::Message> showMode(int mode, const ModeNeeds& needs,
                                        const core::AnalysisControl& control = {});
  int displayMode() const { return mode_; }
  // Nothing shown (a display that could not start).
  void clearDisplay();
  // The analysis range back to the whole recording, without zoom (the marked stretch stays).
  void resetRange();
  const ModeNeeds& modeNeeds() const { return modeNeeds_; }
  // Computes what `needs` asks for without changing the display. An F0 failure stops
  // before the rest; a refused spectrum range is reported after the other spectra.
  struct NeedsOutcome {
    std::optional<core::Message> f0Failure;
    std::optional<core::Message> spectraRefusal;
    std::optional<core::Message> segmentsWarning;  // the segment table's refusal or cache note
  };
  NeedsOutcome computeNeeds(const ModeNeeds& needs, const core::AnalysisControl& control = {});
  // Recomputes the intensity contour even when cached ("Calculate Intensity"); the caller
  // then shows the intensity display.
  std::optional<core::Message> recalculateIntensity();

  // Settings: storing new ones clears the matching results.
  const core::F0Settings& f0Settings() const { return f0Settings_; }
  void setF0Settings(const core::F0Settings& settings);
  const core::IntensitySettings& intensitySettings() const { return intensitySettings_; }
  void setIntensitySettings(const core::IntensitySettings& settings);

  // The vowel space: the client's type picks the targets' block; the vowel set and the
  // targets are kept for the program run. Storing them changes no computed result.
  int clientType() const { return clientType_; }
  void setClientType(int type) { clientType_ = type; }
  int vowelSet() const { return vowelSet_; }
  const spectral::VowelTargets& vowelTargets() const { return vowelTargets_; }
  // A new set starts every type from that set's defaults; then `block` is stored for
  // `type`.
  void setVowelSpace(int vowelSet, int type, const spectral::VowelBlock& block);
  // Picks the set (and its default targets) before anything has been edited.
  void setDefaultVowelSet(int vowelSet);

  // The stretch "Play" sends to the device: the selection when zoomed (or, for the context
  // command, whenever one is marked), else the whole recording.
  SampleStretch playStretch(bool fromContextMenu) const;

  // The spectra and spectrograms: their settings, results and pictures.
  SpectralState& spectral() { return spectral_; }
  const SpectralState& spectral() const { return spectral_; }

  // Where the F0 trackers' diagnostic lines go (the program sends them to standard error);
  // by default nowhere.
  void setDiagnosticSink(std::function<void(const std::string& line)> sink) {
    diagnosticSink_ = std::move(sink);
  }

  // Cached results, for the exports; each computes what it needs first.
  std::optional<core::Message> ensureF0(const core::AnalysisControl& control = {});
  std::optional<core::Message> ensureIntensity();
  const core::F0Contour& f0() const { return analysis_.f0; }
  const core::IntensityColumns& intensityColumns() const { return analysis_.intensityColumns; }
  // The formant track of the whole recording, computed at the first call after a load.
  const spectral::FormantTrack& ensureFormants();
  core::StatisticsReport statisticsReport() const;

  // The segment table of a vocal-quality recording: from its cache, else analysed (and the
  // cache written). A refusal of the recording's rate leaves it empty; a cache that could
  // not be written is reported, and the table stands.
  std::optional<core::Message> ensureSegments();
  const quality::SegmentTable& segments() const { return segments_; }
  bool segmentsReady() const;

  // The clinical measures of the analysis range (the whole recording when the range is
  // empty), computed once per revision and range.
  void ensureClinical();
  // Null until computed for the present samples and range.
  const quality::clinical::ClinicalOutcome* clinical() const;

  // The follow-up series: it outlives mode changes and recordings, and is emptied when the
  // client changes.
  FollowUpSeries& followUp() { return followUp_; }
  const FollowUpSeries& followUp() const { return followUp_; }

  // The interface language the pictures are drawn for (date order, fonts).
  void setLanguage(int language) { language_ = language; }

  // What the drawing routines read.
  DisplayData displayData() const;

  // The comparison: a second view owned by this one, with its own recording, range, zoom
  // and results; null while none is open (see comparison.h for opening one). Every mode
  // shown here is computed for it too.
  ViewState* comparison() { return comparison_.view.get(); }
  const ViewState* comparison() const { return comparison_.view.get(); }
  // An empty comparison view with this view's analysis settings (an open one is emptied
  // and reused).
  ViewState& makeComparison();
  void closeComparison() { comparison_.view.reset(); }
  // Hands the analysis settings the comparison shares to it: the F0 method, style and
  // silence threshold (its pitch range stays its client type's), the intensity settings and
  // the spectra and spectrogram settings. Nothing without a comparison.
  void shareSettingsWithComparison();
  // Nothing shown any more (the display a comparison cannot sit beside).
  void showNothing() {
    mode_ = mode::None;
    modeNeeds_ = {};
  }
  bool showingModeThatClosesComparison() const { return modeNeeds_.closesComparison; }

  // Analysing on another thread: a copy with its own samples (and its own comparison), to
  // analyse while this view is drawn; the editing history stays here. The diagnostic sink
  // goes with it and is called from the thread that analyses.
  ViewState analysisCopy() const;
  // Takes from `done` (an analysisCopy() of this view, analysed since) the mode, range, zoom
  // and results, unless the samples here changed after the copy was made: then nothing is
  // taken and it returns false. The samples are never replaced (playback may be reading
  // them), nor the spectrogram pictures drawn meanwhile.
  bool adoptAnalysis(ViewState&& done);

  static constexpr int kGraphColumns = 680;

 private:
  std::function<void(const std::string&)> diagnosticSink_;
  std::optional<core::Message> showOwnMode(int mode, const ModeNeeds& needs,
                                           const core::AnalysisControl& control);
  void computeRangeResults();
  std::optional<core::Message> computeSpectra(const ModeNeeds& needs);
  // Drops every result computed for an earlier revision of the samples.
  void dropStaleResults();
  void dropResults();
  // New samples: nothing shown, no zoom, no selection, no result.
  void startOver();
  core::SampleBuffer& analysed() { return recording_.analysisBuffer(); }

  OpenRecording recording_;
  core::EditState edits_;
  std::uint64_t resultsRevision_ = 0;  // the revision the cached results belong to
  core::F0Settings f0Settings_;
  core::IntensitySettings intensitySettings_;
  int mode_ = mode::None;
  ModeNeeds modeNeeds_;
  bool zoomed_ = false;
  StripSelection selection_;
  bool dragging_ = false;

  core::VoiceAnalysis analysis_;
  bool intensityBuilt_ = false;  // the contour exists, current flag or not
  core::F0Histogram histogram_;
  core::StatisticsReport statistics_;

  spectral::FormantTrack formants_;
  int clientType_ = 0;
  int vowelSet_ = spectral::vowel_set::Ipa;
  spectral::VowelTargets vowelTargets_ = spectral::DefaultVowelTargets(spectral::vowel_set::Ipa);
  SpectralState spectral_;
  mutable CurveCache curves_;  // filled by the drawing routines
  quality::SegmentTable segments_;
  struct ClinicalResult {
    bool computed = false;
    core::SampleRange range;  // the stretch measured
    quality::clinical::ClinicalOutcome outcome;
  };
  ClinicalResult clinical_;
  core::SampleRange clinicalStretch() const;
  FollowUpSeries followUp_;
  int language_ = 0;
  ComparisonSlot comparison_;
};

}  // namespace sonarel::app
