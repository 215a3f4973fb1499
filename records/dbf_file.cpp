// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/dbf_file.h"

#include <fcntl.h>
#include <shapefil.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdarg>
#include <cstdlib>
#include <ctime>
#include <memory>

#include "core/atomic_file.h"
#include "core/regular_file.h"
#include "records/client_table.h"

namespace sonarel::records {
namespace {

using core::Message;
using core::MessageId;

// shapelib reports its errors through this hook; the results say enough.
void quietError(const char*) {}

SAHooks quietHooks() {
  SAHooks hooks;
  SASetupDefaultHooks(&hooks);
  hooks.Error = quietError;
  return hooks;
}

struct Closer {
  void operator()(DBFInfo* handle) const { DBFClose(handle); }
};
using Dbf = std::unique_ptr<DBFInfo, Closer>;

Dbf openDbf(const std::string& path) {
  SAHooks hooks = quietHooks();
  return Dbf(DBFOpenLL(path.c_str(), "rb", &hooks));
}

std::string* textMember(ClientRecord& r, int field) {
  switch (field) {
    case 1:
      return &r.name;
    case 3:
      return &r.birthDate;
    case 4:
      return &r.address;
    case 5:
      return &r.city;
    case 6:
      return &r.state;
    case 7:
      return &r.zip;
    case 8:
      return &r.homePhone;
    case 9:
      return &r.workPhone;
    case 10:
      return &r.observations;
    default:
      return nullptr;
  }
}

int* numberMember(ClientRecord& r, int field) {
  return field == 0 ? &r.code : field == 2 ? &r.type : nullptr;
}

std::string trimmedRight(const char* begin, int width) {
  int end = width;
  while (end > 0 && (begin[end - 1] == ' ' || begin[end - 1] == '\0')) --end;
  return std::string(begin, static_cast<std::size_t>(end));
}

int numberOf(const std::string& text) {
  return static_cast<int>(std::strtol(text.c_str(), nullptr, 10));
}

// Where each schema field lies in a raw row (the deletion flag is byte 0).
struct FieldPlace {
  int offset;
  int width;
};

std::optional<std::vector<FieldPlace>> placeFields(DBFInfo* dbf) {
  if (DBFGetFieldCount(dbf) != static_cast<int>(clientTableSchema().size())) return std::nullopt;
  std::vector<int> offsets(static_cast<std::size_t>(DBFGetFieldCount(dbf)));
  std::vector<int> widths(offsets.size());
  int offset = 1;
  for (std::size_t i = 0; i < offsets.size(); ++i) {
    char name[XBASE_FLDNAME_LEN_READ + 1] = {};
    int width = 0;
    DBFGetFieldInfo(dbf, static_cast<int>(i), name, &width, nullptr);
    offsets[i] = offset;
    widths[i] = width;
    offset += width;
  }
  std::vector<FieldPlace> places;
  for (const TableField& column : clientTableSchema()) {
    const int index = DBFGetFieldIndex(dbf, column.name);
    if (index < 0) return std::nullopt;
    places.push_back(
        {offsets[static_cast<std::size_t>(index)], widths[static_cast<std::size_t>(index)]});
  }
  return places;
}

bool fileExists(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

TextEncoding encodingOf(DBFInfo* dbf, const std::vector<ClientRecord>& raw) {
  if (const char* page = DBFGetCodePage(dbf)) return encodingForCodePage(page);
  // Neither a .cpg nor a language byte: what dBASE tools on Windows write, unless every
  // text is valid UTF-8 (our own table whose .cpg went missing, say in a copy).
  bool anyHigh = false;
  for (ClientRecord r : raw) {
    for (int f = 0; f < 11; ++f) {
      if (const std::string* text = textMember(r, f)) {
        if (!isValidUtf8(*text)) return TextEncoding::Windows1252;
        anyHigh = anyHigh || !isAscii(*text);
      }
    }
  }
  return anyHigh ? TextEncoding::Utf8 : TextEncoding::Windows1252;
}

std::string folderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? "." : path.substr(0, slash);
}

bool syncPath(const std::string& path, int flags) {
  const int fd = open(path.c_str(), flags | O_CLOEXEC);
  if (fd < 0) return false;
  const bool synced = fsync(fd) == 0;
  close(fd);
  return synced;
}

bool writeRows(const std::string& temporary, const std::vector<ClientRecord>& records) {
  SAHooks hooks = quietHooks();
  Dbf dbf(DBFCreateLL(temporary.c_str(), nullptr, &hooks));
  if (!dbf) return false;
  for (const TableField& column : clientTableSchema()) {
    if (DBFAddField(dbf.get(), column.name, column.type == 'N' ? FTInteger : FTString, column.width,
                    0) < 0) {
      return false;
    }
  }
  const std::time_t now = std::time(nullptr);
  std::tm today{};
  localtime_r(&now, &today);
  DBFSetLastModifiedDate(dbf.get(), today.tm_year, today.tm_mon + 1, today.tm_mday);
  for (std::size_t i = 0; i < records.size(); ++i) {
    ClientRecord r = records[i];
    const int row = static_cast<int>(i);
    for (int f = 0; f < 11; ++f) {
      const int width = clientTableSchema()[static_cast<std::size_t>(f)].width;
      bool written = false;
      if (int* number = numberMember(r, f)) {
        written = DBFWriteIntegerAttribute(dbf.get(), row, f, *number);
      } else {
        written = DBFWriteStringAttribute(dbf.get(), row, f,
                                          fitToWidth(*textMember(r, f), width).c_str());
      }
      if (!written) return false;
    }
  }
  return true;  // closing writes the header
}

}  // namespace

std::string temporaryPathFor(const std::string& path) {
  return temporaryPrefixFor(path) + std::to_string(getpid()) + ".dbf";
}

std::string temporaryPrefixFor(const std::string& path) {
  std::string stem = path.substr(path.rfind('/') == std::string::npos ? 0 : path.rfind('/') + 1);
  if (const auto dot = stem.rfind('.'); dot != std::string::npos) stem.resize(dot);
  return folderOf(path) + "/" + stem + "-tmp-";
}

ClientRecord asStored(const ClientRecord& record) {
  ClientRecord stored = record;
  for (int f = 0; f < 11; ++f) {
    if (std::string* text = textMember(stored, f)) {
      std::string cut = fitToWidth(*text, clientTableSchema()[static_cast<std::size_t>(f)].width);
      while (!cut.empty() && cut.back() == ' ') cut.pop_back();
      *text = cut;
    }
  }
  return stored;
}

std::optional<Message> readTableFile(const std::string& path, TableRows& rows) {
  if (!fileExists(path)) return Message{MessageId::TableNotFound};
  Dbf dbf = openDbf(path);
  // The file is there, so a table shapelib cannot open is damaged, not missing.
  if (!dbf) return Message{MessageId::TableDamaged, {path}};
  const auto places = placeFields(dbf.get());
  if (!places) return Message{MessageId::TableInvalid};
  TableRows read;
  read.recordCount = DBFGetRecordCount(dbf.get());
  for (int i = 0; i < read.recordCount; ++i) {
    const char* raw = DBFReadTuple(dbf.get(), i);
    if (!raw) return Message{MessageId::TableDamaged, {path}};  // the file ends early
    if (raw[0] == '*') continue;                                // deleted, waiting for a pack
    ClientRecord r;
    for (int f = 0; f < 11; ++f) {
      const FieldPlace place = (*places)[static_cast<std::size_t>(f)];
      std::string text = trimmedRight(raw + place.offset, place.width);
      if (int* number = numberMember(r, f)) {
        *number = numberOf(text);
      } else {
        *textMember(r, f) = std::move(text);
      }
    }
    read.records.push_back(std::move(r));
    read.numbers.push_back(i + 1);
  }
  read.encoding = encodingOf(dbf.get(), read.records);
  if (read.encoding == TextEncoding::Windows1252) {
    for (ClientRecord& r : read.records) {
      for (int f = 0; f < 11; ++f) {
        if (std::string* text = textMember(r, f)) *text = windows1252ToUtf8(*text);
      }
    }
  }
  rows = std::move(read);
  return std::nullopt;
}

bool writeTableFile(const std::string& path, const std::string& codePagePath,
                    const std::vector<ClientRecord>& records) {
  // A read-only table, or something other than a file in its place, is left alone.
  if (core::replacementRefusal(path)) return false;
  const std::string folder = folderOf(path);
  const std::string temporary = temporaryPathFor(path);
  unlink(temporary.c_str());
  std::vector<ClientRecord> expected;
  for (const ClientRecord& r : records) expected.push_back(asStored(r));
  // The new file must read back as exactly what was meant before it replaces the old one.
  TableRows check;
  const bool sound = writeRows(temporary, records) && !readTableFile(temporary, check) &&
                     check.records == expected && check.recordCount == int(records.size()) &&
                     syncPath(temporary, O_RDONLY);
  if (!sound) {
    unlink(temporary.c_str());
    return false;
  }
  // A stale .cpg naming another code page would misname the new text: it goes first, so a
  // crash at any step leaves a table that reads correctly.
  std::string current = core::readRegularFile(codePagePath, 256).value_or(std::string{});
  current.resize(std::min(current.size(), current.find_first_of("\r\n")));
  if (!current.empty() && encodingForCodePage(current) != TextEncoding::Utf8) {
    unlink(codePagePath.c_str());
  }
  if (std::rename(temporary.c_str(), path.c_str()) != 0) {
    unlink(temporary.c_str());
    return false;
  }
  syncPath(folder, O_RDONLY | O_DIRECTORY);
  if (current != "UTF-8") core::writeFileAtomically(codePagePath, "UTF-8");
  return true;
}

}  // namespace sonarel::records
