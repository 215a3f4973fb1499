#pragma once
// Everything the main view holds, with no widget code: the open recording, the settings of
// every analysis, the display mode, the analysis range, the strip selection and the cached
// results with the flags that say they are current. Every command's logic lives here (what
// it computes, which flag it clears, which message it gives), so it is tested without a
// window; the widget turns events into these calls and repaints.

#include <optional>
#include <string>

#include "app/drawing/display_data.h"
#include "core/analysis_control.h"
#include "core/contours.h"
#include "core/f0_driver.h"
#include "core/f0_histogram.h"
#include "core/f0_settings.h"
#include "core/intensity.h"
#include "core/message.h"
#include "core/sample_buffer.h"
#include "core/text_export.h"

namespace sonarel::app {

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
  bool isOpen() const { return buffer_.loaded(); }
  const core::SampleBuffer& buffer() const { return buffer_; }

  // The waveform strip: 680 columns of N / 680 whole samples each.
  core::SampleIndex samplesPerPixel() const { return buffer_.count() / kGraphColumns; }
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
  const core::AnalysisRange& range() const { return buffer_.range; }

  // Shows `mode`, computing what it needs; on failure the previous mode stays.
  std::optional<core::Message> showMode(int mode, const core::AnalysisControl& control = {});
  int displayMode() const { return mode_; }
  // Recomputes the intensity contour even when cached ("Calculate Intensity").
  std::optional<core::Message> recalculateIntensity(const core::AnalysisControl& control = {});

  // Settings: storing new ones clears the matching results.
  const core::F0Settings& f0Settings() const { return f0Settings_; }
  void setF0Settings(const core::F0Settings& settings);
  const core::IntensitySettings& intensitySettings() const { return intensitySettings_; }
  void setIntensitySettings(const core::IntensitySettings& settings);

  // The stretch "Play" sends to the device: the selection when zoomed (or, for the context
  // command, whenever one is marked), else the whole recording.
  SampleStretch playStretch(bool fromContextMenu) const;

  // Cached results, for the exports; each computes what it needs first.
  std::optional<core::Message> ensureF0(const core::AnalysisControl& control = {});
  std::optional<core::Message> ensureIntensity();
  const core::F0Contour& f0() const { return analysis_.f0; }
  const core::IntensityColumns& intensityColumns() const { return analysis_.intensityColumns; }
  core::StatisticsReport statisticsReport() const;

  // What the drawing routines read.
  DisplayData displayData() const;

  static constexpr int kGraphColumns = 680;

 private:
  void computeRangeResults();

  core::SampleBuffer buffer_;
  core::F0Settings f0Settings_;
  core::IntensitySettings intensitySettings_;
  int mode_ = -1;
  bool zoomed_ = false;
  StripSelection selection_;
  bool dragging_ = false;

  core::VoiceAnalysis analysis_;
  bool intensityBuilt_ = false;  // the contour exists, current flag or not
  core::F0Histogram histogram_;
  core::StatisticsReport statistics_;
};

}  // namespace sonarel::app
