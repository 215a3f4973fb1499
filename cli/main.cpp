// SPDX-License-Identifier: GPL-3.0-or-later
#include <iostream>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/picture_commands.h"

int main(int argc, char** argv) {
  const std::vector<std::string> words(argv + 1, argv + argc);
  sonarel::cli::addPictureCommands();
  return sonarel::cli::runCommandLine(words, {std::cout, std::cerr});
}
