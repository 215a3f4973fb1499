// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs a sonarel-cli command line in the test process and keeps what it printed.

#include <sstream>
#include <string>
#include <vector>

#include "cli/commands.h"

namespace sonarel::cli {

struct Outcome {
  int status;
  std::string out;
  std::string err;
};

inline Outcome runCli(const std::vector<std::string>& words) {
  std::ostringstream out, err;
  const int status = runCommandLine(words, {out, err});
  return {status, out.str(), err.str()};
}

}  // namespace sonarel::cli
