// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The readers under test take paths, so each input is written to a file in a folder of the
// fuzzing process's own, rewritten on every run.

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace sonarel::fuzz {

inline const std::string& scratchFolder() {
  static const std::string folder = [] {
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/sonarel-fuzz-XXXXXX";
    if (!mkdtemp(pattern.data())) std::abort();
    return pattern;
  }();
  return folder;
}

inline std::string writeScratch(const std::string& name, const std::uint8_t* data,
                                std::size_t size) {
  const std::string path = scratchFolder() + "/" + name;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  if (!out) std::abort();
  return path;
}

}  // namespace sonarel::fuzz
