// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Client records and tables for the register's tests, and a way to write a table the way
// another dBASE tool would (any schema, raw bytes, no .cpg).

#include <shapefil.h>

#include <string>
#include <vector>

#include "records/client_table.h"
#include "records/tests/folder_fixtures.h"

namespace sonarel::testing {

inline records::ClientRecord client(int code, std::string name, int type = 0) {
  records::ClientRecord r;
  r.code = code;
  r.name = std::move(name);
  r.type = type;
  r.birthDate = "07021974";
  r.city = "Lisboa";
  r.observations = "first visit";
  return r;
}

struct RawField {
  const char* name;
  DBFFieldType type;
  int width;
};

inline std::vector<RawField> clientFields() {
  std::vector<RawField> fields;
  for (const auto& column : records::clientTableSchema()) {
    fields.push_back({column.name, column.type == 'N' ? FTInteger : FTString, column.width});
  }
  return fields;
}

// Writes a table with `fields` and rows of raw field texts (bytes as given), no .cpg and
// language byte 0, as an old tool on Windows would leave it.
inline void writeForeignTable(const std::string& path, const std::vector<RawField>& fields,
                              const std::vector<std::vector<std::string>>& rows) {
  DBFHandle dbf = DBFCreateEx(path.c_str(), "LDID/0");
  for (const RawField& f : fields) DBFAddField(dbf, f.name, f.type, f.width, 0);
  for (std::size_t r = 0; r < rows.size(); ++r) {
    for (std::size_t f = 0; f < rows[r].size(); ++f) {
      const int row = static_cast<int>(r), field = static_cast<int>(f);
      if (fields[f].type == FTInteger) {
        DBFWriteIntegerAttribute(dbf, row, field, std::stoi(rows[r][f]));
      } else {
        DBFWriteStringAttribute(dbf, row, field, rows[r][f].c_str());
      }
    }
  }
  DBFClose(dbf);
}

// The fields of a client row as raw texts, for writeForeignTable.
inline std::vector<std::string> rawRow(int code, const std::string& name, int type = 0) {
  return {std::to_string(code), name, std::to_string(type), "", "", "", "", "", "", "", ""};
}

}  // namespace sonarel::testing
