// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One client of the register, as read from and written to a row of the client table, and
// what the client's type decides: the F0 search range and the recording rate.

#include <optional>
#include <string>

namespace sonarel::records {

// 0 Man, 1 Woman, 2 Child, 3 Singer.
enum class ClientType : int { Man = 0, Woman = 1, Child = 2, Singer = 3 };

struct ClientRecord {
  int code = -1;  // -1: no client
  std::string name;
  int type = 0;           // a ClientType value; other values are kept as read
  std::string birthDate;  // DDMMYYYY, or empty
  std::string address;
  std::string city;
  std::string state;
  std::string zip;
  std::string homePhone;
  std::string workPhone;
  std::string observations;

  bool operator==(const ClientRecord&) const = default;
};

struct TypeSettings {
  int f0Minimum;      // Hz
  int f0Maximum;      // Hz
  int recordingRate;  // Hz
};

// What files of a client of this type are analysed and recorded with; nothing for a type
// value outside 0 to 3.
std::optional<TypeSettings> settingsForType(int type);

}  // namespace sonarel::records
