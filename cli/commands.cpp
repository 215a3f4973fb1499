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
