// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/backup_set.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace sonarel::records {
namespace {

// 1601-01-01 to 1970-01-01 in 100-ns intervals.
constexpr std::uint64_t kEpochOffset = 116444736000000000ULL;
constexpr std::uint64_t kPerSecond = 10000000ULL;

std::string lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// The folder as the system resolves it (links followed), for comparisons.
std::filesystem::path resolved(const std::string& folder) {
  std::error_code error;
  auto path = std::filesystem::weakly_canonical(std::filesystem::absolute(folder), error);
  return error ? std::filesystem::path(folder).lexically_normal() : path;
}

bool inside(const std::filesystem::path& inner, const std::filesystem::path& outer) {
  auto o = outer.begin();
  auto i = inner.begin();
  for (; o != outer.end(); ++o, ++i) {
    if (o->empty()) continue;  // a trailing separator
    if (i == inner.end() || *i != *o) return false;
  }
  return true;
}

}  // namespace

std::string backupSetName(DateOrder order, int year, int month, int day) {
  char name[64];
  switch (order) {
    case DateOrder::MonthDayYear:
      std::snprintf(name, sizeof name, "bkp-sr%02d-%02d-%04d", month, day, year);
      break;
    case DateOrder::DayMonthYear:
      std::snprintf(name, sizeof name, "bkp-sr%02d-%02d-%04d", day, month, year);
      break;
    case DateOrder::YearMonthDay:
      std::snprintf(name, sizeof name, "bkp-sr%04d-%02d-%02d", year, month, day);
      break;
  }
  return name;
}

std::string backupSetPath(const std::string& chosen, const std::string& name) {
  if (!chosen.empty() && chosen.back() == '/') return chosen + name;
  return chosen + "/" + name;
}

std::string backupSetPathFor(const std::string& chosen, DateOrder order, std::time_t now) {
  std::tm parts{};
  gmtime_r(&now, &parts);
  return backupSetPath(chosen,
                       backupSetName(order, parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday));
}

std::uint64_t fileTimeOf(const timespec& when) {
  return static_cast<std::uint64_t>(when.tv_sec) * kPerSecond +
         static_cast<std::uint64_t>(when.tv_nsec) / 100 + kEpochOffset;
}

timespec timespecOfFileTime(std::uint64_t fileTime) {
  const auto sinceEpoch = static_cast<std::int64_t>(fileTime - kEpochOffset);
  std::int64_t seconds = sinceEpoch / static_cast<std::int64_t>(kPerSecond);
  std::int64_t rest = sinceEpoch % static_cast<std::int64_t>(kPerSecond);
  if (rest < 0) {
    --seconds;
    rest += static_cast<std::int64_t>(kPerSecond);
  }
  return timespec{static_cast<std::time_t>(seconds), static_cast<long>(rest * 100)};
}

std::string formatDates(const std::vector<DatesLine>& lines) {
  std::string text;
  for (const DatesLine& line : lines) {
    text += line.name + ";" + std::to_string(line.high) + ";" + std::to_string(line.low) + "\n";
  }
  return text;
}

std::vector<DatesLine> parseDates(const std::string& text) {
  std::vector<DatesLine> lines;
  std::size_t at = 0;
  // Decimal digits up to one of `ends` (or the end); the stop is consumed.
  auto number = [&](const char* ends) {
    std::uint64_t value = 0;
    while (at < text.size() && !std::strchr(ends, text[at])) {
      if (std::isdigit(static_cast<unsigned char>(text[at]))) {
        value = value * 10 + static_cast<std::uint64_t>(text[at] - '0');
      }
      ++at;
    }
    const char stop = at < text.size() ? text[at] : '\0';
    if (at < text.size()) ++at;
    return std::pair{static_cast<std::uint32_t>(value), stop};
  };
  while (at < text.size()) {
    const std::size_t semicolon = text.find_first_of(";\n", at);
    if (semicolon == std::string::npos || text[semicolon] == '\n') {
      at = semicolon == std::string::npos ? text.size() : semicolon + 1;
      continue;  // no name and dates on this line
    }
    DatesLine line;
    line.name = text.substr(at, semicolon - at);
    if (!line.name.empty() && line.name.back() == '\r') line.name.pop_back();
    at = semicolon + 1;
    const auto [high, stop] = number(";\n");
    line.high = high;
    if (stop == ';') {
      line.low = number(";\n").first;
    }
    // Whatever else the line holds is passed over.
    while (at > 0 && at < text.size() && text[at - 1] != '\n') ++at;
    if (!line.name.empty()) lines.push_back(line);
  }
  return lines;
}

std::string formatProgress(const std::vector<ClientCode>& codes) {
  std::string text;
  for (ClientCode code : codes) text += std::to_string(code) + ";";
  return text;
}

std::vector<ClientCode> parseProgress(const std::string& text) {
  std::vector<ClientCode> codes;
  std::size_t i = 0;
  while (i < text.size()) {
    if (!std::isdigit(static_cast<unsigned char>(text[i]))) {
      ++i;
      continue;
    }
    long long value = 0;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
      if (value < 1000000) value = value * 10 + (text[i] - '0');
      ++i;
    }
    codes.push_back(static_cast<ClientCode>(value));
  }
  return codes;
}

bool hasExtension(const std::string& name, const char* extension) {
  const auto dot = name.rfind('.');
  return dot != std::string::npos && lower(name.substr(dot + 1)) == extension;
}

bool isRecordingName(const std::string& name) {
  return hasExtension(name, "wav");
}

bool isMarkerName(const std::string& name) {
  return hasExtension(name, "bkp") || hasExtension(name, "bkp1");
}

bool isBackedUpName(const std::string& name) {
  return name.size() > 4 && !isMarkerName(name) && name.find(".tmp-") == std::string::npos;
}

std::string withExtension(const std::string& name, const char* extension) {
  const auto dot = name.rfind('.');
  return (dot == std::string::npos ? name : name.substr(0, dot)) + "." + extension;
}

std::optional<core::Message> backupTargetRefusal(const std::string& dataFolder,
                                                 const std::string& chosen) {
  const auto data = resolved(dataFolder);
  const auto target = resolved(chosen);
  if (inside(target, data)) {
    return core::Message{core::MessageId::BackupIntoProgramFolder};
  }
  return std::nullopt;
}

std::optional<core::Message> restoreSourceRefusal(const std::string& dataFolder,
                                                  const std::string& set) {
  if (resolved(dataFolder) == resolved(set))
    return core::Message{core::MessageId::RestoreSelectSet};
  return std::nullopt;
}

}  // namespace sonarel::records
