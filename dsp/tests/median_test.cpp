// SPDX-License-Identifier: GPL-3.0-or-later
// The medians of runs of sets agree exactly with sorting, whether the median drifts slowly
// (the band catches it), jumps (the whole set is selected) or sits among ties.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "dsp/median_near_last.h"

namespace sonarel::dsp {
namespace {

double sortedMedian(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const std::size_t n = v.size();
  return n % 2 == 1 ? v[n / 2] : 0.5 * (v[n / 2 - 1] + v[n / 2]);
}

TEST(MedianNearLast, AgreesWithSortingThroughDriftsJumpsAndTies) {
  std::mt19937 random(3);
  std::normal_distribution<double> noise;
  for (std::size_t n : {1, 2, 7, 256, 511}) {
    MedianNearLast median;
    double centre = 0;
    for (int set = 0; set < 400; ++set) {
      // Mostly slow drift, now and then a jump of many spreads, and runs of equal values.
      centre += set % 97 == 0 ? 50.0 : 0.02 * noise(random);
      std::vector<double> values(n);
      for (double& v : values) v = set % 50 < 5 ? centre : centre + noise(random);
      if (set % 7 == 0 && n > 2) std::fill(values.begin(), values.begin() + n / 3, centre);
      const double expected = sortedMedian(values);
      EXPECT_EQ(median(values), expected) << "n " << n << " set " << set;
    }
  }
}

TEST(MedianNearLast, SingleSetsAndNothing) {
  std::vector<double> odd = {5, -1, 3}, even = {4, 1, 3, 2}, none;
  EXPECT_EQ(median(odd), 3);
  EXPECT_EQ(median(even), 2.5);
  MedianNearLast run;
  EXPECT_EQ(run(none), 0);
}

}  // namespace
}  // namespace sonarel::dsp
