// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A small parser for "subcommand FILE [--option value] [--flag]" command lines.

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace sonarel::cli {

struct Arguments {
  std::vector<std::string> positional;
  std::map<std::string, std::string> options;  // "--min" -> "70"
  std::set<std::string> flags;                 // "--frames"
  std::string error;                           // set when the line could not be parsed

  bool has(const std::string& flag) const { return flags.count(flag) > 0; }
  std::optional<std::string> option(const std::string& name) const;
};

// Options in `valued` take the next word as their value; those in `bare` stand alone.
// Anything else starting with "--" is an error.
Arguments parseArguments(const std::vector<std::string>& words, const std::set<std::string>& valued,
                         const std::set<std::string>& bare);

// Reads a whole decimal integer, or nothing.
std::optional<long long> parseInteger(const std::string& text);

// Reads a time in seconds (a whole decimal number, 0 to 1e7), or nothing.
std::optional<double> parseSeconds(const std::string& text);

}  // namespace sonarel::cli
