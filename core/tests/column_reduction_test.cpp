// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/column_reduction.h"

#include <gtest/gtest.h>

#include <map>
#include <random>

namespace sonarel::core {
namespace {

constexpr double kGap = std::numeric_limits<double>::quiet_NaN();
constexpr float kNoValue = std::numeric_limits<float>::quiet_NaN();

TEST(ColumnStarts, RoundEachEdgeToItsItemAndStopAtTheEnd) {
  // 10 samples over 4 columns: edges at 0, 2.5, 5, 7.5, 10.
  EXPECT_EQ(columnStarts(0, 10, 10, 4, 1, ColumnEdge::Covering),
            (std::vector<std::int64_t>{0, 2, 5, 7, 10}));
  // Frames 3 positions apart (0, 3, 6, 9): the first frame starting at or after each edge.
  EXPECT_EQ(columnStarts(0, 10, 10, 4, 3, ColumnEdge::Following),
            (std::vector<std::int64_t>{0, 1, 2, 3, 4}));
  // From position 4 on, 2 positions per column.
  EXPECT_EQ(columnStarts(4, 10, 6, 3, 1, ColumnEdge::Covering),
            (std::vector<std::int64_t>{4, 6, 8, 10}));
  // A shared axis twice the recording's length: the columns past its end are left out, the
  // last kept column ending where the next would start.
  EXPECT_EQ(columnStarts(0, 10, 20, 4, 1, ColumnEdge::Covering),
            (std::vector<std::int64_t>{0, 5, 10}));
  EXPECT_TRUE(columnStarts(0, 10, 0, 4, 1, ColumnEdge::Covering).empty());
  EXPECT_TRUE(columnStarts(0, 10, 10, 0, 1, ColumnEdge::Covering).empty());
  EXPECT_TRUE(columnStarts(0, 10, 10, 4, 0, ColumnEdge::Covering).empty());
  EXPECT_EQ(columnStarts(10, 10, 5, 4, 1, ColumnEdge::Covering).size(), 1u) << "no column";
}

TEST(ColumnExtremes, KeepEverySinglePeakOfALongColumn) {
  std::vector<std::int16_t> wave(100000, 0);
  wave[31234] = 32767;
  wave[31235] = -32768;
  wave[99999] = 5;
  const auto starts = columnStarts(0, 100000, 100000, 7, 1, ColumnEdge::Covering);
  const auto columns = columnExtremes(wave, starts);
  ASSERT_EQ(columns.size(), 7u);
  EXPECT_EQ(columns[2].high, 32767.0f);
  EXPECT_EQ(columns[2].low, -32768.0f);
  EXPECT_EQ(columns[6].high, 5.0f) << "the last sample belongs to the last column";
  for (const int c : {0, 1, 3, 4, 5}) {
    EXPECT_EQ(columns[c].low, 0.0f);
    EXPECT_EQ(columns[c].high, 0.0f);
  }
}

TEST(ColumnExtremes, MoreColumnsThanItemsShowTheItemEachStartsWith) {
  const std::vector<std::int16_t> wave{10, -20, 30};
  const auto columns = columnExtremes(wave, columnStarts(0, 3, 3, 8, 1, ColumnEdge::Covering));
  ASSERT_EQ(columns.size(), 8u);
  const float expected[8] = {10, 10, 10, -20, -20, -20, 30, 30};
  for (int c = 0; c < 8; ++c) {
    EXPECT_EQ(columns[c].low, expected[c]) << c;
    EXPECT_EQ(columns[c].high, expected[c]) << c;
  }
}

TEST(ColumnExtremes, GapsAndMissingItemsLeaveColumnsEmpty) {
  const std::vector<float> contour{1, kNoValue, kNoValue, 4, kNoValue, 9};
  const std::vector<std::int64_t> starts{0, 2, 4, 6, 8};
  const auto columns = columnExtremes(contour, starts);
  ASSERT_EQ(columns.size(), 4u);
  EXPECT_EQ(columns[0].low, 1.0f) << "a gap beside a value leaves the value";
  EXPECT_EQ(columns[0].high, 1.0f);
  EXPECT_EQ(columns[1].low, 4.0f);
  EXPECT_EQ(columns[2].low, 9.0f);
  EXPECT_TRUE(columns[3].empty()) << "past the end of the series";

  const auto gapsOnly =
      columnExtremes(std::vector<float>{kNoValue, kNoValue}, std::vector<std::int64_t>{0, 2});
  ASSERT_EQ(gapsOnly.size(), 1u);
  EXPECT_TRUE(gapsOnly[0].empty());

  const auto nothing = columnExtremes(std::span<const std::int16_t>(),
                                      columnStarts(0, 0, 10, 5, 1, ColumnEdge::Covering));
  EXPECT_TRUE(nothing.empty());
  const auto noValues = columnExtremes(std::span<const float>(), starts);
  ASSERT_EQ(noValues.size(), 4u);
  for (const ColumnExtremes& column : noValues) EXPECT_TRUE(column.empty());
  EXPECT_TRUE(columnExtremes(contour, std::vector<std::int64_t>{3}).empty());
}

// The lowest and highest y of every (run, column), and the runs' end points: what a line
// through the points covers, so what thinning must keep.
struct Coverage {
  std::map<std::pair<int, std::int64_t>, std::pair<double, double>> extremes;
  std::vector<std::pair<CurvePoint, CurvePoint>> runEnds;
  bool operator==(const Coverage&) const = default;
};

Coverage coverageOf(const std::vector<CurvePoint>& points, const PixelGrid& grid) {
  Coverage coverage;
  int run = -1;
  bool inRun = false;
  for (const CurvePoint& p : points) {
    if (p.gap()) {
      inRun = false;
      continue;
    }
    if (!inRun) {
      ++run;
      coverage.runEnds.push_back({p, p});
    }
    inRun = true;
    coverage.runEnds.back().second = p;
    const auto key = std::make_pair(run, grid.column(p.x));
    auto [it, fresh] = coverage.extremes.try_emplace(key, p.y, p.y);
    if (!fresh) {
      it->second.first = std::min(it->second.first, p.y);
      it->second.second = std::max(it->second.second, p.y);
    }
  }
  return coverage;
}

TEST(ThinCurve, KeepsWhatTheLineCoversAndTheGaps) {
  std::mt19937 random(7);
  std::uniform_real_distribution<double> value(80, 400);
  std::vector<CurvePoint> points;
  for (int i = 0; i < 20000; ++i) {
    // Unvoiced stretches, sometimes several frames long, sometimes one.
    const bool gap = (i / 37) % 5 == 4 || i % 101 == 0;
    points.push_back({i * 0.034, gap ? kGap : value(random)});
  }
  for (const PixelGrid grid : {PixelGrid{}, PixelGrid{2.8, 0.3, 2.8, 0}}) {
    const std::vector<CurvePoint> thin = thinCurve(points, grid);
    EXPECT_EQ(coverageOf(thin, grid), coverageOf(points, grid));
    const std::size_t columns = coverageOf(points, grid).extremes.size();
    EXPECT_LE(thin.size(), 4 * columns + coverageOf(points, grid).runEnds.size());
    EXPECT_LT(thin.size(), points.size() / 2);
    for (std::size_t i = 1; i < thin.size(); ++i) {
      ASSERT_LE(thin[i - 1].x, thin[i].x) << "order kept";
      ASSERT_FALSE(thin[i - 1].gap() && thin[i].gap()) << "one gap point between two runs";
    }
    EXPECT_FALSE(thin.front().gap());
    EXPECT_FALSE(thin.back().gap());
  }
}

TEST(ThinCurve, SparseCurvesAndEmptyInputStayAsTheyAre) {
  const std::vector<CurvePoint> sparse{{0, 1}, {3, 5}, {3.5, kGap}, {7, 2}, {9, 4}};
  const std::vector<CurvePoint> expected{{0, 1}, {3, 5}, {7, 2}, {9, 4}};
  const std::vector<CurvePoint> thin = thinCurve(sparse, PixelGrid{});
  ASSERT_EQ(thin.size(), 5u);
  EXPECT_TRUE(thin[2].gap());
  EXPECT_EQ(thin[1], expected[1]);
  EXPECT_EQ(thin[3], expected[2]);
  EXPECT_TRUE(thinCurve({}, PixelGrid{}).empty());
  EXPECT_TRUE(thinCurve(std::vector<CurvePoint>{{0, kGap}, {1, kGap}}, PixelGrid{}).empty());
  // One column: first, lowest, highest, last in their order.
  const std::vector<CurvePoint> column{{0.1, 5}, {0.2, 9}, {0.3, 1}, {0.4, 7}, {0.5, 6}};
  EXPECT_EQ(thinCurve(column, PixelGrid{}),
            (std::vector<CurvePoint>{{0.1, 5}, {0.2, 9}, {0.3, 1}, {0.5, 6}}));
}

TEST(ThinDots, OneDotPerDevicePixel) {
  const std::vector<CurvePoint> dots{{0.1, 10.2}, {0.2, 10.7}, {0.3, 12.1},
                                     {0.4, kGap}, {0.6, 10.4}, {1.2, 10.4}};
  EXPECT_EQ(thinDots(dots, PixelGrid{}),
            (std::vector<CurvePoint>{{0.1, 10.2}, {0.3, 12.1}, {1.2, 10.4}}));
  // Twice as many device pixels each way: the first two dots fall on different rows.
  const PixelGrid doubled{2, 0, 2, 0};
  EXPECT_EQ(thinDots(dots, doubled).size(), 5u);
  EXPECT_TRUE(thinDots({}, PixelGrid{}).empty());
}

}  // namespace
}  // namespace sonarel::core
