// SPDX-License-Identifier: GPL-3.0-or-later
#include "spectral/vowel_targets.h"

#include <gtest/gtest.h>

namespace sonarel::spectral {
namespace {

using Rows = std::array<VowelEdit, kVowelsPerSet>;

Rows rowsOf(const VowelBlock& block) {
  Rows rows;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    rows[i] = {std::to_string(static_cast<int>(block[i].f1)),
               std::to_string(static_cast<int>(block[i].f2))};
  }
  return rows;
}

TEST(VowelTargets, DefaultsOfEverySetAndType) {
  EXPECT_EQ(DefaultVowelBlock(vowel_set::Portuguese, 0)[0].f1, 750);
  EXPECT_EQ(DefaultVowelBlock(vowel_set::Portuguese, 2)[3].f2, 3176);
  EXPECT_EQ(DefaultVowelBlock(vowel_set::Ipa, 1)[5].f2, 1220);
  EXPECT_EQ(DefaultVowelBlock(vowel_set::Korean, 1)[9].f1, 447);
  for (int set = 0; set < kVowelSets; ++set) {
    const VowelTargets targets = DefaultVowelTargets(set);
    for (int type = 0; type < kClientTypes; ++type) {
      int present = 0;
      for (int row = 0; row < kVowelsPerSet; ++row) {
        const VowelTarget& t = targets.of(type)[static_cast<std::size_t>(row)];
        present += t.present();
        // Every default target lies where the chart and the dialog's checks allow.
        if (t.present()) {
          EXPECT_TRUE(t.f1 >= 200 && t.f1 <= 1096 && t.f2 >= 600 && t.f2 <= 3200)
              << set << "/" << type << "/" << row;
          EXPECT_FALSE(VowelSymbol(set, row).empty()) << set << "/" << row;
        }
      }
      const int expected = type == 3                   ? 0
                           : set == vowel_set::Korean  ? (type == 2 ? 0 : 10)
                           : set == vowel_set::Spanish ? 5
                                                       : 7;
      EXPECT_EQ(present, expected) << "set " << set << ", type " << type;
    }
  }
  // Out-of-range arguments give no targets rather than reading past the tables.
  EXPECT_FALSE(DefaultVowelBlock(7, 0)[0].present());
  EXPECT_FALSE(DefaultVowelTargets(0).of(9)[0].present()) << "a bad type reads as the singer";
  EXPECT_TRUE(VowelSymbol(vowel_set::Ipa, 7).empty());
  EXPECT_EQ(VowelSymbol(vowel_set::Korean, 9), "ɯ");
}

TEST(VowelTargets, SetFollowsTheLanguage) {
  EXPECT_EQ(DefaultVowelSet(""), vowel_set::Ipa);
  EXPECT_EQ(DefaultVowelSet("en"), vowel_set::Ipa);
  EXPECT_EQ(DefaultVowelSet("es"), vowel_set::Spanish);
  EXPECT_EQ(DefaultVowelSet("ko"), vowel_set::Korean);
  EXPECT_EQ(DefaultVowelSet("pt"), vowel_set::Portuguese);
}

TEST(ValidateVowelEdits, AcceptsTheDefaultsAndTheBounds) {
  for (int set = 0; set < kVowelSets; ++set) {
    const VowelBlock block = DefaultVowelBlock(set, 0);
    const auto checked = ValidateVowelEdits(set, rowsOf(block));
    ASSERT_TRUE(std::holds_alternative<VowelBlock>(checked)) << set;
    EXPECT_EQ(std::get<VowelBlock>(checked)[0].f1, block[0].f1);
  }
  Rows rows = rowsOf(DefaultVowelBlock(vowel_set::Ipa, 0));
  rows[0] = {"200", "3200"};
  rows[1] = {" 1096 ", "600"};
  const auto checked = ValidateVowelEdits(vowel_set::Ipa, rows);
  ASSERT_TRUE(std::holds_alternative<VowelBlock>(checked));
  EXPECT_EQ(std::get<VowelBlock>(checked)[1].f1, 1096);
}

TEST(ValidateVowelEdits, FirstFailingEditInRowOrder) {
  Rows rows = rowsOf(DefaultVowelBlock(vowel_set::Portuguese, 1));
  rows[4] = {"440", "3201"};
  rows[5] = {"199", "870"};
  auto failure = std::get<VowelEditFailure>(ValidateVowelEdits(vowel_set::Portuguese, rows));
  EXPECT_EQ(failure.message.id, core::MessageId::VowelF2Range);
  EXPECT_EQ(failure.row, 4);
  EXPECT_TRUE(failure.f2);
  rows[4] = {"1097", "x"};  // F1 is checked before F2 of the same row
  failure = std::get<VowelEditFailure>(ValidateVowelEdits(vowel_set::Portuguese, rows));
  EXPECT_EQ(failure.message.id, core::MessageId::VowelF1Range);
  EXPECT_FALSE(failure.f2);
  rows[4] = {"4.5e2", "900"};  // not a whole number: said so, not the range
  failure = std::get<VowelEditFailure>(ValidateVowelEdits(vowel_set::Portuguese, rows));
  EXPECT_EQ(failure.row, 4);
  EXPECT_EQ(failure.message.text(), "\"4.5e2\" is not a number.");
}

TEST(ValidateVowelEdits, SpanishSkipsItsMissingVowelsAndKoreanChecksAllTen) {
  Rows rows = rowsOf(DefaultVowelBlock(vowel_set::Spanish, 0));
  // Rows 3 and 6 hold 0; rows 8 to 10 are hidden and whatever they hold is dropped.
  rows[7] = {"abc", "5"};
  auto checked = ValidateVowelEdits(vowel_set::Spanish, rows);
  ASSERT_TRUE(std::holds_alternative<VowelBlock>(checked));
  EXPECT_FALSE(std::get<VowelBlock>(checked)[2].present());
  EXPECT_FALSE(std::get<VowelBlock>(checked)[7].present());
  // A vowel typed into row 3 is kept unchecked.
  rows[2] = {"580", "1850"};
  checked = ValidateVowelEdits(vowel_set::Spanish, rows);
  EXPECT_EQ(std::get<VowelBlock>(checked)[2].f2, 1850);

  // The same bad value in row 8 is refused where the row is shown.
  Rows korean = rowsOf(DefaultVowelBlock(vowel_set::Korean, 0));
  korean[7] = {"abc", "5"};
  const auto failure = std::get<VowelEditFailure>(ValidateVowelEdits(vowel_set::Korean, korean));
  EXPECT_EQ(failure.row, 7);
  EXPECT_EQ(failure.message.id, core::MessageId::NotANumber);
}

}  // namespace
}  // namespace sonarel::spectral
