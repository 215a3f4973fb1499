// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text_export.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "core/tests/wave_fixtures.h"

namespace sonarel::core {
namespace {

std::string goldenFile(const std::string& name) {
  std::ifstream in(std::string(SONAREL_TEST_DATA) + "/" + name, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// A contour and intensity worked out by hand: five voiced frames of 100, 100, 150, 200 and
// 200 Hz, 170 loud columns and one quiet one, over the whole of 3400 samples at 11025 Hz.
StatisticsReport handCheckedReport() {
  const F0Contour f0{{0, 100, 100, 150, 200, 200, 0, 0, 0, 0}};
  IntensityColumns columns{};
  for (int c = 0; c < 170; ++c) columns[c] = 60;
  columns[200] = 30;
  StatisticsReport report;
  report.range = {0, 3400};
  report.sampleRate = 11025;
  report.statistics = computeVoiceStatistics({f0, columns, 3400, report.range});
  report.shares = computeTimeShares(f0, columns, 3400, report.range, 10);
  return report;
}

TEST(StatisticsExport, MatchesTheHandCheckedFile) {
  EXPECT_EQ(statisticsExportText(handCheckedReport()), goldenFile("statistics.txt"));
}

TEST(StatisticsExport, ModeLineShowsFourModesThenAnEllipsis) {
  StatisticsReport report;
  report.statistics.modeCount = 5;
  report.statistics.modes = {101, 102, 103, 104, 105};
  const std::string text = statisticsExportText(report);
  EXPECT_NE(text.find("Mode F0: 101.00 Hz; 102.00 Hz; 103.00 Hz; 104.00 Hz ...\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("Percent Voiced Time: 0.00%\nPercent Voiceless Time: 100.00%\n"),
            std::string::npos);
  EXPECT_NE(text.back(), '\n');
}

TEST(ContourExports, OneLinePerFrameOrColumn) {
  EXPECT_EQ(f0ExportText(F0Contour{{0, 123.4567f, 80}}), "0.000;\n123.457;\n80.000;\n");
  EXPECT_EQ(f0ExportText(F0Contour{}), "");
  IntensityColumns columns{};
  columns[339] = 61.25f;
  const std::string text = intensityExportText(columns);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 340);
  EXPECT_EQ(text.substr(text.size() - 8), "61.250;\n");
}

TEST(SaveExportFile, WritesCrLfAtomicallyAndRefusesUnwritablePlaces) {
  testing::ScratchDir dir;
  const std::string path = dir.file("f0.txt");
  ASSERT_FALSE(saveExportFile(path, "1.000;\n2.000;\n", ExportKind::F0));
  EXPECT_EQ(testing::readBytes(path), (testing::Bytes{'1', '.', '0', '0', '0', ';', '\r', '\n', '2',
                                                      '.', '0', '0', '0', ';', '\r', '\n'}));
  auto failure = saveExportFile(dir.file("missing/f0.txt"), "x\n", ExportKind::Intensity);
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->lines(),
            "It\u00b4s not possible to Save the Intensity Text File!\nThe folder " +
                dir.file("missing") + " does not exist.");
  EXPECT_FALSE(std::filesystem::exists(dir.file("missing")));
}

TEST(SaveExportFile, AFailureNamesTheExportAndThePath) {
  testing::ScratchDir dir;
  const std::string folder = dir.file("locked");
  std::filesystem::create_directory(folder);
  const std::string readOnly = dir.write("locked/stats.txt", {'x'});
  std::filesystem::permissions(readOnly, std::filesystem::perms::owner_read);

  auto failure = saveExportFile(readOnly, "x\n", ExportKind::Statistics);
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->text(), "It\u00b4s not possible to Save the Statistics Text File!");
  ASSERT_EQ(failure->details.size(), 1u);
  EXPECT_EQ(failure->details[0].id, MessageId::TargetReadOnly);
  EXPECT_EQ(failure->details[0].arguments, std::vector<std::string>{readOnly});

  // A folder where no file can be made: the export is named, and the path.
  failure = saveExportFile(folder, "x\n", ExportKind::F0);
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->text(), "It\u00b4s not possible to Save the F0 Text File!");
  EXPECT_NE(failure->detailText().find(folder), std::string::npos) << failure->detailText();
}

}  // namespace
}  // namespace sonarel::core
