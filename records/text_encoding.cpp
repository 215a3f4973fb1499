// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/text_encoding.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>

namespace sonarel::records {
namespace {

// Windows-1252 bytes 0x80 to 0x9F; 0 where the code page leaves the byte undefined.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// The length of the UTF-8 sequence starting at text[i], or 0 when it is not valid.
std::size_t sequenceLength(std::string_view text, std::size_t i) {
  const auto lead = static_cast<std::uint8_t>(text[i]);
  std::size_t length = 0;
  char32_t minimum = 0;
  char32_t c = 0;
  if (lead < 0x80) return 1;
  if ((lead & 0xE0) == 0xC0) {
    length = 2, minimum = 0x80, c = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, minimum = 0x800, c = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, minimum = 0x10000, c = lead & 0x07;
  } else {
    return 0;
  }
  if (i + length > text.size()) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    const auto next = static_cast<std::uint8_t>(text[i + k]);
    if ((next & 0xC0) != 0x80) return 0;
    c = (c << 6) | (next & 0x3F);
  }
  if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
  return length;
}

std::string normalised(std::string_view codePage) {
  std::string out;
  for (char c : codePage) {
    if (std::isalnum(static_cast<unsigned char>(c))) {
      out += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
  }
  return out;
}

}  // namespace

TextEncoding encodingForCodePage(std::string_view codePage) {
  const std::string name = normalised(codePage);
  if (name == "UTF8" || name == "65001" || name == "CP65001") return TextEncoding::Utf8;
  return TextEncoding::Windows1252;
}

bool isValidUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = sequenceLength(text, i);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

bool isAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return static_cast<std::uint8_t>(c) < 0x80; });
}

std::string windows1252ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char byte : text) {
    const auto b = static_cast<std::uint8_t>(byte);
    if (b >= 0x80 && b < 0xA0) {
      const char16_t mapped = kHighControls[b - 0x80];
      appendUtf8(out, mapped ? mapped : b);
    } else {
      appendUtf8(out, b);
    }
  }
  return out;
}

std::string utf8ToWindows1252(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = sequenceLength(text, i);
    if (length == 0) {
      out += '?';
      ++i;
      continue;
    }
    char32_t c = static_cast<std::uint8_t>(text[i]);
    if (length > 1) {
      c &= 0x3F >> (length - 1);
      for (std::size_t k = 1; k < length; ++k) c = (c << 6) | (text[i + k] & 0x3F);
    }
    i += length;
    if (c < 0x80 || (c >= 0xA0 && c < 0x100)) {
      out += static_cast<char>(c);
      continue;
    }
    const auto found = std::find(kHighControls.begin(), kHighControls.end(), c);
    out += found != kHighControls.end() && c != 0
               ? static_cast<char>(0x80 + (found - kHighControls.begin()))
               : '?';
  }
  return out;
}

std::string fitToWidth(std::string_view text, std::size_t width) {
  std::size_t end = 0;
  while (end < text.size()) {
    const std::size_t length = std::max<std::size_t>(1, sequenceLength(text, end));
    if (end + length > width) break;
    end += length;
  }
  return std::string(text.substr(0, end));
}

std::size_t characterCount(std::string_view text) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < text.size(); ++count) {
    i += std::max<std::size_t>(1, sequenceLength(text, i));
  }
  return count;
}

}  // namespace sonarel::records
