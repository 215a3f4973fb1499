// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the drawing routines read: the recording, the analysis range and the cached
// results of the view. Pointers are null for results not computed; a routine then draws
// its frame without the missing curve.

#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "app/session/follow_up.h"
#include "app/session/live_playback.h"
#include "app/session/spectral_display.h"
#include "core/analysis_range.h"
#include "core/contours.h"
#include "core/f0_histogram.h"
#include "core/text_export.h"
#include "quality/clinical/avqi.h"
#include "quality/segment_table.h"
#include "spectral/formant_track.h"
#include "spectral/vowel_targets.h"

namespace sonarel::app {

class CurveCache;

struct F0Display {
  int minPitch = 70;          // Hz, bottom of the scale
  int maxPitch = 400;         // Hz, top of the scale
  int silenceThreshold = 10;  // dB; points over quieter intensity columns are not drawn
  bool line = true;           // a line, else points
};

struct IntensityDisplay {
  int lowLimit = 10;    // dB, bottom of the scale
  int highLimit = 100;  // dB, top of the scale
};

// A marked stretch of the waveform strip, in pixels from its left edge.
struct StripSelection {
  int x1 = 0;
  int x2 = 0;
  bool empty() const { return x1 == x2; }
};

struct DisplayData {
  std::span<const std::int16_t> samples;
  std::uint32_t sampleRate = 0;
  core::AnalysisRange range;
  F0Display f0Display;
  IntensityDisplay intensityDisplay;
  const core::F0Contour* f0 = nullptr;
  const core::VoicingMap* voicing = nullptr;
  const core::IntensityContour* intensity = nullptr;
  const core::IntensityColumns* intensityColumns = nullptr;
  const core::F0Histogram* histogram = nullptr;
  const core::StatisticsReport* statistics = nullptr;
  StripSelection selection;
  const spectral::FormantTrack* formants = nullptr;
  int vowelSet = spectral::vowel_set::Ipa;
  spectral::VowelBlock vowelTargets{};  // of the client's type
  SpectralDisplay spectral;
  const quality::SegmentTable* segments = nullptr;  // null until the table is ready
  const FollowUpSeries* followUp = nullptr;
  // The clinical measures of the analysis range, or their refusal; null until computed.
  const quality::clinical::ClinicalOutcome* clinical = nullptr;
  int fileNumber = -1;  // of the open recording in its client folder; -1 outside one
  std::optional<records::FileDate> fileDate;
  std::string fileName;    // the open recording's name, without its folder
  int language = 0;        // 0 English, 1 Spanish, 2 Korean, 3 Portuguese
  bool screen = false;     // drawn in the window, not printed or written to a file
  bool grayScale = false;  // the waveform and the spectrograms in grey levels (printing)
  // A display drawn in step with the playback: the column the sound has reached (-1: not
  // playing), and the spectra of the live spectrum displays.
  int liveColumn = -1;
  const LiveSpectra* liveSpectra = nullptr;
  // The time the contour graphs span across their width (seconds), when two recordings
  // share one axis; 0: the analysis range's own duration.
  double axisSeconds = 0;
  bool comparison = false;        // the recording shown beside the open one (its own colours)
  bool besideComparison = false;  // either of the two views while a comparison is shown
  std::uint64_t revision = 0;     // of the samples: raised by every edit
  // The view's reductions of its curves kept between repaints; null: reduce on every paint.
  CurveCache* curves = nullptr;

  std::int64_t count() const { return static_cast<std::int64_t>(samples.size()); }
  double rangeStartSeconds() const { return sampleRate ? double(range.first) / sampleRate : 0; }
  double rangeSeconds() const {
    return sampleRate ? double(range.last - range.first) / sampleRate : 0;
  }
  // The seconds the time axis spans: the shared axis, else the analysis range.
  double axisSpanSeconds() const { return axisSeconds > 0 ? axisSeconds : rangeSeconds(); }
  // The samples the time axis spans (at least the range).
  double axisSpanSamples() const {
    const double own = static_cast<double>(range.last - range.first);
    return axisSeconds > 0 ? std::max(own, axisSeconds * sampleRate) : own;
  }
};

}  // namespace sonarel::app
