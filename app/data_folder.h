// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the workstation keeps its data: --data DIR, else $SONAREL_DATA, else "sonarel"
// under the XDG data home ($XDG_DATA_HOME, else ~/.local/share).

#include <cstddef>
#include <optional>
#include <string>

namespace sonarel::app {

struct DataFolderSources {
  std::optional<std::string> commandLine;  // --data DIR
  std::optional<std::string> sonarelData;  // $SONAREL_DATA
  std::optional<std::string> xdgDataHome;  // $XDG_DATA_HOME
  std::optional<std::string> home;         // $HOME
};

// The folder to use; empty values count as absent.
std::string chooseDataFolder(const DataFolderSources& sources);
DataFolderSources dataFolderSourcesFromEnvironment(std::optional<std::string> commandLine);

// Creates the folder (and its parents) when missing; false when it cannot be made.
bool ensureFolder(const std::string& folder);

// Removes what writes killed in an earlier run left in the data folder and in its client
// folders: temporaries of ours, untouched for a minute. Returns how many went.
std::size_t sweepStaleTemporaries(const std::string& folder);

}  // namespace sonarel::app
