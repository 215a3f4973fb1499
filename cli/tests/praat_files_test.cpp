// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/praat_files.h"

#include <gtest/gtest.h>

namespace sonarel::cli {
namespace {

std::string labels(const IntervalTier& tier) {
  std::string out;
  for (const Interval& i : tier.intervals) {
    out += "[" + std::to_string(i.xmin).substr(0, 4) + "," + std::to_string(i.xmax).substr(0, 4) +
           " " + i.text + "]";
  }
  return out;
}

TEST(PraatFiles, RunsMergeAndCoverTheWholeTime) {
  EXPECT_EQ(labels(labelRuns("v", {0, 1, 2, 3}, {"a", "a", "b", "a"}, 3.5)),
            "[0.00,2.00 a][2.00,3.00 b][3.00,3.50 a]");
  // A first frame after 0 leaves an unlabelled interval before it; frames past the end stop.
  EXPECT_EQ(labels(labelRuns("v", {0.5, 1, 9}, {"a", "b", "c"}, 2)),
            "[0.00,0.50 ][0.50,1.00 a][1.00,2.00 b]");
  EXPECT_EQ(labels(labelRuns("v", {}, {}, 2)), "[0.00,2.00 ]");
}

TEST(PraatFiles, StretchesGetGapsBetweenThem) {
  EXPECT_EQ(labels(stretchesTier("s", {{0.5, 1, "1"}, {0.8, 1.5, "2"}, {3, 4, "3"}}, 2)),
            "[0.00,0.50 ][0.50,1.00 1][1.00,1.50 2][1.50,2.00 ]");
  EXPECT_EQ(labels(stretchesTier("s", {{0, 2, "1"}}, 2)), "[0.00,2.00 1]");
}

TEST(PraatFiles, LongTextFormat) {
  EXPECT_EQ(pitchTierText(0, 1.5, {{0.25, 120.5}}),
            "File type = \"ooTextFile\"\nObject class = \"PitchTier\"\n\nxmin = 0 \nxmax = 1.5 \n"
            "points: size = 1 \npoints [1]:\n    number = 0.25 \n    value = 120.5 \n");
  const std::string grid = textGridText(0, 1, {{"say \"a\"", {{0, 1, "x\"y"}}}});
  EXPECT_NE(grid.find("tiers? <exists> \nsize = 1 \nitem []: \n    item [1]:\n"
                      "        class = \"IntervalTier\" \n        name = \"say \"\"a\"\"\" \n"),
            std::string::npos)
      << grid;
  EXPECT_NE(grid.find("            text = \"x\"\"y\" \n"), std::string::npos) << grid;
}

}  // namespace
}  // namespace sonarel::cli
