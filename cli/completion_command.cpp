// SPDX-License-Identifier: GPL-3.0-or-later
// sonarel-cli completion bash: the shell completion of the subcommands, made from their own
// help texts, so that it names every option each subcommand takes and the values of those
// that take one of a few words.

#include <map>
#include <ostream>
#include <set>
#include <string>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/sound_file_option.h"

namespace sonarel::cli {
namespace {

bool isOptionCharacter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
}

struct OptionsOf {
  std::set<std::string> names;
  std::map<std::string, std::string> choices;  // "--kind" -> "voice quality"
};

// The "--name" words of a help text, and for "--name a|b|c" the words a, b and c.
OptionsOf optionsIn(const std::string& help) {
  OptionsOf found;
  for (std::size_t at = help.find("--"); at != std::string::npos; at = help.find("--", at)) {
    std::size_t end = at + 2;
    while (end < help.size() && isOptionCharacter(help[end])) ++end;
    const std::string name = help.substr(at, end - at);
    at = end;
    if (name.size() <= 2 || name == "--help") continue;
    found.names.insert(name);
    if (end >= help.size() || help[end] != ' ') continue;
    std::size_t stop = end + 1;
    while (stop < help.size() && (isOptionCharacter(help[stop]) || help[stop] == '|')) ++stop;
    const std::string value = help.substr(end + 1, stop - end - 1);
    if (value.find('|') == std::string::npos || value.find("--") != std::string::npos) continue;
    std::string words;
    for (const char c : value) words += c == '|' ? ' ' : c;
    found.choices[name] = words;
  }
  return found;
}

void printBash(std::ostream& out) {
  std::string names;
  std::map<std::string, std::string> choices;
  for (const Command& command : commands())
    names += std::string(names.empty() ? "" : " ") + command.name;
  out << "# bash completion for sonarel-cli (made by: sonarel-cli completion bash)\n"
         "_sonarel_cli() {\n"
         "  local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]} options=\n"
         "  if [ \"$COMP_CWORD\" -eq 1 ]; then\n"
         "    COMPREPLY=($(compgen -W \"--help "
      << names
      << "\" -- \"$cur\"))\n"
         "    return\n"
         "  fi\n"
         "  case ${COMP_WORDS[1]} in\n";
  for (const Command& command : commands()) {
    OptionsOf options = optionsIn(command.help);
    // Every subcommand with a range in seconds takes it in samples too.
    if (options.names.count("--from")) options.names.insert({"--from-sample", "--to-sample"});
    std::string list = "--help";
    for (const std::string& name : options.names) list += " " + name;
    out << "    " << command.name << ") options=\"" << list << "\" ;;\n";
    for (const auto& [name, words] : options.choices) choices[name] = words;
  }
  out << "  esac\n"
         "  case $prev in\n";
  for (const auto& [name, words] : choices) {
    out << "    " << name << ") COMPREPLY=($(compgen -W \"" << words
        << "\" -- \"$cur\")); return ;;\n";
  }
  out << "  esac\n"
         "  if [[ $cur == -* ]]; then\n"
         "    COMPREPLY=($(compgen -W \"$options\" -- \"$cur\"))\n"
         "  else\n"
         "    COMPREPLY=($(compgen -f -- \"$cur\"))\n"
         "  fi\n"
         "}\n"
         "complete -o filenames -F _sonarel_cli sonarel-cli\n";
}

}  // namespace

int runCompletion(const std::vector<std::string>& words, Streams streams) {
  const Arguments args = parseArguments(words, {}, {});
  if (!args.error.empty()) return usageError(streams, args.error);
  if (args.positional.size() != 1 || args.positional[0] != "bash") {
    return usageError(streams, "completion takes the shell: bash");
  }
  printBash(streams.out);
  return kExitOk;
}

}  // namespace sonarel::cli
