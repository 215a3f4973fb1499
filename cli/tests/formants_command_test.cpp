// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

#include "cli/commands.h"
#include "cli/tests/cli_runner.h"
#include "core/tests/signal_fixtures.h"
#include "core/tests/wave_fixtures.h"

namespace sonarel::cli {
namespace {

using sonarel::testing::ScratchDir;

TEST(CliFormants, OneLinePerBlockWithStartLengthAndThreeFormants) {
  ScratchDir dir;
  // 1.02 s at 11025 Hz: blocks 0 to 19, the last one running to sample 11245.
  const auto wav =
      dir.write("v.wav", testing::simpleWave(11025, testing::pulseTrain(120, 11025, 11245)));
  const Outcome r = runCli({"formants", wav});
  ASSERT_EQ(r.status, kExitOk) << r.err;
  std::istringstream in(r.out);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  ASSERT_EQ(lines.size(), 20u);
  long long start = 0, length = 0;
  double f1 = 0, f2 = 0, f3 = 0;
  char tail = 0;
  ASSERT_EQ(std::sscanf(lines[1].c_str(), "%lld %lld %lf %lf %lf%c", &start, &length, &f1, &f2, &f3,
                        &tail),
            5)
      << lines[1];
  EXPECT_EQ(start, 551);
  EXPECT_EQ(length, 551);
  EXPECT_TRUE(f1 <= f2 && (f3 == 0 || f2 <= f3)) << "formants in order of frequency";
  // One decimal each.
  EXPECT_EQ(lines[1].substr(lines[1].rfind('.')).size(), 2u) << lines[1];
  EXPECT_EQ(lines[19].substr(0, 10), "10474 771 ");
}

TEST(CliFormants, BadInputAndUsage) {
  ScratchDir dir;
  EXPECT_EQ(runCli({"formants"}).status, kExitUsage);
  EXPECT_EQ(runCli({"formants", "a.wav", "b.wav"}).status, kExitUsage);
  const Outcome missing = runCli({"formants", (dir.path() / "none.wav").string()});
  EXPECT_EQ(missing.status, kExitBadInput);
  EXPECT_FALSE(missing.err.empty());
  EXPECT_TRUE(missing.out.empty());
  EXPECT_NE(runCli({"formants", "--help"}).out.find("F1, F2 and F3"), std::string::npos);
}

}  // namespace
}  // namespace sonarel::cli
