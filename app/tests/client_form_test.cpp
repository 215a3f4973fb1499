// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/client_form.h"

#include <gtest/gtest.h>

namespace sonarel::app {
namespace {

using core::MessageId;

ClientForm named(const std::string& name, int type = 1) {
  ClientForm form;
  form.name = name;
  form.type = type;
  return form;
}

ClientForm dated(std::string day, std::string month, std::string year) {
  ClientForm form = named("Maria");
  form.day = std::move(day);
  form.month = std::move(month);
  form.year = std::move(year);
  form.dayValid = checkDateField(DateField::Day, form.day).valid;
  form.monthValid = checkDateField(DateField::Month, form.month).valid;
  form.yearValid = checkDateField(DateField::Year, form.year).valid;
  return form;
}

std::optional<MessageId> refusalOf(const ClientForm& form) {
  const auto result = recordOfForm(form, 1);
  if (const auto* refusal = std::get_if<FormRefusal>(&result)) return refusal->message;
  return std::nullopt;
}

std::string birthDateOf(const ClientForm& form) {
  return std::get<records::ClientRecord>(recordOfForm(form, 1)).birthDate;
}

TEST(ClientForm, NeedsANameOfThreeCharactersAndAType) {
  EXPECT_EQ(refusalOf(named("Jo")), MessageId::NeedClientName);
  EXPECT_EQ(refusalOf(named("  ")), MessageId::NeedClientName);
  EXPECT_EQ(refusalOf(named("김민")), MessageId::NeedClientName);  // 2 characters, 6 bytes
  EXPECT_EQ(refusalOf(named("Ana", -1)), MessageId::NeedClientType);
  const auto stored = recordOfForm(named("Ana", 3), 42);
  const auto& record = std::get<records::ClientRecord>(stored);
  EXPECT_EQ(record.code, 42);
  EXPECT_EQ(record.type, 3);
  EXPECT_EQ(record.birthDate, "");  // no date given: stored empty
}

TEST(ClientForm, BirthDatesAreCheckedAndStoredAsDayMonthYear) {
  EXPECT_EQ(birthDateOf(dated("7", "2", "1974")), "07021974");
  EXPECT_EQ(birthDateOf(dated("31", "02", "1974")), "31021974");  // no calendar check
  EXPECT_EQ(birthDateOf(dated("01", "01", "1890")), "01011890");
  EXPECT_EQ(birthDateOf(dated("01", "01", "2050")), "01012050");
  EXPECT_EQ(refusalOf(dated("7", "2", "74")), MessageId::YearNeedsFourDigits);
  // Only the day: not all valid, so no date at all.
  EXPECT_EQ(birthDateOf(dated("12", "", "")), "");
  // Flags claiming validity are not trusted: the fields are read again.
  ClientForm lying = dated("7", "2", "1974");
  lying.year = "2051";
  EXPECT_EQ(refusalOf(lying), MessageId::InvalidYear);
  lying = dated("7", "2", "1974");
  lying.month = "13";
  EXPECT_EQ(refusalOf(lying), MessageId::InvalidMonth);
}

TEST(ClientForm, DateFieldsJudgeEachChangeAsItIsTyped) {
  const auto day = [](const char* text) { return checkDateField(DateField::Day, text); };
  const auto year = [](const char* text) { return checkDateField(DateField::Year, text); };
  EXPECT_TRUE(day("7").valid);
  EXPECT_FALSE(day("7").moveOn);
  EXPECT_FALSE(day("0").valid);
  EXPECT_FALSE(day("").valid);
  EXPECT_TRUE(day("31").moveOn);
  EXPECT_EQ(day("32").message, MessageId::InvalidDay);
  EXPECT_TRUE(day("32").clear);
  EXPECT_EQ(checkDateField(DateField::Month, "13").message, MessageId::InvalidMonth);
  EXPECT_TRUE(checkDateField(DateField::Month, "12").moveOn);
  EXPECT_FALSE(year("197").valid);
  EXPECT_FALSE(year("197").message);
  EXPECT_TRUE(year("1890").moveOn);
  EXPECT_EQ(year("1889").message, MessageId::InvalidYearRange);
  EXPECT_TRUE(year("2051").clear);

  EXPECT_EQ(dateFieldOrder(Language::English)[0], DateField::Month);
  EXPECT_EQ(dateFieldOrder(Language::Korean)[0], DateField::Year);
  EXPECT_EQ(dateFieldOrder(Language::Portuguese)[0], DateField::Day);
}

TEST(ClientForm, TextsAreKeptWithinTheirFieldsWholeCharactersOnly) {
  EXPECT_EQ(limitToField(std::string(70, 'a'), kNameLimit), std::string(59, 'a'));
  // 25 Korean characters are 75 bytes: 20 fit the 60-byte field.
  std::string korean;
  for (int i = 0; i < 25; ++i) korean += "가";
  EXPECT_EQ(limitToField(korean, kNameLimit).size(), 60u);
  EXPECT_EQ(limitToField("ÃÃÃ", kStateLimit), "ÃÃ");  // 3 characters would be 6 bytes

  records::ClientRecord stored;
  stored.name = "Inês";
  stored.type = 1;
  stored.birthDate = "07021974";
  const ClientForm form = formOfRecord(stored);
  EXPECT_EQ(form.day, "07");
  EXPECT_EQ(form.month, "02");
  EXPECT_EQ(form.year, "1974");
  EXPECT_TRUE(form.dayValid && form.monthValid && form.yearValid);
  EXPECT_EQ(std::get<records::ClientRecord>(recordOfForm(form, 3)).birthDate, "07021974");
}

}  // namespace
}  // namespace sonarel::app
