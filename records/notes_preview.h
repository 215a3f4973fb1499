// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The first paragraph of a Rich Text notes document as plain text, for the file list. Only
// the start of the document is read; control words and group braces are dropped, escaped
// braces and backslashes kept, the accented letters of the Latin hexadecimal escapes and
// Unicode escapes turned into letters, and a hyperlink's field instruction skipped.

#include <string>
#include <string_view>

namespace sonarel::records {

// Bytes of a notes document the preview looks at.
constexpr std::size_t kPreviewBytes = 300;

// The preview of `rtf` (its first kPreviewBytes bytes count), UTF-8. Ends with "\n" when the
// paragraph ended within them; empty without a "\pard".
std::string notesPreview(std::string_view rtf);

// The preview of the document at `path`; empty when it cannot be read.
std::string notesPreviewOfFile(const std::string& path);

}  // namespace sonarel::records
