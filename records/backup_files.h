// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The file work under backup and restore: copies that keep the date and return a content
// hash, reading a copy back, markers, decoding compressed recordings, folder listings and
// syncing folders.

#include <sys/stat.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace sonarel::records {

struct Fingerprint {
  std::uint64_t size = 0;
  std::uint64_t hash = 0;

  bool operator==(const Fingerprint&) const = default;
};

// Copies `source` (a regular file) to `target` through the atomic writer, with the source's
// modification time; the fingerprint is of the bytes read. Nothing when any step fails
// (the target is then as it was).
std::optional<Fingerprint> copyFile(const std::string& source, const std::string& target);

// The fingerprint of a file as read back now; nothing when it cannot be read.
std::optional<Fingerprint> fingerprintOf(const std::string& path);

// Decodes a compressed recording (any format libsndfile reads) into a 16-bit WAVE file of
// its rate, channels mixed down to one. False when it cannot.
bool decodeCompressed(const std::string& source, const std::string& target);

// An empty file dated `when`, through the atomic writer.
bool writeMarker(const std::string& path, const timespec& when);

// Sets the modification (and access) time of `path`.
bool setModificationTime(const std::string& path, const timespec& when);

std::optional<struct stat> statRegular(const std::string& path);
bool isFolder(const std::string& path);
bool pathExists(const std::string& path);  // anything, links not followed

// The names in a folder, without "." and "..", in the order the system lists them.
std::vector<std::string> folderEntries(const std::string& folder);

// fsync of a folder, so that renames and new entries in it are on disk.
bool syncFolder(const std::string& folder);

// Removes a folder and everything in it; true when it is gone.
bool removeTree(const std::string& path);

// Reads a whole small text file; nothing when it is absent or unreadable.
std::optional<std::string> readText(const std::string& path);

}  // namespace sonarel::records
