// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/trash.h"

#include <cstdio>
#include <filesystem>
#include <utility>

namespace sonarel::records {

namespace fs = std::filesystem;

bool moveToDataTrash(const std::string& dataFolder, const std::string& path) {
  std::error_code error;
  const fs::path source(path);
  fs::path relative = fs::relative(source, dataFolder, error);
  // Anything outside the data folder keeps only its name.
  if (error || relative.empty() || *relative.begin() == "..") relative = source.filename();
  const fs::path wanted = fs::path(dataFolder) / kTrashFolderName / relative;
  fs::create_directories(wanted.parent_path(), error);
  if (error) return false;
  fs::path target = wanted;
  for (int n = 2; fs::symlink_status(target, error).type() != fs::file_type::not_found; ++n) {
    target = wanted.parent_path() / (wanted.stem().string() + " (" + std::to_string(n) + ")" +
                                     wanted.extension().string());
  }
  // rename() is atomic and stays on the data folder's own file system.
  return std::rename(path.c_str(), target.c_str()) == 0;
}

Discard discardInto(const std::string& dataFolder, Discard discard) {
  if (discard) return discard;
  return [dataFolder](const std::string& path) { return moveToDataTrash(dataFolder, path); };
}

}  // namespace sonarel::records
