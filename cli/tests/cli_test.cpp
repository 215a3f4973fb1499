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
  EXPECT_EQ(r.err, quality + ": Sample Rate must be 11025 Hz or 22050 Hz, 16 bits,Mono!\n");
  EXPECT_NE(r.out.find("sample rate: 44100"), std::string::npos) << "fields still printed";
}

TEST(CliInfo, ReadErrorsAndEmptyFilesExitOne) {
  ScratchDir dir;
  const auto broken = dir.write("b.wav", testing::Bytes{'R', 'I', 'F', 'F', 0, 0});
  Outcome r = runCli({"info", broken});
  EXPECT_EQ(r.status, kExitBadInput);
  EXPECT_EQ(r.err, "Error Reading File! (0xE101): " + broken + ": not a WAVE file\n");
  EXPECT_TRUE(r.out.empty());

  r = runCli({"info", dir.file("missing.wav")});
  EXPECT_EQ(r.err, "Error Reading File! (0xE100): " + dir.file("missing.wav") +
                       ": No such file or directory\n");
  // A file that exists but may not be read says so.
  const auto locked = dir.write("locked.wav", testing::simpleWave(11025, {1}));
  chmod(locked.c_str(), 0);
  if (access(locked.c_str(), R_OK) != 0) {  // root reads it anyway
    r = runCli({"info", locked});
    EXPECT_EQ(r.err, "Error Reading File! (0xE100): " + locked + ": Permission denied\n");
  }

  const auto empty = dir.write("e.wav", testing::simpleWave(11025, {}));
  r = runCli({"info", empty});
  EXPECT_EQ(r.status, kExitBadInput);
  EXPECT_EQ(r.err, "Error Reading File!: " + empty + ": it holds no sample\n");
}

TEST(CliInfo, AFifoIsRefusedAtOnceAndNamed) {
  ScratchDir dir;
  const std::string fifo = dir.file("f.wav");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  for (const char* command : {"info", "f0", "quality"}) {
    const Outcome r = runCli({command, fifo});
    EXPECT_EQ(r.status, kExitBadInput) << command;
    EXPECT_EQ(r.err, "Error Reading File! (0xE100): " + fifo + ": not a regular file\n") << command;
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
