// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <sstream>

#include "cli/batch_table.h"
#include "cli/commands.h"
#include "cli/tests/cli_runner.h"
#include "core/tests/wave_fixtures.h"

namespace sonarel::cli {
namespace {

using sonarel::testing::ScratchDir;

std::string text(const testing::Bytes& bytes) {
  return std::string(bytes.begin(), bytes.end());
}

// One second of 200 Hz and half a second of silence at 11025 Hz.
std::string toneFile(const ScratchDir& dir, const std::string& name, double hz = 200) {
  auto samples = testing::sine(hz, 11025, 16538, 12000);
  for (std::size_t i = 11025; i < samples.size(); ++i) samples[i] = 0;
  return dir.write(name, testing::simpleWave(11025, samples));
}

TEST(CliStats, PrintsTheStatisticsOfTheRange) {
  ScratchDir dir;
  const auto wav = toneFile(dir, "t.wav");
  Outcome whole = runCli({"stats", wav});
  ASSERT_EQ(whole.status, kExitOk) << whole.err;
  EXPECT_EQ(whole.out.rfind("Statistics (From 0.00s to 1.50s)\n\nMode F0: ", 0), 0u) << whole.out;
  EXPECT_NE(whole.out.find("Average F0: 200."), std::string::npos) << whole.out;
  EXPECT_NE(whole.out.find("Percent Silence Time: 3"), std::string::npos) << whole.out;

  Outcome voiced = runCli({"stats", wav, "--from", "0", "--to", "1", "--method", "cc"});
  ASSERT_EQ(voiced.status, kExitOk) << voiced.err;
  EXPECT_NE(voiced.out.find("(From 0.00s to 1.00s)"), std::string::npos);
  EXPECT_NE(voiced.out.find("Percent Silence Time: 0.00%"), std::string::npos) << voiced.out;
  // The same range in samples gives the same text.
  Outcome samples =
      runCli({"stats", wav, "--from-sample", "0", "--to-sample", "11025", "--method", "cc"});
  ASSERT_EQ(samples.status, kExitOk) << samples.err;
  EXPECT_EQ(samples.out, voiced.out);
}

// Every subcommand that takes a range checks it the same way: empty, backwards, starting
// after the recording, mixed units and non-decimal numbers are usage errors with a message
// on standard error and nothing on standard output.
TEST(CliRanges, BadRangesAreUsageErrorsEverywhere) {
  ScratchDir dir;
  const auto wav = toneFile(dir, "t.wav");  // 1.5 s
  const std::string png = dir.file("s.png");
  const std::vector<std::vector<std::string>> ranges = {{"--from", "9e18"},
                                                        {"--from", "1", "--to", "0.5"},
                                                        {"--from", "0.5", "--to", "0.5"},
                                                        {"--from", "0x10"},
                                                        {"--to", "0x1"},
                                                        {"--from", "2"},
                                                        {"--from", "inf"},
                                                        {"--from", "nan"},
                                                        {"--from", " 1"},
                                                        {"--from-sample", "99999"},
                                                        {"--from-sample", "1.5"},
                                                        {"--to-sample", "0"},
                                                        {"--from", "0", "--to-sample", "10"}};
  const std::vector<std::vector<std::string>> commands = {
      {"stats", wav},
      {"export", "stats", wav, "--out", dir.file("x.txt")},
      {"spectrum", wav},
      {"lpc", wav},
      {"spectrogram", wav, "--levels"}};
  for (const auto& command : commands) {
    for (const auto& range : ranges) {
      std::vector<std::string> words = command;
      words.insert(words.end(), range.begin(), range.end());
      const Outcome r = runCli(words);
      EXPECT_EQ(r.status, kExitUsage) << ::testing::PrintToString(words);
      EXPECT_TRUE(r.out.empty()) << ::testing::PrintToString(words);
      EXPECT_NE(r.err.find("--"), std::string::npos) << r.err;
    }
  }
  EXPECT_FALSE(std::filesystem::exists(dir.file("x.txt")));
  // An end past the recording is cut to it.
  EXPECT_EQ(runCli({"stats", wav, "--to", "100"}).out, runCli({"stats", wav}).out);
}

// stats and batch take every tracker: the tone's average comes out near 200 Hz by each.
TEST(CliStats, EveryMethodGivesTheTonesAverage) {
  ScratchDir dir;
  const auto wav = toneFile(dir, "t.wav");
  for (const char* method : {"srpd", "amdf", "rapt"}) {
    SCOPED_TRACE(method);
    Outcome r = runCli({"stats", wav, "--method", method});
    ASSERT_EQ(r.status, kExitOk) << r.err;
    const auto at = r.out.find("Average F0: ");
    ASSERT_NE(at, std::string::npos) << r.out;
    EXPECT_NEAR(std::stod(r.out.substr(at + 12)), 200.0, 2.0) << r.out;
    Outcome batch = runCli({"batch", "--method", method, wav});
    ASSERT_EQ(batch.status, kExitOk) << batch.err;
    EXPECT_NE(batch.out.find("t.wav"), std::string::npos);
  }
}

TEST(CliStats, RefusesBadOptionsWithTheDialogsMessages) {
  ScratchDir dir;
  const auto wav = toneFile(dir, "t.wav");
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"stats", wav, "--min", "45", "--max", "40"}, "Minimal Value: 50 Hz"},
      {{"stats", wav, "--max", "1300"}, "Max Value: 1200 Hz"},
      {{"stats", wav, "--silence", "80"}, "Silence Threshold: From 0 to 70 dB"},
      {{"stats", wav, "--from", "0.9", "--to", "0.3"}, "--to is before --from"},
      {{"stats", wav, "--method", "yin"}, "--method takes ac, cc, srpd, amdf or rapt"},
  };
  for (const auto& [words, message] : cases) {
    Outcome r = runCli(words);
    EXPECT_EQ(r.status, kExitUsage) << message;
    EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
  }
}

