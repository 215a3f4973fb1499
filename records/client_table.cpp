// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/client_table.h"

#include <sys/stat.h>

#include <cctype>
#include <filesystem>

#include "records/dbf_file.h"
#include "records/table_lock.h"

namespace sonarel::records {
namespace {

using core::Message;
using core::MessageId;

constexpr int kMaxCode = 9999;

TableResult failed(MessageId id) {
  return {-1, Message{id}};
}

// The code of a "CODIGO=n" filter (blanks allowed around each part, field name in any
// case); nothing for any other expression.
std::optional<int> codeOfFilter(const std::string& filter) {
  std::size_t i = 0;
  auto skipBlanks = [&] {
    while (i < filter.size() && filter[i] == ' ') ++i;
  };
  skipBlanks();
  const std::string field = "CODIGO";
  for (char expected : field) {
    if (i >= filter.size() || std::toupper(static_cast<unsigned char>(filter[i])) != expected) {
      return std::nullopt;
    }
    ++i;
  }
  skipBlanks();
  if (i >= filter.size() || filter[i] != '=') return std::nullopt;
  ++i;
  skipBlanks();
  const std::size_t start = i;
  if (i < filter.size() && filter[i] == '-') ++i;
  while (i < filter.size() && std::isdigit(static_cast<unsigned char>(filter[i]))) ++i;
  if (i == start || (i == start + 1 && filter[start] == '-')) return std::nullopt;
  const std::string digits = filter.substr(start, i - start);
  skipBlanks();
  if (i != filter.size() || digits.size() > 9) return std::nullopt;
  return std::stoi(digits);
}

// Files a killed writer left behind; only ever removed under the lock.
void removeStaleTemporaries(const std::string& path) {
  const std::string prefix = temporaryPrefixFor(path);
  const std::filesystem::path folder = std::filesystem::path(prefix).parent_path();
  const std::string start = std::filesystem::path(prefix).filename().string();
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    const std::string name = entry.path().filename().string();
    if (name.starts_with(start) && name.ends_with(".dbf")) {
      std::filesystem::remove(entry.path(), error);
    }
  }
}

}  // namespace

const std::array<TableField, 11>& clientTableSchema() {
  static const std::array<TableField, 11> schema = {{{"CODIGO", 'N', 4},
                                                     {"NOME", 'C', 60},
                                                     {"TIPO", 'N', 4},
                                                     {"DATANASC", 'C', 12},
                                                     {"ENDERECO", 'C', 60},
                                                     {"CIDADE", 'C', 30},
                                                     {"ESTADO", 'C', 4},
                                                     {"CEP", 'C', 12},
                                                     {"FONER", 'C', 14},
                                                     {"FONEC", 'C', 14},
                                                     {"OBS", 'C', 100}}};
  return schema;
}

std::string codeFilter(int code) {
  return "CODIGO=" + std::to_string(code);
}

ClientTable::ClientTable(std::string path) : path_(std::move(path)) {}

bool ClientTable::exists() const {
  struct stat info {};
  return stat(path_.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string ClientTable::codePagePath() const {
  std::string stem = path_;
  const auto slash = stem.rfind('/');
  const auto dot = stem.rfind('.');
  if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) stem.resize(dot);
  return stem + ".cpg";
}

std::optional<ClientRecord> ClientTable::find(int code) const {
  for (const ClientRecord& r : list_) {
    if (r.code == code) return r;
  }
  return std::nullopt;
}

TableResult ClientTable::create() {
  TableLock lock(path_);
  if (!lock.held()) return failed(MessageId::TableInUse);
  if (exists()) return {1, std::nullopt};
  removeStaleTemporaries(path_);
  if (!writeTableFile(path_, codePagePath(), {})) return failed(MessageId::TableNotWritten);
  list_.clear();
  return {1, std::nullopt};
}

TableResult ClientTable::load(const std::string& filter) {
  std::optional<int> code;
  if (filter.find_first_not_of(' ') != std::string::npos) {
    code = codeOfFilter(filter);
    if (!code) return failed(MessageId::ErrorAccessingDatabase);
  }
  TableRows rows;
  if (auto failure = readTableFile(path_, rows)) return {-1, failure};
  encoding_ = rows.encoding;
  list_.clear();
  int lastMatch = 0;
  for (std::size_t i = 0; i < rows.records.size(); ++i) {
    if (code && rows.records[i].code != *code) continue;
    list_.push_back(rows.records[i]);
    lastMatch = rows.numbers[i];
  }
  if (code) return {lastMatch, std::nullopt};
  return {list_.empty() ? 0 : 1, std::nullopt};
}

TableResult ClientTable::append(const ClientRecord& record) {
  if (record.code < 1 || record.code > kMaxCode) return failed(MessageId::ErrorAccessingDatabase);
  TableLock lock(path_);
  if (!lock.held()) return failed(MessageId::TableInUse);
  TableRows rows;
  if (auto failure = readTableFile(path_, rows)) return {-1, failure};
  for (const ClientRecord& r : rows.records) {
    if (r.code == record.code) return failed(MessageId::ErrorAccessingDatabase);
  }
  rows.records.push_back(record);
  return rewrite(rows.records);
}

// Writes the whole table anew (always UTF-8) and adopts it as the loaded list.
TableResult ClientTable::rewrite(const std::vector<ClientRecord>& records) {
  removeStaleTemporaries(path_);
  if (!writeTableFile(path_, codePagePath(), records)) return failed(MessageId::TableNotWritten);
  list_ = records;
  for (ClientRecord& r : list_) r = asStored(r);
  encoding_ = TextEncoding::Utf8;
  return {1, std::nullopt};
}

TableResult ClientTable::update(int recordNumber, const ClientRecord& record) {
  return change(recordNumber, record.code, &record);
}

TableResult ClientTable::remove(int recordNumber, int code) {
  return change(recordNumber, code, nullptr);
}

TableResult ClientTable::change(int recordNumber, int code, const ClientRecord* replacement) {
  TableLock lock(path_);
  if (!lock.held()) return failed(MessageId::TableInUse);
  TableRows rows;
  if (auto failure = readTableFile(path_, rows)) {
    if (failure->id == MessageId::TableNotFound) list_.clear();
    return {-1, failure};
  }
  // Only the row the lookup found, still holding the client it found there, is touched.
  std::size_t index = rows.records.size();
  for (std::size_t i = 0; i < rows.records.size(); ++i) {
    if (rows.numbers[i] == recordNumber) index = i;
  }
  if (index == rows.records.size() || rows.records[index].code != code) {
    return failed(MessageId::ErrorAccessingDatabase);
  }
  if (replacement) {
    rows.records[index] = *replacement;
  } else {
    rows.records.erase(rows.records.begin() + static_cast<std::ptrdiff_t>(index));
  }
  return rewrite(rows.records);
}

TableResult ClientTable::updateClient(const ClientRecord& record) {
  TableResult found = load(codeFilter(record.code));
  if (!found.ok()) return found;
  if (found.value <= 0) return failed(MessageId::ErrorAccessingDatabase);
  return update(found.value, record);
}

TableResult ClientTable::removeClient(int code) {
  TableResult found = load(codeFilter(code));
  if (!found.ok()) return found;
  if (found.value <= 0) return failed(MessageId::ErrorAccessingDatabase);
  return remove(found.value, code);
}

}  // namespace sonarel::records
