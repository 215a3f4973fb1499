// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/f0_settings.h"

#include <gtest/gtest.h>

namespace sonarel::core {
namespace {

TEST(ValidateF0Dialog, ChecksInOrderAndStopsAtTheFirstFailure) {
  struct Row {
    const char *low, *high, *threshold;
    const char* message;  // nullptr: accepted
  } rows[] = {
      {"45", "40", "10", "Minimal Value: 50 Hz"},  // not "Min Value >= Max Value"
      {"49", "400", "99", "Minimal Value: 50 Hz"},
      {"50", "1201", "99", "Max Value: 1200 Hz"},
      {"400", "400", "10", "Min Value >= Max Value"},
      {"500", "400", "10", "Min Value >= Max Value"},
      {"70", "400", "-1", "Silence Threshold: From 0 to 70 dB"},
      {"70", "400", "71", "Silence Threshold: From 0 to 70 dB"},
      // Typed text that is no whole number says so, in its field's turn.
      {"seventy", "400", "10", "\"seventy\" is not a number."},
      {"45", "abc", "10", "Minimal Value: 50 Hz"},
      {"70", "", "10", "\"\" is not a number."},
      {"70", "400", "1e1", "\"1e1\" is not a number."},
      {"70", "400", "99999999999", "\"99999999999\" is not a number."},
      {"50", "1200", "0", nullptr},
      {" 60 ", "1200", "70", nullptr},
  };
  for (const Row& row : rows) {
    const auto result = validateF0Dialog({2, row.low, row.high, row.threshold, 0});
    const std::string where = std::string(row.low) + " / " + row.high + " / " + row.threshold;
    if (row.message) {
      ASSERT_TRUE(std::holds_alternative<Message>(result)) << where;
      EXPECT_EQ(std::get<Message>(result).text(), row.message) << where;
    } else {
      ASSERT_TRUE(std::holds_alternative<F0Settings>(result)) << where;
    }
  }
  const auto accepted = std::get<F0Settings>(validateF0Dialog({2, "60", "1200", "45", 0}));
  EXPECT_EQ(accepted, (F0Settings{2, 60, 1200, 45, 0}));
}

TEST(F0Settings, DefaultsAndCategoryRanges) {
  EXPECT_EQ(F0Settings{}, (F0Settings{1, 70, 400, 10, 1}));
  struct Row {
    int category, min, max;
  } rows[] = {{0, 70, 400}, {1, 120, 400}, {2, 200, 550}, {3, 100, 1000}};
  for (const Row& row : rows) {
    const auto range = f0RangeForCategory(row.category);
    ASSERT_TRUE(range) << row.category;
    EXPECT_EQ(range->minPitch, row.min) << row.category;
    EXPECT_EQ(range->maxPitch, row.max) << row.category;
  }
  EXPECT_FALSE(f0RangeForCategory(4));
  EXPECT_FALSE(f0RangeForCategory(-1));
  EXPECT_STREQ(f0MethodName(4), "LPC AutoCorrelation");
  EXPECT_STREQ(f0MethodName(5), "?");
}

}  // namespace
}  // namespace sonarel::core
