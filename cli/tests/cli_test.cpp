// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <sstream>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/tests/cli_runner.h"
#include "core/tests/wave_fixtures.h"

namespace sonarel::cli {
namespace {

using sonarel::testing::ScratchDir;

TEST(CliInfo, PrintsTheFormatAndTheKindTheRateImplies) {
  ScratchDir dir;
  const auto voice =
      dir.write("v.wav", testing::simpleWave(22050, testing::sine(100, 22050, 11025)));
  Outcome r = runCli({"info", voice});
  EXPECT_EQ(r.status, kExitOk) << r.err;
  EXPECT_EQ(r.out,
            "format tag: 1\nchannels: 1\nsample rate: 22050\nbits per sample: 16\n"
            "block align: 2\nbytes per second: 44100\nextra size: 0\nsamples: 11025\n"
            "duration: 0.500000 s\naccepted as voice analysis\n");

  const auto quality = dir.write("q.wav", testing::simpleWave(44100, {1, 2, 3}));
  r = runCli({"info", quality});
  EXPECT_EQ(r.status, kExitOk);
  EXPECT_NE(r.out.find("accepted as vocal quality\n"), std::string::npos);

  r = runCli({"info", quality, "--kind", "voice"});
  EXPECT_EQ(r.status, kExitBadInput);
  EXPECT_EQ(r.err, "Sample Rate must be 11025 Hz or 22050 Hz, 16 bits,Mono!\n" + quality +
                       " is sampled at 44100 Hz; a voice-analysis file takes up to 22050 Hz. "
                       "Import converts the rate.\n");
  EXPECT_NE(r.out.find("sample rate: 44100"), std::string::npos) << "fields still printed";
}

TEST(CliInfo, ReadErrorsAndEmptyFilesExitOne) {
  ScratchDir dir;
  const auto broken = dir.write("b.wav", testing::Bytes{'R', 'I', 'F', 'F', 0, 0});
  Outcome r = runCli({"info", broken});
  EXPECT_EQ(r.status, kExitBadInput);
  EXPECT_EQ(r.err, "Error Reading File! (0xE101)\n" + broken + " is not a WAVE file.\n");
  EXPECT_TRUE(r.out.empty());

  r = runCli({"info", dir.file("missing.wav")});
  EXPECT_EQ(r.err,
            "Error Reading File! (0xE100)\n" + dir.file("missing.wav") + " does not exist.\n");

  const auto empty = dir.write("e.wav", testing::simpleWave(11025, {}));
  r = runCli({"info", empty});
  EXPECT_EQ(r.status, kExitBadInput);
  EXPECT_EQ(r.err, "Error Reading File!\n" + empty + " is a WAVE file with no samples.\n");
}

// The second line of standard error says why, for every command that reads a sound file.
TEST(CliRefusals, TheSecondLineNamesTheFileAndTheReason) {
  ScratchDir dir;
  const auto zero = dir.write("zero.wav", {});
  const auto flac = dir.write("take.wav", testing::Bytes{'f', 'L', 'a', 'C', 0, 0, 0, 34});
  const auto stereo = dir.write(
      "two.wav", testing::riffWave({testing::chunk("fmt ", testing::fmtBody(11025, 2)),
                                    testing::chunk("data", testing::pcmBytes({1, 2, 3, 4}))}));
  const auto cd = dir.write("cd.wav", testing::simpleWave(44100, {1, 2, 3}));
  struct Row {
    std::vector<std::string> words;
    std::string err;
  } rows[] = {
      {{"info", zero}, "Error Reading File! (0xE101)\n" + zero + " is empty (0 bytes).\n"},
      {{"f0", dir.file("")},
       "Error Reading File! (0xE100)\n" + dir.file("") + " is a folder, not a sound file.\n"},
      {{"stats", flac},
       "Error Reading File! (0xE101)\n" + flac +
           " is a FLAC file: only Import reads it, and makes a 16-bit mono "
           "copy.\n"},
      {{"f0", stereo},
       "Sample Rate must be 11025 Hz or 22050 Hz, 16 bits,Mono!\n" + stereo +
           " has 2 channels; recordings are analysed in mono. Import makes a "
           "mono copy.\n"},
      {{"intensity", cd, "--kind", "voice"},
       "Sample Rate must be 11025 Hz or 22050 Hz, 16 bits,Mono!\n" + cd +
           " is sampled at 44100 Hz; a voice-analysis file takes up to 22050 Hz. Import converts "
           "the rate.\n"},
  };
  for (const Row& row : rows) {
    const Outcome r = runCli(row.words);
    EXPECT_EQ(r.status, kExitBadInput) << row.words[0];
    EXPECT_EQ(r.err, row.err) << row.words[0];
  }
}

// Duration counts sample frames: a stereo or 24-bit file has fewer frames than 16-bit words.
TEST(CliInfo, DurationOfStereoAndWideFilesCountsFrames) {
  ScratchDir dir;
  const std::size_t frames = 7938;  // 0.72 s at 11025 Hz
  struct Row {
    std::uint16_t channels, bits;
  } rows[] = {{1, 16}, {2, 16}, {1, 24}, {2, 24}, {1, 32}, {1, 8}};
  for (const Row& row : rows) {
    const testing::Bytes data(frames * row.channels * row.bits / 8, 0);
    const auto path = dir.write(
        "f.wav",
        testing::riffWave({testing::chunk("fmt ", testing::fmtBody(11025, row.channels, row.bits)),
                           testing::chunk("data", data)}));
    const Outcome r = runCli({"info", path});
    EXPECT_NE(r.out.find("samples: 7938\nduration: 0.720000 s\n"), std::string::npos)
        << row.channels << " x " << row.bits << ":\n"
        << r.out;
  }
}

TEST(CliInfo, AFifoIsRefusedAtOnceAndNamed) {
  ScratchDir dir;
  const std::string fifo = dir.file("f.wav");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  for (const char* command : {"info", "f0", "quality"}) {
    const Outcome r = runCli({command, fifo});
    EXPECT_EQ(r.status, kExitBadInput) << command;
    EXPECT_EQ(r.err, "Error Reading File! (0xE100)\n" + fifo +
                         " is not a regular file (a pipe or a device).\n")
        << command;
  }
}

TEST(CliUsage, MistakesExitTwoAndHelpExitsZero) {
  ScratchDir dir;
  const auto wav = dir.write("v.wav", testing::simpleWave(11025, {1}));
  for (const auto& words : std::vector<std::vector<std::string>>{{},
                                                                 {"nonsense"},
                                                                 {"info"},
                                                                 {"info", wav, wav},
                                                                 {"info", wav, "--bogus"},
                                                                 {"info", wav, "--kind"},
                                                                 {"info", wav, "--kind", "loud"}}) {
    Outcome r = runCli(words);
    EXPECT_EQ(r.status, kExitUsage) << ::testing::PrintToString(words);
    EXPECT_FALSE(r.err.empty());
  }
  Outcome help = runCli({"--help"});
  EXPECT_EQ(help.status, kExitOk);
  for (const Command& command : commands()) {
    EXPECT_NE(help.out.find(command.name), std::string::npos) << command.name;
    Outcome own = runCli({command.name, "--help"});
    EXPECT_EQ(own.status, kExitOk);
    EXPECT_EQ(own.out, command.help);
  }
}

TEST(ParseArguments, SeparatesPositionalsOptionsAndFlags) {
  Arguments a =
      parseArguments({"f.wav", "--min", "70", "--frames", "g.wav"}, {"--min"}, {"--frames"});
  EXPECT_TRUE(a.error.empty());
  EXPECT_EQ(a.positional, (std::vector<std::string>{"f.wav", "g.wav"}));
  EXPECT_EQ(a.option("--min"), "70");
  EXPECT_TRUE(a.has("--frames"));
  EXPECT_EQ(parseInteger("12"), 12);
  EXPECT_EQ(parseInteger("-3"), -3);
  EXPECT_EQ(parseInteger("12x"), std::nullopt);
  EXPECT_EQ(parseInteger(""), std::nullopt);
}

}  // namespace
}  // namespace sonarel::cli
