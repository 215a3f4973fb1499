// SPDX-License-Identifier: GPL-3.0-or-later
// Outside bytes as a Rich Text notes document: the preview must stay within its bytes and
// give UTF-8.
#include <cstdint>
#include <string_view>

#include "records/notes_preview.h"

namespace {

bool validUtf8(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0x80         ? 1
                               : (lead >> 5) == 6  ? 2
                               : (lead >> 4) == 14 ? 3
                               : (lead >> 3) == 30 ? 4
                                                   : 0;
    if (length == 0 || i + length > text.size()) return false;
    for (std::size_t k = 1; k < length; ++k) {
      if ((static_cast<unsigned char>(text[i + k]) >> 6) != 2) return false;
    }
    i += length;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string preview =
      sonarel::records::notesPreview(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!validUtf8(preview)) __builtin_trap();
  return 0;
}
