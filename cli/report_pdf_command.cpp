// SPDX-License-Identifier: GPL-3.0-or-later
// report-pdf: the clinician's report as a PDF file. The report's pages are the window's own
// drawings, which need Qt's painter; sonarel-cli stays free of Qt, so this subcommand runs
// sonarel-report, the small Qt program installed beside it, with the same words, and
// returns its exit status. Its output goes straight to our standard output and error.

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <ostream>

#include "cli/commands.h"
#include "core/message.h"

extern char** environ;

namespace sonarel::cli {
namespace {

constexpr const char* kReportTool = "sonarel-report";

// sonarel-report beside this program, or else the one on the PATH.
std::string reportToolPath() {
  std::error_code error;
  const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error) {
    const auto beside = self.parent_path() / kReportTool;
    if (access(beside.c_str(), X_OK) == 0) return beside.string();
  }
  return kReportTool;
}

}  // namespace

int runReportPdf(const std::vector<std::string>& words, Streams streams) {
  const std::string tool = reportToolPath();
  std::vector<std::string> arguments{tool};
  arguments.insert(arguments.end(), words.begin(), words.end());
  std::vector<char*> argv;
  for (std::string& word : arguments) argv.push_back(word.data());
  argv.push_back(nullptr);

  streams.out.flush();
  streams.err.flush();
  std::cout.flush();
  std::cerr.flush();
  pid_t child = 0;
  const int spawned = posix_spawnp(&child, tool.c_str(), nullptr, nullptr, argv.data(), environ);
  if (spawned != 0) {
    streams.err << core::Message{core::MessageId::ProgramNotStarted,
                                 {kReportTool, std::strerror(spawned)}}
                       .text()
                << "\n";
    return kExitBadInput;
  }
  int status = 0;
  while (waitpid(child, &status, 0) < 0) {
    if (errno != EINTR) return kExitBadInput;
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : kExitBadInput;
}

}  // namespace sonarel::cli
