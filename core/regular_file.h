// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Opening files that come from outside the program for reading. Only regular files are
// read: a FIFO, a device or a folder is refused before a single byte is asked of it, and
// the open itself never blocks (a FIFO with no writer would otherwise hang the open).

#include <cstdio>
#include <optional>
#include <string>

namespace sonarel::core {

// A read-only, blocking descriptor for `path`, or -1 when it cannot be opened or is not a
// regular file. The caller closes it.
int openRegularFile(const std::string& path);

// The same as a "rb" stream; null when openRegularFile would give -1. The caller closes it.
std::FILE* openRegularFileStream(const std::string& path);

// True when `path` names a regular file (after following links).
bool isRegularFile(const std::string& path);

// At most `limit` bytes from the start of a regular file; nothing when it cannot be opened,
// is not a regular file or cannot be read.
std::optional<std::string> readRegularFile(const std::string& path, std::size_t limit);

}  // namespace sonarel::core
