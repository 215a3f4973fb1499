// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/arguments.h"

#include <algorithm>
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

namespace {

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// Whether `text` is a decimal number: an optional sign, digits with at most one point, and
// an optional exponent; `whole` allows neither point nor exponent.
bool isDecimal(const std::string& text, bool whole) {
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
  std::size_t digits = 0;
  bool point = false;
  for (; i < text.size(); ++i) {
    if (isDigit(text[i])) {
      ++digits;
    } else if (text[i] == '.' && !point && !whole) {
      point = true;
    } else {
      break;
    }
  }
  if (digits == 0) return false;
  if (i < text.size() && !whole && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
    std::size_t exponentDigits = 0;
    for (; i < text.size() && isDigit(text[i]); ++i) ++exponentDigits;
    if (exponentDigits == 0) return false;
  }
  return i == text.size();
}

}  // namespace

std::optional<long long> parseInteger(const std::string& text) {
  if (!isDecimal(text, true)) return std::nullopt;
  errno = 0;
  char* end = nullptr;
  const long long value = std::strtoll(text.c_str(), &end, 10);
  if (errno != 0 || *end != '\0') return std::nullopt;
  return value;
}

std::optional<double> parseSeconds(const std::string& text) {
  if (!isDecimal(text, false)) return std::nullopt;
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  if (*end != '\0' || !(value >= 0) || value > 1e7) return std::nullopt;
  return value;
}

const std::set<std::string>& rangeOptionNames() {
  static const std::set<std::string> names = {"--from", "--to", "--from-sample", "--to-sample"};
  return names;
}

std::set<std::string> withRangeOptions(std::set<std::string> valued) {
  valued.insert(rangeOptionNames().begin(), rangeOptionNames().end());
  return valued;
}

RangeChoice readRange(const Arguments& args, std::int64_t sampleCount, double sampleRate) {
  RangeChoice choice{{0, sampleCount}, {}};
  const bool seconds = args.option("--from") || args.option("--to");
  const bool samples = args.option("--from-sample") || args.option("--to-sample");
  if (seconds && samples) {
    choice.error =
        "give the range in seconds (--from, --to) or in samples (--from-sample, "
        "--to-sample), not both";
    return choice;
  }
  std::optional<std::int64_t> from, to;
  for (const bool start : {true, false}) {
    std::optional<std::int64_t>& bound = start ? from : to;
    const std::string secondsName = start ? "--from" : "--to";
    const std::string samplesName = start ? "--from-sample" : "--to-sample";
    if (const auto text = args.option(secondsName)) {
      const auto value = parseSeconds(*text);
      if (!value) {
        choice.error = secondsName + " takes a time in seconds (a decimal number, 0 or more)";
        return choice;
      }
      bound = static_cast<std::int64_t>(*value * sampleRate);
    } else if (const auto word = args.option(samplesName)) {
      const auto value = parseInteger(*word);
      if (!value || *value < 0) {
        choice.error = samplesName + " takes a sample number (a whole decimal number, 0 or more)";
        return choice;
      }
      bound = *value;
    }
  }
  const std::string fromName = seconds ? "--from" : "--from-sample";
  const std::string toName = seconds ? "--to" : "--to-sample";
  if (from && to && *from >= *to) {
    choice.error = *from == *to ? "the range " + fromName + " to " + toName + " is empty"
                                : toName + " is before " + fromName;
    return choice;
  }
  if (from && *from >= sampleCount) {
    choice.error = fromName + " is at or after the end of the recording";
    return choice;
  }
  choice.range.first = from.value_or(0);
  choice.range.last = std::min(to.value_or(sampleCount), sampleCount);
  if (choice.range.first >= choice.range.last) {
    choice.error = "the range " + fromName + " to " + toName + " is empty";
  }
  return choice;
}

std::optional<OutputFormat> formatOption(const Arguments& args) {
  const std::string name = args.option("--format").value_or("text");
  if (name == "text") return OutputFormat::Text;
  if (name == "csv") return OutputFormat::Csv;
  if (name == "json") return OutputFormat::Json;
  return std::nullopt;
}

}  // namespace sonarel::cli
