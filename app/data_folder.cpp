// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/data_folder.h"

#include <cstdlib>
#include <filesystem>
#include <regex>

#include "core/atomic_file.h"

namespace sonarel::app {
namespace {

bool present(const std::optional<std::string>& value) {
  return value && !value->empty();
}

std::optional<std::string> environment(const char* name) {
  const char* value = std::getenv(name);
  if (!value) return std::nullopt;
  return std::string(value);
}

}  // namespace

std::string chooseDataFolder(const DataFolderSources& s) {
  if (present(s.commandLine)) return *s.commandLine;
  if (present(s.sonarelData)) return *s.sonarelData;
  if (present(s.xdgDataHome)) return *s.xdgDataHome + "/sonarel";
  if (present(s.home)) return *s.home + "/.local/share/sonarel";
  return "sonarel";
}

DataFolderSources dataFolderSourcesFromEnvironment(std::optional<std::string> commandLine) {
  return {std::move(commandLine), environment("SONAREL_DATA"), environment("XDG_DATA_HOME"),
          environment("HOME")};
}

bool ensureFolder(const std::string& folder) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  return std::filesystem::is_directory(folder, error);
}

std::size_t sweepStaleTemporaries(const std::string& folder) {
  namespace fs = std::filesystem;
  std::size_t removed = core::removeStaleTemporariesIn(folder);
  static const std::regex clientFolder("pac[0-9]{3,}");  // as clientFolderName writes codes
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (std::regex_match(name, clientFolder) && it->is_directory(error)) {
      removed += core::removeStaleTemporariesIn(it->path().string());
    }
  }
  return removed;
}

}  // namespace sonarel::app
