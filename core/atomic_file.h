// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Rewriting a file safely: the new contents go to a temporary file in the target's folder,
// which replaces the target by rename only once it is complete and on disk. Until then the
// previous file is untouched, and an abandoned write leaves nothing behind.

#include <cstdio>
#include <memory>
#include <string>

namespace sonarel::core {

class AtomicFile {
 public:
  // Creates the temporary file beside `target`; null if the folder cannot take it.
  static std::unique_ptr<AtomicFile> create(const std::string& target);
  ~AtomicFile();
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;

  std::FILE* stream() { return stream_; }
  const std::string& temporaryPath() const { return temporary_; }

  // Flushes, syncs and renames over the target. False (and the target unchanged) if any
  // step fails; the temporary file is removed either way.
  bool commit();

 private:
  AtomicFile(std::string target, std::string temporary, std::FILE* stream);
  void discard();

  std::string target_;
  std::string temporary_;
  std::FILE* stream_;
};

// Writes `contents` to `target` through an AtomicFile.
bool writeFileAtomically(const std::string& target, const std::string& contents);

}  // namespace sonarel::core
