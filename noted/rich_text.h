// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Rich Text for the notes: a document of paragraphs with bold and italic runs written as
// RTF (Windows-1252 letters as hexadecimal escapes, others as Unicode escapes), and RTF read
// back into such a document. The header stays short, so the file list's preview finds the
// first paragraph within the bytes it reads.

#include <QByteArray>
#include <QTextDocument>

namespace sonarel::noted {

QByteArray toRtf(const QTextDocument& document);

// Fills `document` from RTF: paragraphs, bold and italic; other formatting and the header's
// tables are passed over. Text that is not RTF at all is taken as plain text.
void fromRtf(const QByteArray& rtf, QTextDocument& document);

}  // namespace sonarel::noted
