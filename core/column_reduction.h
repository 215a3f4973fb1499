// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Long series reduced to the pixel columns they are drawn in, so that drawing a curve costs
// the same whatever the length of the recording. Two reductions:
//  - column extremes: the lowest and highest value of the items of each column (a waveform
//    drawn as one vertical line per column, an envelope drawn through each column's peak);
//  - curve thinning: a polyline keeps, per pixel column and unbroken run, its first, lowest,
//    highest and last point, which covers the same pixels as the whole run; its points keep
//    one point per pixel.
// Gaps (NaN values) stay gaps in both.

#include <cmath>
#include <cstdint>
#include <limits>
#include <span>
#include <vector>

namespace sonarel::core {

// The lowest and highest value that fell in one column; both NaN where none did.
struct ColumnExtremes {
  float low = std::numeric_limits<float>::quiet_NaN();
  float high = std::numeric_limits<float>::quiet_NaN();
  bool empty() const { return std::isnan(low); }
};

// Which item a column starts with when its left edge falls between two items.
enum class ColumnEdge {
  Covering,   // the item whose span holds the edge (floor): samples, each one position wide
  Following,  // the first item at or after the edge (ceil): frames that start in the column
};

// The first item of each of `columns` equal columns laid over positions [first, first +
// span), item i standing at position i * spacing, followed by the end of the last column.
// Columns whose left edge lies at or after `last` are left out (an axis shared with a longer
// recording runs on past this one's end), so the result holds one more entry than the
// columns kept. Nothing when the span, the spacing or the column count is not positive.
std::vector<std::int64_t> columnStarts(std::int64_t first, std::int64_t last, double span,
                                       int columns, double spacing, ColumnEdge edge);

// The extremes of each column c = items [starts[c], max(starts[c + 1], starts[c] + 1)), so that
// a column narrower than the item spacing still shows the item it starts with. Indices are
// clamped to the series; a column that starts past its end is empty, and so is one holding
// only NaN values (gaps).
std::vector<ColumnExtremes> columnExtremes(std::span<const std::int16_t> values,
                                           std::span<const std::int64_t> starts);
std::vector<ColumnExtremes> columnExtremes(std::span<const float> values,
                                           std::span<const std::int64_t> starts);

// A point of a curve in drawing units; a NaN y breaks the curve there.
struct CurvePoint {
  double x = 0;
  double y = 0;
  bool gap() const { return std::isnan(y); }
  bool operator==(const CurvePoint&) const = default;
};

// Where drawing units fall on the device: pixel = floor(unit * scale + offset), per axis.
struct PixelGrid {
  double scaleX = 1, offsetX = 0;
  double scaleY = 1, offsetY = 0;
  std::int64_t column(double x) const {
    return static_cast<std::int64_t>(std::floor(x * scaleX + offsetX));
  }
  std::int64_t row(double y) const {
    return static_cast<std::int64_t>(std::floor(y * scaleY + offsetY));
  }
};

// The polyline `points` (x not decreasing) with, within every pixel column of every unbroken
// run, only the first, lowest, highest and last point, in their order. Every run keeps its
// ends, and one gap point stands wherever the input had one or more between two runs
// (none before the first run or after the last).
std::vector<CurvePoint> thinCurve(std::span<const CurvePoint> points, const PixelGrid& grid);

// The points (each drawn as a dot) with one point per device pixel: a later point on a
// pixel already dotted in its column is left out. Gaps are dropped.
std::vector<CurvePoint> thinDots(std::span<const CurvePoint> points, const PixelGrid& grid);

}  // namespace sonarel::core
