// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/voicing.h"

#include <gtest/gtest.h>

namespace sonarel::core {
namespace {

TEST(VoicingMap, ColumnsTakeTheFrameUnderThem) {
  const VoicingMap empty = voicingMap({});
  EXPECT_EQ(std::count(empty.begin(), empty.end(), 0), kVoicingColumns);

  const VoicingMap map = voicingMap({{0.0f, 120.0f, 0.0f}});  // column c: frame floor(3c/680)
  for (int c = 0; c < kVoicingColumns; ++c) {
    ASSERT_EQ(map[c], c >= 227 && c < 454 ? 1 : 0) << c;
  }
  F0Contour many;
  many.values.assign(5000, 0.0f);
  many.values[4999] = 100.0f;  // past the last column's frame
  many.values[7] = 100.0f;     // floor(1 * 5000 / 680) = 7
  const VoicingMap sparse = voicingMap(many);
  EXPECT_EQ(sparse[1], 1);
  EXPECT_EQ(std::count(sparse.begin(), sparse.end(), 1), 1);
}

TEST(Classification, SpeechAndMaskingUseTheSilenceThreshold) {
  EXPECT_TRUE(isVoiced(0.1f));
  EXPECT_FALSE(isVoiced(0.0f));
  EXPECT_TRUE(isSpeech(10.0f, 10));
  EXPECT_FALSE(isSpeech(9.9f, 10));
  EXPECT_FALSE(isSpeech(0.0f, 0)) << "a zero column is silence even at threshold 0";
  EXPECT_TRUE(isSpeech(0.5f, 0));

  IntensityColumns columns{};
  columns.fill(30.0f);
  columns[170] = 5.0f;  // under frame 50 of 100
  const F0Contour contour{std::vector<float>(100, 150.0f)};
  EXPECT_TRUE(f0PointShown(contour, 49, columns, 10));
  EXPECT_FALSE(f0PointShown(contour, 50, columns, 10));
  EXPECT_TRUE(f0PointShown(contour, 50, columns, 0)) << "threshold 0 draws every voiced point";
  EXPECT_FALSE(f0PointShown(contour, 100, columns, 0)) << "past the contour";
  EXPECT_FALSE(f0PointShown(F0Contour{{0.0f}}, 0, columns, 0)) << "unvoiced";
  EXPECT_EQ(intensityColumnOfFrame(99, 100), 336);
  EXPECT_EQ(intensityColumnOfFrame(5, 0), 0);
}

}  // namespace
}  // namespace sonarel::core