TEST(CliExport, WritesTheFilesTheWindowWrites) {
  ScratchDir dir;
  const auto wav = toneFile(dir, "t.wav");
  const std::string stats = dir.file("stats.txt");
  ASSERT_EQ(runCli({"export", "stats", wav, "--out", stats}).status, kExitOk);
  std::string expected = runCli({"stats", wav}).out;
  expected.pop_back();  // the printed text ends with a newline, the file does not
  std::string crlf;
  for (char c : expected) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  EXPECT_EQ(text(testing::readBytes(stats)), crlf);

  const std::string f0 = dir.file("f0.txt");
  ASSERT_EQ(runCli({"export", "f0", wav, "--out", f0}).status, kExitOk);
  const std::string f0Text = text(testing::readBytes(f0));
  std::string f0Lines;
  for (char c : runCli({"f0", wav}).out)
    f0Lines += c == '\n' ? std::string("\r\n") : std::string(1, c);
  EXPECT_EQ(f0Text, f0Lines);

  const std::string intensity = dir.file("int.txt");
  ASSERT_EQ(runCli({"export", "intensity", wav, "--out", intensity}).status, kExitOk);
  const std::string intensityText = text(testing::readBytes(intensity));
  EXPECT_EQ(std::count(intensityText.begin(), intensityText.end(), '\n'), 340);

  Outcome refused = runCli({"export", "stats", wav, "--out", dir.file("missing/s.txt")});
  EXPECT_EQ(refused.status, kExitBadInput);
  EXPECT_EQ(refused.err, "It\u00b4s not possible to Save the Statistics Text File!\nThe folder " +
                             dir.file("missing") + " does not exist.\n");
  EXPECT_EQ(runCli({"export", "pitch", wav, "--out", stats}).status, kExitUsage);
  EXPECT_EQ(runCli({"export", "stats", wav}).status, kExitUsage) << "no --out";
}

TEST(CliExport, ARefusedTargetIsNamedAndKept) {
  ScratchDir dir;
  const auto wav = toneFile(dir, "t.wav");
  const auto readOnly = dir.write("r.txt", {'o', 'l', 'd'});
  ASSERT_EQ(chmod(readOnly.c_str(), 0444), 0);
  const std::string fifo = dir.file("f.txt");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  Outcome r = runCli({"export", "f0", wav, "--out", readOnly});
  EXPECT_EQ(r.status, kExitBadInput);
  EXPECT_EQ(r.err, "It\u00b4s not possible to Save the F0 Text File!\n" + readOnly +
                       " is read-only; it was not replaced.\n");
  EXPECT_EQ(text(testing::readBytes(readOnly)), "old");
  r = runCli({"batch", "--out", fifo, wav});
  EXPECT_EQ(r.status, kExitBadInput);
  EXPECT_NE(r.err.find(fifo + " is not a regular file"), std::string::npos) << r.err;
  EXPECT_EQ(std::filesystem::status(fifo).type(), std::filesystem::file_type::fifo);
}

TEST(CliBatch, OneRowPerFileAndBadFilesDoNotStopIt) {
  ScratchDir dir;
  std::filesystem::create_directories(dir.path() / "a" / "b");
  toneFile(dir, "a/one.wav", 150);
  toneFile(dir, "a/b/two.WAV", 250);
  dir.write("a/b/broken.wav", testing::Bytes{'R', 'I', 'F', 'F', 1, 2});
  dir.write("a/notes.txt", testing::Bytes{'x'});
  const std::string out = dir.file("table.csv");

  Outcome r = runCli({"batch", "--out", out, dir.file("a"), dir.file("nowhere")});
  EXPECT_EQ(r.status, kExitBadInput) << "one file could not be analysed";
  EXPECT_NE(r.err.find("[3/3]"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("nowhere"), std::string::npos);
  std::istringstream table(text(testing::readBytes(out)));
  std::vector<std::string> rows;
  for (std::string line; std::getline(table, line);) rows.push_back(line);
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[0].rfind("path,rate,duration,samples,mean_f0,", 0), 0u);
  EXPECT_NE(rows[1].find("b/broken.wav,,,,"), std::string::npos) << rows[1];
  EXPECT_NE(rows[1].find("Error Reading File!"), std::string::npos) << rows[1];
  EXPECT_NE(rows[2].find("b/two.WAV,11025,1.500,16538,250."), std::string::npos) << rows[2];
  EXPECT_NE(rows[3].find("a/one.wav,11025,1.500,16538,150."), std::string::npos) << rows[3];
  for (const std::string& row : rows) EXPECT_EQ(std::count(row.begin(), row.end(), ','), 18) << row;
}

TEST(BatchTable, QuotesFieldsThatNeedIt) {
  BatchRow row;
  row.path = "with,comma \"and quotes\".wav";
  row.error = "Error Reading File!";
  const std::string csv = batchCsv({row});
  EXPECT_NE(csv.find("\"with,comma \"\"and quotes\"\".wav\""), std::string::npos) << csv;
}

}  // namespace
}  // namespace sonarel::cli
