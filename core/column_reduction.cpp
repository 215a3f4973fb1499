// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/column_reduction.h"

#include <algorithm>

namespace sonarel::core {

std::vector<std::int64_t> columnStarts(std::int64_t first, std::int64_t last, double span,
                                       int columns, double spacing, ColumnEdge edge) {
  std::vector<std::int64_t> starts;
  if (!(span > 0) || !(spacing > 0) || columns <= 0) return starts;
  starts.reserve(static_cast<std::size_t>(columns) + 1);
  const auto itemAt = [&](double position) {
    const double item = position / spacing;
    return static_cast<std::int64_t>(edge == ColumnEdge::Covering ? std::floor(item)
                                                                  : std::ceil(item));
  };
  for (int c = 0; c <= columns; ++c) {
    const double position = static_cast<double>(first) + span * c / columns;
    starts.push_back(itemAt(position));
    if (c < columns && position >= static_cast<double>(last)) break;
  }
  return starts;
}

namespace {

// A plain loop the compiler vectorises: the extremes of a column of a few thousand samples
// are most of the cost of reducing a long recording.
template <typename T>
ColumnExtremes extremesOf(const T* from, const T* to) {
  T low = *from, high = *from;
  for (const T* p = from + 1; p < to; ++p) {
    low = std::min(low, *p);
    high = std::max(high, *p);
  }
  return {static_cast<float>(low), static_cast<float>(high)};
}

ColumnExtremes extremesOf(const float* from, const float* to) {
  ColumnExtremes extremes;
  for (const float* p = from; p < to; ++p) {
    if (std::isnan(*p)) continue;
    if (extremes.empty()) {
      extremes = {*p, *p};
    } else {
      extremes.low = std::min(extremes.low, *p);
      extremes.high = std::max(extremes.high, *p);
    }
  }
  return extremes;
}

template <typename T>
std::vector<ColumnExtremes> reduce(std::span<const T> values,
                                   std::span<const std::int64_t> starts) {
  std::vector<ColumnExtremes> columns;
  if (starts.size() < 2) return columns;
  columns.resize(starts.size() - 1);
  const auto size = static_cast<std::int64_t>(values.size());
  for (std::size_t c = 0; c + 1 < starts.size(); ++c) {
    const std::int64_t a = std::clamp<std::int64_t>(starts[c], 0, size);
    const std::int64_t b = std::clamp<std::int64_t>(std::max(starts[c + 1], a + 1), 0, size);
    if (a < b) columns[c] = extremesOf(values.data() + a, values.data() + b);
  }
  return columns;
}

}  // namespace

std::vector<ColumnExtremes> columnExtremes(std::span<const std::int16_t> values,
                                           std::span<const std::int64_t> starts) {
  return reduce(values, starts);
}

std::vector<ColumnExtremes> columnExtremes(std::span<const float> values,
                                           std::span<const std::int64_t> starts) {
  return reduce(values, starts);
}

namespace {

// The points of one run inside one pixel column, [from, to): first, lowest, highest, last.
void keepColumn(std::span<const CurvePoint> points, std::size_t from, std::size_t to,
                std::vector<CurvePoint>& kept) {
  std::size_t lowest = from, highest = from;
  for (std::size_t i = from + 1; i < to; ++i) {
    if (points[i].y < points[lowest].y) lowest = i;
    if (points[i].y > points[highest].y) highest = i;
  }
  std::size_t chosen[4] = {from, std::min(lowest, highest), std::max(lowest, highest), to - 1};
  std::size_t previous = points.size();
  for (const std::size_t i : chosen) {
    if (i != previous) kept.push_back(points[i]);
    previous = i;
  }
}

}  // namespace

std::vector<CurvePoint> thinCurve(std::span<const CurvePoint> points, const PixelGrid& grid) {
  std::vector<CurvePoint> kept;
  std::size_t i = 0;
  while (i < points.size()) {
    if (points[i].gap()) {
      ++i;
      continue;
    }
    if (!kept.empty()) kept.push_back({points[i].x, std::numeric_limits<double>::quiet_NaN()});
    // One run: its pixel columns one after another.
    while (i < points.size() && !points[i].gap()) {
      const std::int64_t column = grid.column(points[i].x);
      std::size_t end = i + 1;
      while (end < points.size() && !points[end].gap() && grid.column(points[end].x) == column) {
        ++end;
      }
      keepColumn(points, i, end, kept);
      i = end;
    }
  }
  return kept;
}

std::vector<CurvePoint> thinDots(std::span<const CurvePoint> points, const PixelGrid& grid) {
  std::vector<CurvePoint> kept;
  std::vector<std::int64_t> rows;  // dotted in the current column
  std::int64_t column = 0;
  for (const CurvePoint& point : points) {
    if (point.gap()) continue;
    const std::int64_t at = grid.column(point.x);
    if (kept.empty() || at != column) {
      column = at;
      rows.clear();
    }
    const std::int64_t row = grid.row(point.y);
    if (std::find(rows.begin(), rows.end(), row) != rows.end()) continue;
    rows.push_back(row);
    kept.push_back(point);
  }
  return kept;
}

}  // namespace sonarel::core
