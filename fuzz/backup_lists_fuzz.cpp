// SPDX-License-Identifier: GPL-3.0-or-later
// Outside bytes as a backup set's dates file and progress file: both parse anything, and
// what the dates parser reads back from its own writing is what it read.
#include <cstdint>
#include <string>

#include "records/backup_set.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const auto dates = sonarel::records::parseDates(text);
  (void)sonarel::records::parseProgress(text);
  bool writable = true;
  for (const auto& line : dates) {
    writable = writable && line.name.find_first_of(";\r\n") == std::string::npos;
  }
  if (writable && sonarel::records::parseDates(sonarel::records::formatDates(dates)) != dates) {
    __builtin_trap();
  }
  return 0;
}
