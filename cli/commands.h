// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The subcommands of sonarel-cli. Each takes the words after its name and returns the exit
// status: 0 success, 1 bad input (the message is on standard error), 2 a usage error.

#include <iosfwd>
#include <string>
#include <vector>

namespace sonarel::cli {

constexpr int kExitOk = 0;
constexpr int kExitBadInput = 1;
constexpr int kExitUsage = 2;

struct Streams {
  std::ostream& out;
  std::ostream& err;
};

struct Command {
  const char* name;
  const char* synopsis;  // one line for --help
  const char* help;      // the subcommand's own --help text
  int (*run)(const std::vector<std::string>& words, Streams streams);
};

const std::vector<Command>& commands();
// Adds a subcommand from a library the command line links besides these (the pictures);
// false when its name is taken.
bool addCommand(const Command& command);

// Runs a whole command line (without the program name).
int runCommandLine(const std::vector<std::string>& words, Streams streams);

int runInfo(const std::vector<std::string>& words, Streams streams);
int runQuality(const std::vector<std::string>& words, Streams streams);
int runQualityReport(const std::vector<std::string>& words, Streams streams);
int runF0(const std::vector<std::string>& words, Streams streams);
int runIntensity(const std::vector<std::string>& words, Streams streams);
int runStats(const std::vector<std::string>& words, Streams streams);
int runExport(const std::vector<std::string>& words, Streams streams);
int runBatch(const std::vector<std::string>& words, Streams streams);
int runFormants(const std::vector<std::string>& words, Streams streams);
int runSpectrum(const std::vector<std::string>& words, Streams streams);
int runLpc(const std::vector<std::string>& words, Streams streams);
int runSpectrogram(const std::vector<std::string>& words, Streams streams);
int runClients(const std::vector<std::string>& words, Streams streams);
int runFiles(const std::vector<std::string>& words, Streams streams);
int runEdit(const std::vector<std::string>& words, Streams streams);
int runResample(const std::vector<std::string>& words, Streams streams);
int runImport(const std::vector<std::string>& words, Streams streams);
int runBackupCommand(const std::vector<std::string>& words, Streams streams);
int runRestoreCommand(const std::vector<std::string>& words, Streams streams);
int runRecover(const std::vector<std::string>& words, Streams streams);
int runClinical(const std::vector<std::string>& words, Streams streams);
int runReportPdf(const std::vector<std::string>& words, Streams streams);
int runCompletion(const std::vector<std::string>& words, Streams streams);

}  // namespace sonarel::cli
