#include "cli/commands.h"

#include <ostream>

#include "core/message.h"

namespace sonarel::cli {

const std::vector<Command>& commands() {
  static const std::vector<Command> table = {
      {"info", "info FILE [--kind voice|quality]   format, length and acceptance of a WAVE file",
       "usage: sonarel-cli info FILE [--kind voice|quality]\n"
       "Prints the format fields of a WAVE file, its sample count and duration, and whether\n"
       "it opens as a voice-analysis or a vocal-quality recording. Without --kind a 44100 Hz\n"
       "file is taken as vocal quality and any other rate as voice analysis.\n",
       runInfo},
      {"quality", "quality FILE [--cache]              voiced segments and per-frame measures",
       "usage: sonarel-cli quality FILE [--cache]\n"
       "Cuts a 44100 Hz vocal-quality recording into voiced segments (runs of glottal cycles\n"
       "shorter than 50 ms lasting more than half a second; at most 30) and prints each\n"
       "segment's start, length and frame count, then for each 500-ms frame its time span and\n"
       "its seven measures: jitter (PPQ, %), shimmer (EPQ, %), F0 (Hz), GNE (0 to 1),\n"
       "correlation, irregularity (0 to 10) and noise (0 to 5). A measure that cannot be\n"
       "computed in a frame is 0.\n"
       "--cache  reuse the segment cache beside FILE (FILE with \"dat\" for its last three\n"
       "         characters) when it matches the recording's length, and write it after an\n"
       "         analysis, as the workstation does.\n",
       runQuality},
      {"quality-report", "quality-report FILE [--from S] [--to S]   averages of the vocal analysis",
       "usage: sonarel-cli quality-report FILE [--from S] [--to S]\n"
       "Analyses a 44100 Hz vocal-quality recording and prints, over the range from S to S\n"
       "seconds (the whole file by default), the report's averages: jitter, shimmer,\n"
       "correlation, irregularity and its spread, GNE, noise and its spread (per segment over\n"
       "its frames wholly inside the range, then the mean over segments), and the colour of\n"
       "each of the five gauges against its normal limit.\n",
       runQualityReport},
  };
  return table;
}

namespace {

void printHelp(std::ostream& out) {
  out << "usage: sonarel-cli SUBCOMMAND [ARGUMENTS]\n\nSubcommands:\n";
  for (const Command& command : commands()) out << "  " << command.synopsis << "\n";
  out << "\nsonarel-cli SUBCOMMAND --help describes one subcommand.\n"
         "Exit status: 0 success, 1 a file could not be read or analysed, 2 a usage error.\n";
}

}  // namespace

int runCommandLine(const std::vector<std::string>& words, Streams streams) {
  if (words.empty() || words[0] == "--help" || words[0] == "-h" || words[0] == "help") {
    printHelp(words.empty() ? streams.err : streams.out);
    return words.empty() ? kExitUsage : kExitOk;
  }
  for (const Command& command : commands()) {
    if (words[0] != command.name) continue;
    const std::vector<std::string> rest(words.begin() + 1, words.end());
    for (const std::string& word : rest) {
      if (word == "--help" || word == "-h") {
        streams.out << command.help;
        return kExitOk;
      }
    }
    return command.run(rest, streams);
  }
  streams.err
      << core::Message{core::MessageId::UsageError, {"unknown subcommand " + words[0]}}.text()
      << "\n";
  printHelp(streams.err);
  return kExitUsage;
}

}  // namespace sonarel::cli
