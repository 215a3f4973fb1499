// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading and writing the client table's file through shapelib: the raw rows with their
// record numbers, decoded to UTF-8, and a complete rewrite that only replaces the file once
// the new one has been read back intact.

#include <optional>
#include <string>
#include <vector>

#include "core/message.h"
#include "records/client_record.h"
#include "records/text_encoding.h"

namespace sonarel::records {

struct TableRows {
  std::vector<ClientRecord> records;  // live rows, in file order
  std::vector<int> numbers;           // their 1-based record numbers
  int recordCount = 0;                // every row of the file, deleted ones included
  TextEncoding encoding = TextEncoding::Utf8;
};

// Reads the table; the failure is "Error - File not Found" or "Error - Invalid File".
std::optional<core::Message> readTableFile(const std::string& path, TableRows& rows);

// Replaces the table by one holding `records` (UTF-8, fields cut to their widths on a
// character boundary), then writes the ".cpg". False, with the old table untouched, when
// any step fails.
bool writeTableFile(const std::string& path, const std::string& codePagePath,
                    const std::vector<ClientRecord>& records);

// Where a rewrite of `path` by this process is written first ("pacb-tmp-PID.dbf"), and
// the start that every such name shares (a killed writer may leave one behind).
std::string temporaryPathFor(const std::string& path);
std::string temporaryPrefixFor(const std::string& path);

// A record as it will read back once stored: every text cut to its field's width and
// stripped of trailing blanks.
ClientRecord asStored(const ClientRecord& record);

}  // namespace sonarel::records
