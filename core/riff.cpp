// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/riff.h"

#include <sys/stat.h>
#include <algorithm>
#include <array>
#include <limits>

#include "core/regular_file.h"

namespace sonarel::core {
namespace {

constexpr FourCC kRiff = makeFourCC("RIFF");
constexpr FourCC kList = makeFourCC("LIST");
constexpr std::size_t kReadBuffer = 1 << 16;

std::uint32_t littleEndian32(const std::uint8_t* bytes) {
  return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
         static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

void putLittleEndian32(std::uint8_t* bytes, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

}  // namespace

std::unique_ptr<RiffReader> RiffReader::open(const std::string& path) {
  FilePtr file(openRegularFileStream(path));
  if (!file) return nullptr;
  struct stat info {};
  if (fstat(fileno(file.get()), &info) != 0 || !S_ISREG(info.st_mode)) return nullptr;
  std::setvbuf(file.get(), nullptr, _IOFBF, kReadBuffer);
  return std::unique_ptr<RiffReader>(
      new RiffReader(std::move(file), static_cast<std::uint64_t>(info.st_size)));
}

RiffReader::RiffReader(FilePtr file, std::uint64_t size)
    : file_(std::move(file)), fileSize_(size) {}

bool RiffReader::seek(std::uint64_t offset) {
  if (offset > fileSize_) return false;
  if (offset > static_cast<std::uint64_t>(std::numeric_limits<long>::max())) return false;
  if (std::fseek(file_.get(), static_cast<long>(offset), SEEK_SET) != 0) return false;
  position_ = offset;
  return true;
}

std::size_t RiffReader::read(std::span<std::uint8_t> bytes) {
  const std::size_t got = std::fread(bytes.data(), 1, bytes.size(), file_.get());
  position_ += got;
  return got;
}

std::uint64_t RiffReader::available(const RiffChunk& chunk) const {
  return chunk.end > position_ ? chunk.end - position_ : 0;
}

bool RiffReader::readHeader(RiffChunk& chunk, std::uint64_t limit) {
  std::array<std::uint8_t, 8> header{};
  if (position_ + header.size() > limit || read(header) != header.size()) return false;
  chunk.id = littleEndian32(header.data());
  chunk.size = littleEndian32(header.data() + 4);
  chunk.formType = 0;
  chunk.dataOffset = position_;
  chunk.end = std::min<std::uint64_t>(position_ + chunk.size, limit);
  return true;
}

bool RiffReader::descendRiff(RiffChunk& riff) {
  if (!readHeader(riff, fileSize_) || riff.id != kRiff) return false;
  std::array<std::uint8_t, 4> form{};
  if (available(riff) < form.size() || read(form) != form.size()) return false;
  riff.formType = littleEndian32(form.data());
  return true;
}

bool RiffReader::descend(RiffChunk& chunk, const RiffChunk& parent, FourCC id) {
  while (position_ < parent.end) {
    if (!readHeader(chunk, parent.end)) return false;
    if (chunk.id == id) {
      if (id == kList || id == kRiff) {
        std::array<std::uint8_t, 4> form{};
        if (available(chunk) < form.size() || read(form) != form.size()) return false;
        chunk.formType = littleEndian32(form.data());
      }
      return true;
    }
    if (!ascend(chunk)) return false;
  }
  return false;
}

bool RiffReader::ascend(const RiffChunk& chunk) {
  const std::uint64_t padded = chunk.dataOffset + chunk.size + (chunk.size & 1u);
  return seek(std::min(padded, fileSize_));
}

bool RiffWriter::write(std::span<const std::uint8_t> bytes) {
  if (failed_) return false;
  if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) {
    failed_ = true;
    return false;
  }
  position_ += bytes.size();
  return true;
}

bool RiffWriter::createChunk(RiffChunk& chunk, FourCC id, FourCC formType) {
  std::array<std::uint8_t, 12> header{};
  putLittleEndian32(header.data(), id);
  const bool hasForm = id == kRiff || id == kList;
  if (hasForm) putLittleEndian32(header.data() + 8, formType);
  chunk.id = id;
  chunk.formType = hasForm ? formType : 0;
  chunk.size = 0;
  chunk.dataOffset = position_ + 8;
  return write(std::span(header).first(hasForm ? 12 : 8));
}

bool RiffWriter::ascend(RiffChunk& chunk) {
  if (failed_) return false;
  const std::uint64_t size = position_ - chunk.dataOffset;
  if (size > std::numeric_limits<std::uint32_t>::max()) {
    failed_ = true;
    return false;
  }
  chunk.size = static_cast<std::uint32_t>(size);
  chunk.end = position_;
  if (size & 1u) {
    const std::uint8_t pad = 0;
    if (!write(std::span(&pad, 1))) return false;
  }
  std::array<std::uint8_t, 4> field{};
  putLittleEndian32(field.data(), chunk.size);
  const long sizeOffset = static_cast<long>(chunk.dataOffset - 4);
  const long back = static_cast<long>(position_);
  if (std::fseek(file_, sizeOffset, SEEK_SET) != 0 ||
      std::fwrite(field.data(), 1, field.size(), file_) != field.size() ||
      std::fseek(file_, back, SEEK_SET) != 0) {
    failed_ = true;
    return false;
  }
  return true;
}

}  // namespace sonarel::core
