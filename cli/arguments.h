// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A small parser for "subcommand FILE [--option value] [--flag]" command lines.

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/sample_buffer.h"

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

// Reads a whole decimal integer ("-12", "40"), or nothing: no spaces, no "0x" prefix.
std::optional<long long> parseInteger(const std::string& text);

// Reads a time in seconds, 0 to 1e7, written in decimal ("1.5", "2", "0.25e1"), or nothing:
// hexadecimal, "inf" and "nan" are refused.
std::optional<double> parseSeconds(const std::string& text);

// The options that choose a range of a recording, the same on every subcommand that takes
// one: --from/--to in seconds, or --from-sample/--to-sample in samples.
const std::set<std::string>& rangeOptionNames();
std::set<std::string> withRangeOptions(std::set<std::string> valued);

// Reads the range options against a recording of `sampleCount` samples at `sampleRate` Hz:
// the whole recording by default, an end past the recording cut to it. A malformed number,
// seconds mixed with samples, or a range that starts at or after its end (or after the
// recording) gives the usage message instead.
struct RangeChoice {
  core::SampleRange range;  // first included, last excluded
  std::string error;        // empty when `range` holds
};
RangeChoice readRange(const Arguments& args, std::int64_t sampleCount, double sampleRate);

// The machine-readable forms of a subcommand's output, chosen by --format.
enum class OutputFormat { Text, Csv, Json };
// --format text|csv|json (text by default); nothing for another value.
std::optional<OutputFormat> formatOption(const Arguments& args);
inline constexpr const char* kFormatChoices = "--format takes text, csv or json";

}  // namespace sonarel::cli
