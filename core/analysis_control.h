// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a long analysis is given besides its data: a progress report for the wait dialog and
// a way to stop it early.

#include <cstdint>
#include <functional>
#include <stop_token>

namespace sonarel::core {

struct AnalysisControl {
  // Called on the calling thread with the frames done so far and the frames in all, ending
  // with done == total when the analysis completes. May be empty.
  std::function<void(std::int32_t done, std::int32_t total)> progress = {};
  // When a stop is requested the analysis ends at the next frame boundary and reports that
  // it was cancelled; nothing is computed halfway.
  std::stop_token stop = {};
  // Worker threads for the frame analysis: 0 takes one per processor, 1 runs on the calling
  // thread only. The result does not depend on it.
  int threads = 0;

  bool stopRequested() const { return stop.stop_requested(); }
};

}  // namespace sonarel::core
