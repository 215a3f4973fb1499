// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Rewriting a file safely: the new contents go to a temporary file in the target's folder,
// which replaces the target by rename only once it is complete and on disk. Until then the
// previous file is untouched, and an abandoned write leaves nothing behind. A target that is
// read-only or is no regular file is never replaced.

#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "core/message.h"

namespace sonarel::core {

// Why `target` must not be replaced, as a shell redirection would refuse it: it exists
// and is not a regular file (a FIFO, a device, a folder), or it is read-only (no write
// permission for us, or no write bit at all, which stops even the superuser here).
// Nothing when it is absent or an ordinary writable file.
std::optional<Message> replacementRefusal(const std::string& target);

// The refusal for `target` if there is one, else `otherwise`: what to tell the user after
// a failed write.
Message writeFailure(const std::string& target, Message otherwise);

class AtomicFile {
 public:
  // Creates the temporary file beside `target`; null if the folder cannot take it or
  // replacementRefusal(target) refuses it.
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

// Removes what killed writes to `target` left behind: regular files of ours beside it named
// like its temporaries ("<target>.tmp-" and six letters or digits) and untouched for a
// minute, so that no write still in progress loses its file. Returns how many went.
// AtomicFile::create calls it before every write.
std::size_t removeStaleTemporaries(const std::string& target);
// The same for every target in `folder`: what the program's killed writes left there, for
// the sweep at start-up.
std::size_t removeStaleTemporariesIn(const std::string& folder);

// Writes `contents` to `target` through an AtomicFile.
bool writeFileAtomically(const std::string& target, const std::string& contents);

}  // namespace sonarel::core
