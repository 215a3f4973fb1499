// SPDX-License-Identifier: GPL-3.0-or-later
// Outside bytes as an unfinished recording: the input is the pending note, then a NUL byte,
// then the spool. "$DATA" in the note stands for the data folder, whose name changes from
// run to run. Whatever the note says, recovery writes nowhere but inside the data folder.
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>

#include "audio/recording_spool.h"
#include "fuzz/scratch_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  namespace fs = std::filesystem;
  const std::string& folder = sonarel::fuzz::scratchFolder();
  const auto* split = std::find(data, data + size, std::uint8_t{0});
  const std::size_t noteSize = static_cast<std::size_t>(split - data);
  const std::size_t spoolStart = std::min(size, noteSize + 1);
  std::string note(reinterpret_cast<const char*>(data), noteSize);
  for (auto at = note.find("$DATA"); at != std::string::npos; at = note.find("$DATA", at)) {
    note.replace(at, 5, folder);
    at += folder.size();
  }
  sonarel::fuzz::writeScratch("grav.pending", reinterpret_cast<const std::uint8_t*>(note.data()),
                              note.size());
  sonarel::fuzz::writeScratch("grav.tmp", data + spoolStart, size - spoolStart);
  const auto pending = sonarel::audio::readPendingRecording(folder);
  if (!pending) return 0;
  const auto target = fs::weakly_canonical(pending->targetPath);
  const auto root = fs::weakly_canonical(folder);
  if (std::mismatch(root.begin(), root.end(), target.begin(), target.end()).first != root.end()) {
    __builtin_trap();  // a note that points outside the data folder must not be accepted
  }
  (void)sonarel::audio::recoverPendingRecording(folder, *pending);
  std::error_code ignored;
  fs::remove(target, ignored);
  return 0;
}
