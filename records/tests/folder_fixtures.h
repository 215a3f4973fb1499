// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A scratch data folder with helpers to lay out client folders file by file.

#include <fcntl.h>
#include <sys/stat.h>

#include <ctime>
#include <fstream>
#include <string>

#include "core/tests/wave_fixtures.h"
#include "records/client_folder.h"

namespace sonarel::testing {

class DataFolder {
 public:
  const std::string& path() const { return path_; }
  std::string file(const std::string& name) const { return scratch_.file(name); }

  records::ClientFolder client(records::ClientCode code, bool create = true) const {
    records::ClientFolder folder(path_, code);
    if (create) std::filesystem::create_directories(folder.path());
    return folder;
  }

  // Writes `text` to `path`, dated `day` (YYYYMMDD, midday UTC) when given.
  static void put(const std::string& path, const std::string& text = "x", int day = 0) {
    std::ofstream(path, std::ios::binary) << text;
    if (day) {
      std::tm date{};
      date.tm_year = day / 10000 - 1900;
      date.tm_mon = day / 100 % 100 - 1;
      date.tm_mday = day % 100;
      date.tm_hour = 12;
      const timespec when{timegm(&date), 0};
      const timespec times[2] = {when, when};
      utimensat(AT_FDCWD, path.c_str(), times, 0);
    }
  }

 private:
  ScratchDir scratch_;
  std::string path_ = scratch_.path().string();
};

}  // namespace sonarel::testing
