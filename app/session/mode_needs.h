// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a display mode needs computed before it can be drawn, and what a refusal does to it.
// The display-mode registry of the window holds one of these per mode; the session reads it
// through the lookup the registry installs, so the session itself names no mode.

#include "core/sample_buffer.h"

namespace sonarel::app {

struct ModeNeeds {
  bool formants = false;         // the formant track of the whole recording
  bool f0 = false;               // the F0 contour (with the intensity contour)
  bool intensity = false;        // the intensity contour alone
  bool rangeStatistics = false;  // histogram and statistics over the analysis range
  bool lpc = false;              // the LPC spectrum of the analysis range
  bool power = false;            // the power spectrum of the analysis range
  // A refused LPC range keeps the previous display (and takes a zoom back); otherwise the
  // mode is shown with the last good curve.
  bool lpcRefusalKeepsMode = false;
  bool segments = false;  // the segment table of a vocal-quality recording
  // A recording without any analysable segment is refused ("There is no area to be
  // analysed!") and nothing is shown.
  bool segmentsRequired = false;
  // Showing it closes an open comparison (a display of one recording with others of its
  // own).
  bool closesComparison = false;
  bool clinical = false;  // the clinical measures (CPPS, HNR, AVQI) of the analysis range
};

// The needs of the mode with `code`, or null for a code that names no mode.
using ModeNeedsLookup = const ModeNeeds* (*)(int code);
void setModeNeedsLookup(ModeNeedsLookup lookup);
const ModeNeeds* modeNeedsOf(int code);

namespace mode {
constexpr int None = -1;  // nothing shown yet
}  // namespace mode

}  // namespace sonarel::app
