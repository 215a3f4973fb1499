// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The order in which a language writes dates: month first in English, year first in Korean,
// day first in Spanish and Portuguese.

#include "app/config_files.h"
#include "records/session_file.h"

namespace sonarel::app {

inline records::DateOrder dateOrderOf(Language language) {
  switch (language) {
    case Language::English:
      return records::DateOrder::MonthDayYear;
    case Language::Korean:
      return records::DateOrder::YearMonthDay;
    default:
      return records::DateOrder::DayMonthYear;
  }
}

}  // namespace sonarel::app
