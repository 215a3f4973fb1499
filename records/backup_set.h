// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The layout of a backup set: its folder name from the date, the dates file "datas.txt"
// (a recording's date as a 64-bit count of 100-ns intervals since 1601, split into two
// unsigned 32-bit halves), the progress list "p_ok.txt" and the file names a set and a
// client folder hold. Files here are dated by their modification time.

#include <sys/types.h>

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "core/message.h"
#include "records/client_folder.h"
#include "records/session_file.h"

namespace sonarel::records {

inline constexpr char kTableName[] = "pacb.dbf";
inline constexpr char kCodePageName[] = "pacb.cpg";
inline constexpr char kDatesName[] = "datas.txt";
inline constexpr char kProgressName[] = "p_ok.txt";

// "bkp-sr%02d-%02d-%04d" (month, day, year or day, month, year) or "bkp-sr%04d-%02d-%02d".
std::string backupSetName(DateOrder order, int year, int month, int day);
// The set folder inside the chosen one: a separator is put between them unless the chosen
// path already ends in one.
std::string backupSetPath(const std::string& chosen, const std::string& name);
// The set folder for `now` (its UTC date).
std::string backupSetPathFor(const std::string& chosen, DateOrder order, std::time_t now);

// Whole 100-ns intervals since 1601-01-01 and back.
std::uint64_t fileTimeOf(const timespec& when);
timespec timespecOfFileTime(std::uint64_t fileTime);

struct DatesLine {
  std::string name;  // the recording's file name, without folder
  std::uint32_t high = 0;
  std::uint32_t low = 0;

  std::uint64_t fileTime() const { return (std::uint64_t{high} << 32) | low; }
  bool operator==(const DatesLine&) const = default;
};

// "%s;%u;%u\n" per line.
std::string formatDates(const std::vector<DatesLine>& lines);
// The name up to the first ';', the high part up to the next ';' or line end, the low part
// up to ';', line end or the end of the text. Lines without a name are passed over.
std::vector<DatesLine> parseDates(const std::string& text);

// "%d;" per code.
std::string formatProgress(const std::vector<ClientCode>& codes);
// Every run of decimal digits, whatever separates them.
std::vector<ClientCode> parseProgress(const std::string& text);

// File names of a client folder.
bool hasExtension(const std::string& name, const char* extension);  // any case, no dot
bool isRecordingName(const std::string& name);                      // ".wav"
bool isMarkerName(const std::string& name);                         // ".bkp" or ".bkp1"
// What a backup copies from a client folder: names longer than 4 characters that are no
// markers, and not the atomic writer's temporaries.
bool isBackedUpName(const std::string& name);
// "wv001.wav" -> "wv001.bkp" (and any other extension of the name).
std::string withExtension(const std::string& name, const char* extension);

// Why `chosen` may not take a backup of `dataFolder`: it is the data folder itself or lies
// inside it (the set would go down with the data). Nothing when it is elsewhere.
std::optional<core::Message> backupTargetRefusal(const std::string& dataFolder,
                                                 const std::string& chosen);
// Why `set` may not be restored into `dataFolder`: it is the data folder itself.
std::optional<core::Message> restoreSourceRefusal(const std::string& dataFolder,
                                                  const std::string& set);

}  // namespace sonarel::records
