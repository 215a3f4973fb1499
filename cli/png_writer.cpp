// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/png_writer.h"

#include <algorithm>
#include <array>

namespace sonarel::cli {

namespace {

std::uint32_t crc32(const std::string& bytes, std::size_t from) {
  static const std::array<std::uint32_t, 256> table = [] {
    std::array<std::uint32_t, 256> t{};
    for (std::uint32_t n = 0; n < 256; ++n) {
      std::uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = (c & 1u) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[n] = c;
    }
    return t;
  }();
  std::uint32_t c = 0xFFFFFFFFu;
  for (std::size_t i = from; i < bytes.size(); ++i)
    c = table[(c ^ static_cast<std::uint8_t>(bytes[i])) & 0xFFu] ^ (c >> 8);
  return c ^ 0xFFFFFFFFu;
}

void putBigEndian(std::string& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((value >> shift) & 0xFFu);
}

void putChunk(std::string& out, const char* type, const std::string& data) {
  putBigEndian(out, static_cast<std::uint32_t>(data.size()));
  const std::size_t typeAt = out.size();
  out.append(type, 4);
  out += data;
  putBigEndian(out, crc32(out, typeAt));
}

// A zlib stream of stored blocks (at most 65535 bytes each) with its Adler-32 check.
std::string storedZlib(const std::string& raw) {
  std::string out = "\x78\x01";
  std::size_t at = 0;
  do {
    const std::size_t length = std::min<std::size_t>(65535, raw.size() - at);
    const bool last = at + length == raw.size();
    out += static_cast<char>(last ? 1 : 0);
    out += static_cast<char>(length & 0xFFu);
    out += static_cast<char>(length >> 8);
    out += static_cast<char>(~length & 0xFFu);
    out += static_cast<char>((~length >> 8) & 0xFFu);
    out.append(raw, at, length);
    at += length;
  } while (at < raw.size());
  std::uint32_t a = 1, b = 0;
  for (const char byte : raw) {
    a = (a + static_cast<std::uint8_t>(byte)) % 65521u;
    b = (b + a) % 65521u;
  }
  putBigEndian(out, (b << 16) | a);
  return out;
}

}  // namespace

std::string encodePng(int width, int height, const std::vector<std::uint8_t>& rgb) {
  std::string out = "\x89PNG\r\n\x1a\n";
  std::string header;
  putBigEndian(header, static_cast<std::uint32_t>(width));
  putBigEndian(header, static_cast<std::uint32_t>(height));
  header +=
      std::string("\x08\x02\x00\x00\x00", 5);  // 8 bits, RGB, deflate, no filter, no interlace
  putChunk(out, "IHDR", header);

  std::string raw;
  const auto rowBytes = static_cast<std::size_t>(width) * 3;
  raw.reserve((rowBytes + 1) * static_cast<std::size_t>(height));
  for (int y = 0; y < height; ++y) {
    raw += '\0';  // filter type: none
    const auto* row = rgb.data() + static_cast<std::size_t>(y) * rowBytes;
    raw.append(reinterpret_cast<const char*>(row), rowBytes);
  }
  putChunk(out, "IDAT", storedZlib(raw));
  putChunk(out, "IEND", {});
  return out;
}

}  // namespace sonarel::cli
