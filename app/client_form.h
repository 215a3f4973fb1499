// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Client" dialog's rules without the widgets: what each birth-date field does while
// the user types, the order of the three fields in each language, and the checks that
// turn the typed form into a record to store.

#include <array>
#include <optional>
#include <string>
#include <variant>

#include "app/config_files.h"
#include "core/message.h"
#include "records/client_record.h"

namespace sonarel::app {

enum class DateField { Day, Month, Year };

// English month, day, year; Korean year, month, day; the others day, month, year.
std::array<DateField, 3> dateFieldOrder(Language language);

// What a date field does after a change of its text.
struct DateFieldCheck {
  bool valid = false;
  bool moveOn = false;  // the field is complete: focus goes to the next one
  bool clear = false;   // the text is refused and emptied
  std::optional<core::MessageId> message;
};

// Day: two digits 1 to 31 (month 1 to 12) are valid and complete, others refused; one
// digit 1 to 9 is valid. Year: four digits 1890 to 2050 are valid and complete, others
// refused; fewer digits are not valid.
DateFieldCheck checkDateField(DateField field, const std::string& text);

// Characters each text field takes (one less than its width); the table's widths in bytes
// bound them too.
struct FieldLimit {
  int characters;
  int bytes;
};
constexpr FieldLimit kNameLimit{59, 60};
constexpr FieldLimit kAddressLimit{59, 60};
constexpr FieldLimit kCityLimit{29, 30};
constexpr FieldLimit kStateLimit{3, 4};
constexpr FieldLimit kZipLimit{11, 12};
constexpr FieldLimit kPhoneLimit{13, 14};
constexpr FieldLimit kObservationsLimit{99, 100};

// The longest start of UTF-8 `text` within `limit`.
std::string limitToField(const std::string& text, FieldLimit limit);

struct ClientForm {
  std::string name;
  int type = -1;  // -1: no choice made
  std::string day, month, year;
  bool dayValid = false, monthValid = false, yearValid = false;
  std::string address, city, state, zip, homePhone, workPhone, observations;
};

// The form of a stored record (change mode): a stored birth date fills the three fields,
// all valid.
ClientForm formOfRecord(const records::ClientRecord& record);

enum class FormFocus { Name, Type, Day, Month, Year };
struct FormRefusal {
  core::MessageId message;
  FormFocus focus;
};

// The record to store for client `code`, or why the dialog stays open.
std::variant<records::ClientRecord, FormRefusal> recordOfForm(const ClientForm& form, int code);

}  // namespace sonarel::app
