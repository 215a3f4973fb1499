// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/arguments.h"

#include <cerrno>
#include <cstdlib>

namespace sonarel::cli {

std::optional<std::string> Arguments::option(const std::string& name) const {
  auto it = options.find(name);
  if (it == options.end()) return std::nullopt;
  return it->second;
}

Arguments parseArguments(const std::vector<std::string>& words, const std::set<std::string>& valued,
                         const std::set<std::string>& bare) {
  Arguments parsed;
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string& word = words[i];
    if (word.size() < 2 || word.compare(0, 2, "--") != 0) {
      parsed.positional.push_back(word);
    } else if (valued.count(word)) {
      if (i + 1 >= words.size()) {
        parsed.error = word + " needs a value";
        return parsed;
      }
      parsed.options[word] = words[++i];
    } else if (bare.count(word)) {
      parsed.flags.insert(word);
    } else {
      parsed.error = "unknown option " + word;
      return parsed;
    }
  }
  return parsed;
}

std::optional<long long> parseInteger(const std::string& text) {
  if (text.empty()) return std::nullopt;
  errno = 0;
  char* end = nullptr;
  const long long value = std::strtoll(text.c_str(), &end, 10);
  if (errno != 0 || *end != '\0') return std::nullopt;
  return value;
}

std::optional<double> parseSeconds(const std::string& text) {
  if (text.empty()) return std::nullopt;
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  if (*end != '\0' || !(value >= 0) || value > 1e7) return std::nullopt;
  return value;
}

}  // namespace sonarel::cli
