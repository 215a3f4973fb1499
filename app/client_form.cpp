// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/client_form.h"

#include <cstdio>

#include "records/text_encoding.h"

namespace sonarel::app {
namespace {

using core::MessageId;

// A whole number of digits only, or nothing.
std::optional<int> digitsValue(const std::string& text) {
  if (text.empty() || text.size() > 6) return std::nullopt;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

bool within(const std::string& text, int low, int high) {
  const auto value = digitsValue(text);
  return value && *value >= low && *value <= high;
}

}  // namespace

std::array<DateField, 3> dateFieldOrder(Language language) {
  switch (language) {
    case Language::English:
      return {DateField::Month, DateField::Day, DateField::Year};
    case Language::Korean:
      return {DateField::Year, DateField::Month, DateField::Day};
    default:
      return {DateField::Day, DateField::Month, DateField::Year};
  }
}

DateFieldCheck checkDateField(DateField field, const std::string& text) {
  DateFieldCheck check;
  if (field == DateField::Year) {
    if (text.size() < 4) return check;
    check.valid = within(text, 1890, 2050);
    check.moveOn = check.valid;
    if (!check.valid) {
      check.clear = true;
      check.message = MessageId::InvalidYearRange;
    }
    return check;
  }
  const int high = field == DateField::Day ? 31 : 12;
  if (text.size() < 2) {
    check.valid = within(text, 1, 9);
    return check;
  }
  check.valid = within(text, 1, high);
  check.moveOn = check.valid;
  if (!check.valid) {
    check.clear = true;
    check.message = field == DateField::Day ? MessageId::InvalidDay : MessageId::InvalidMonth;
  }
  return check;
}

std::string limitToField(const std::string& text, FieldLimit limit) {
  std::string cut = records::fitToWidth(text, static_cast<std::size_t>(limit.bytes));
  while (records::characterCount(cut) > static_cast<std::size_t>(limit.characters)) {
    cut = records::fitToWidth(cut, cut.size() - 1);
  }
  return cut;
}

ClientForm formOfRecord(const records::ClientRecord& r) {
  ClientForm form;
  form.name = r.name;
  form.type = r.type >= 0 && r.type <= 3 ? r.type : -1;
  if (r.birthDate.size() > 2) {
    form.day = r.birthDate.substr(0, 2);
    form.month = r.birthDate.substr(2, 2);
    form.year = r.birthDate.substr(4, 4);
    form.dayValid = form.monthValid = form.yearValid = true;
  }
  form.address = r.address;
  form.city = r.city;
  form.state = r.state;
  form.zip = r.zip;
  form.homePhone = r.homePhone;
  form.workPhone = r.workPhone;
  form.observations = r.observations;
  return form;
}

std::variant<records::ClientRecord, FormRefusal> recordOfForm(const ClientForm& form, int code) {
  records::ClientRecord r;
  r.code = code;
  r.name = limitToField(form.name, kNameLimit);
  if (records::characterCount(r.name) < 3)
    return FormRefusal{MessageId::NeedClientName, FormFocus::Name};
  if (form.type < 0 || form.type > 3)
    return FormRefusal{MessageId::NeedClientType, FormFocus::Type};
  r.type = form.type;
  if (form.dayValid && form.monthValid && !form.yearValid) {
    return FormRefusal{MessageId::YearNeedsFourDigits, FormFocus::Year};
  }
  if (form.dayValid && form.monthValid && form.yearValid) {
    if (!within(form.day, 1, 31)) return FormRefusal{MessageId::InvalidDay, FormFocus::Day};
    if (!within(form.month, 1, 12)) return FormRefusal{MessageId::InvalidMonth, FormFocus::Month};
    if (!within(form.year, 1890, 2050)) return FormRefusal{MessageId::InvalidYear, FormFocus::Year};
    char date[16];
    std::snprintf(date, sizeof date, "%02d%02d%04d", *digitsValue(form.day),
                  *digitsValue(form.month), *digitsValue(form.year));
    r.birthDate = date;
  }
  r.address = limitToField(form.address, kAddressLimit);
  r.city = limitToField(form.city, kCityLimit);
  r.state = limitToField(form.state, kStateLimit);
  r.zip = limitToField(form.zip, kZipLimit);
  r.homePhone = limitToField(form.homePhone, kPhoneLimit);
  r.workPhone = limitToField(form.workPhone, kPhoneLimit);
  r.observations = limitToField(form.observations, kObservationsLimit);
  return r;
}

}  // namespace sonarel::app
