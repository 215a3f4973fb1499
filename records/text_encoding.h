// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text in the client table. The program writes UTF-8 (and says so in a ".cpg" file beside
// the table); tables from dBASE tools on Windows hold Windows-1252 and usually say nothing.
// Values are cut to their field's width in bytes, never inside a character.

#include <cstddef>
#include <string>
#include <string_view>

namespace sonarel::records {

enum class TextEncoding { Utf8, Windows1252 };

// The encoding a table's code page text names (".cpg" contents, or shapelib's "LDID/n");
// nothing recognisable gives Windows-1252, what dBASE tools on Windows write.
TextEncoding encodingForCodePage(std::string_view codePage);

bool isValidUtf8(std::string_view text);
bool isAscii(std::string_view text);

std::string windows1252ToUtf8(std::string_view text);
// Characters Windows-1252 cannot hold become '?'.
std::string utf8ToWindows1252(std::string_view text);

// The longest prefix of UTF-8 `text` of at most `width` bytes that ends on a character
// boundary.
std::string fitToWidth(std::string_view text, std::size_t width);

// The number of characters (code points) in UTF-8 `text`.
std::size_t characterCount(std::string_view text);

}  // namespace sonarel::records
