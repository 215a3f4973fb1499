// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A small RIFF chunk reader and writer.
//
// Chunk semantics: identifiers are four ASCII bytes, sizes are 32-bit little-endian, a chunk
// of odd size is followed by one pad byte. Descending finds a chunk by identifier inside a
// parent (or the whole file); ascending moves past the chunk and its pad byte. Ascending
// out of a chunk being written patches its size field.
//
// Sizes read from a file are not trusted: every chunk is clamped to what its parent and the
// file really hold, so callers can allocate from `available()` without reading past the end.

#include <cstdint>
#include <cstdio>
#include <memory>
#include <span>
#include <string>

namespace sonarel::core {

using FourCC = std::uint32_t;

constexpr FourCC makeFourCC(const char (&id)[5]) {
  return static_cast<FourCC>(static_cast<unsigned char>(id[0])) |
         static_cast<FourCC>(static_cast<unsigned char>(id[1])) << 8 |
         static_cast<FourCC>(static_cast<unsigned char>(id[2])) << 16 |
         static_cast<FourCC>(static_cast<unsigned char>(id[3])) << 24;
}

// One chunk as found in, or being written to, a file.
struct RiffChunk {
  FourCC id = 0;
  std::uint32_t size = 0;        // as stated in the chunk header
  FourCC formType = 0;           // "RIFF" and "LIST" chunks only
  std::uint64_t dataOffset = 0;  // file offset of the first byte after the size field
  std::uint64_t end = 0;         // dataOffset + size, clamped to the parent and the file
};

struct FileCloser {
  void operator()(std::FILE* file) const {
    if (file) std::fclose(file);
  }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

class RiffReader {
 public:
  // Opens a file for buffered reading; null when it cannot be opened.
  static std::unique_ptr<RiffReader> open(const std::string& path);

  std::uint64_t fileSize() const { return fileSize_; }
  std::uint64_t position() const { return position_; }

  // Finds the "RIFF" chunk at the current position and reads its form type.
  bool descendRiff(RiffChunk& riff);
  // Finds the first chunk `id` from the current position up to the end of `parent`.
  bool descend(RiffChunk& chunk, const RiffChunk& parent, FourCC id);
  // Moves to the end of `chunk`, past its pad byte.
  bool ascend(const RiffChunk& chunk);

  bool seek(std::uint64_t offset);
  // Reads up to bytes.size() bytes; returns how many were read.
  std::size_t read(std::span<std::uint8_t> bytes);
  // Bytes left in `chunk` from the current position.
  std::uint64_t available(const RiffChunk& chunk) const;

 private:
  RiffReader(FilePtr file, std::uint64_t size);
  bool readHeader(RiffChunk& chunk, std::uint64_t limit);

  FilePtr file_;
  std::uint64_t fileSize_;
  std::uint64_t position_ = 0;
};

class RiffWriter {
 public:
  // Writes chunks to an open stream that the caller owns and closes.
  explicit RiffWriter(std::FILE* stream) : file_(stream) {}

  // Writes a chunk header with a placeholder size; formType is written for "RIFF"/"LIST".
  bool createChunk(RiffChunk& chunk, FourCC id, FourCC formType = 0);
  bool write(std::span<const std::uint8_t> bytes);
  // Patches the chunk's size, writes its pad byte if the size is odd, and moves past it.
  bool ascend(RiffChunk& chunk);
  // False once any write or seek has failed.
  bool ok() const { return !failed_; }

 private:
  std::FILE* file_;
  std::uint64_t position_ = 0;
  bool failed_ = false;
};

}  // namespace sonarel::core
