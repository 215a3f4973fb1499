// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The client register: the dBASE table "pacb.dbf" with its 11 fields, read and written
// through shapelib. Nothing stays open between operations. Every change rewrites the whole
// table into a temporary file beside it, reads that back, and renames it into place, so
// the file on disk is always a complete table (deleted rows are packed away on the way);
// a lock file keeps two programs from rewriting it at once. Text is written as UTF-8 with
// a "pacb.cpg" saying so; tables without one are read as Windows-1252 unless all their
// text is valid UTF-8.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/message.h"
#include "records/client_record.h"
#include "records/text_encoding.h"

namespace sonarel::records {

struct TableField {
  const char* name;
  char type;  // 'N' numeric, 'C' character
  int width;
};

// CODIGO N4, NOME C60, TIPO N4, DATANASC C12, ENDERECO C60, CIDADE C30, ESTADO C4,
// CEP C12, FONER C14, FONEC C14, OBS C100.
const std::array<TableField, 11>& clientTableSchema();

// The result of a table operation: its value, or -1 and the message to show.
struct TableResult {
  int value = -1;
  std::optional<core::Message> failure;

  bool ok() const { return !failure; }
};

class ClientTable {
 public:
  explicit ClientTable(std::string path);

  const std::string& path() const { return path_; }
  bool exists() const;

  // Creates an empty table with the schema (and its .cpg). An existing table is left as
  // it is: creating never wipes a register.
  TableResult create();

  // Reads every record (no filter or an empty one) or those matching "CODIGO=n" (blanks
  // around "=" allowed) into the list. Without a filter the value is 1 when a record was
  // read, else 0; with one it is the record number of the last match, 0 for none.
  TableResult load(const std::string& filter = {});

  // Adds the record at the end. Refused when its code is outside 1 to 9999 or already in
  // the table (two clients never share a code, and so a folder).
  TableResult append(const ClientRecord& record);
  // Replaces the record at `recordNumber` (1-based, as a filtered load gives it). Refused
  // unless that row exists and holds `record.code`: a failed lookup never changes another
  // client.
  TableResult update(int recordNumber, const ClientRecord& record);
  // Removes the record at `recordNumber`, which must hold `code`, and packs the table.
  TableResult remove(int recordNumber, int code);

  // The lookup by code, then the change at the row it found (refused, as above, if another
  // program moved the row in between).
  TableResult updateClient(const ClientRecord& record);
  TableResult removeClient(int code);

  // The records of the last load (or of the table after the last change), in file order.
  const std::vector<ClientRecord>& list() const { return list_; }
  int count() const { return static_cast<int>(list_.size()); }
  // The record with `code` in the list.
  std::optional<ClientRecord> find(int code) const;
  // How the text of the last table read was encoded.
  TextEncoding lastEncoding() const { return encoding_; }

  // ".cpg" beside the table.
  std::string codePagePath() const;

 private:
  struct Rows;
  TableResult change(int recordNumber, int code, const ClientRecord* replacement);
  TableResult rewrite(const std::vector<ClientRecord>& records);

  std::string path_;
  std::vector<ClientRecord> list_;
  TextEncoding encoding_ = TextEncoding::Utf8;
};

// "CODIGO=%d".
std::string codeFilter(int code);

}  // namespace sonarel::records
