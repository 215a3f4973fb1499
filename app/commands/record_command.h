// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// When the view's "&Record..." may run: while the view has a client file, opened or
// prepared, and no real-time display is playing.

namespace sonarel::app {

// Display modes from this one on play the recording with the analysis in step.
constexpr int kFirstRealTimeMode = 20;

inline bool recordCommandAvailable(bool hasClientFile, int displayMode) {
  return hasClientFile && displayMode < kFirstRealTimeMode;
}

}  // namespace sonarel::app
