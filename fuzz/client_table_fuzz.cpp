// SPDX-License-Identifier: GPL-3.0-or-later
// Outside bytes as the client table: the dBASE layer, the record decoding and the guess of
// the text encoding.
#include <cstdint>

#include "fuzz/scratch_file.h"
#include "records/dbf_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string path = sonarel::fuzz::writeScratch("pacb.dbf", data, size);
  sonarel::records::TableRows rows;
  if (!sonarel::records::readTableFile(path, rows)) {
    if (rows.records.size() != rows.numbers.size()) __builtin_trap();
    if (static_cast<int>(rows.records.size()) > rows.recordCount) __builtin_trap();
  }
  return 0;
}
