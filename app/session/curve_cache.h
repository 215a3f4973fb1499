// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The waveforms and the intensity contour reduced to the pixel columns they are drawn in,
// kept between repaints: a two-minute recording holds millions of samples and hundreds of
// thousands of intensity frames, which no repaint should read again. Each reduction is bound
// to what it was made from (the recording's revision, the series, the stretch shown and the
// column count) and is made again when any of it changes.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "core/column_reduction.h"

namespace sonarel::app {

class CurveCache {
 public:
  using Columns = std::vector<core::ColumnExtremes>;
  // One reduction per place it is drawn in.
  enum class Slot { Strip, Signal, Intensity };
  struct Key {
    std::uint64_t revision = 0;  // of the samples
    const void* series = nullptr;
    std::size_t size = 0;
    std::int64_t first = 0, last = 0;
    double span = 0;
    int columns = 0;
    bool operator==(const Key&) const = default;
  };

  CurveCache() = default;
  // A copy starts empty: the reductions belong to the series of the view that made them.
  CurveCache(const CurveCache&) {}
  CurveCache& operator=(const CurveCache&);

  // The reduction kept in `slot` when it was made for `key`; else `reduce()`'s, kept.
  std::shared_ptr<const Columns> columns(Slot slot, const Key& key,
                                         const std::function<Columns()>& reduce);
  // How many reductions were made so far (a repaint that finds them all kept makes none).
  int reductions() const;

 private:
  struct Entry {
    Key key;
    std::shared_ptr<const Columns> columns;
  };
  mutable std::mutex lock_;  // printing may draw off the window thread
  std::array<Entry, 3> entries_;
  int reductions_ = 0;
};

}  // namespace sonarel::app
