// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The reference vowels of the vowel-space chart: for each vowel set (0 Portuguese, 1 IPA,
// 2 Spanish, 3 Korean) and client type (0 man, 1 woman, 2 child, 3 singer) ten vowels with
// a target F1 and F2 in Hz. A target of 0 means the vowel is not part of the set. Also the
// checks of the settings dialog's edits.

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "core/message.h"

namespace sonarel::spectral {

constexpr int kVowelSets = 4;
constexpr int kVowelsPerSet = 10;
constexpr int kClientTypes = 4;

namespace vowel_set {
constexpr int Portuguese = 0;
constexpr int Ipa = 1;
constexpr int Spanish = 2;
constexpr int Korean = 3;
}  // namespace vowel_set

struct VowelTarget {
  float f1 = 0.0f;  // Hz
  float f2 = 0.0f;  // Hz
  bool present() const { return f1 != 0.0f && f2 != 0.0f; }
};

using VowelBlock = std::array<VowelTarget, kVowelsPerSet>;

// One block of targets per client type.
struct VowelTargets {
  std::array<VowelBlock, kClientTypes> types{};
  const VowelBlock& of(int clientType) const;
};

// The default targets of `vowelSet` for one client type, and for all of them (the singer's
// block is empty in every set, as is the child's in the Korean set).
VowelBlock DefaultVowelBlock(int vowelSet, int clientType);
VowelTargets DefaultVowelTargets(int vowelSet);

// How many rows the set uses: 10 for Korean, 7 for the others.
int VowelRowCount(int vowelSet);

// The IPA symbol (UTF-8) of row `vowel` (0-based) of a set; empty for rows the set lacks.
std::string_view VowelSymbol(int vowelSet, int vowel);

// The set that suits a user-interface language ("en", "es", "ko", "pt"; anything else is
// taken as English, which gets the IPA set).
int DefaultVowelSet(std::string_view languageCode);

// The dialog's text for one row.
struct VowelEdit {
  std::string f1;
  std::string f2;
};

// The first edit that fails, in row order (F1 before F2).
struct VowelEditFailure {
  core::Message message;
  int row = 0;      // 0-based
  bool f2 = false;  // the F2 edit of the row, else its F1 edit
};

// Checks the rows as the dialog's OK does: every row the set uses needs whole numbers with
// F1 from 200 to 1096 and F2 from 600 to 3200 (text that is no whole number is refused as
// such, not by its range), except rows 3 and 6 of the Spanish set
// (vowels Spanish lacks), which take any whole number and otherwise 0. Rows the set does
// not use are stored as 0. On success, the block to store.
std::variant<VowelBlock, VowelEditFailure> ValidateVowelEdits(
    int vowelSet, std::span<const VowelEdit, kVowelsPerSet> rows);

}  // namespace sonarel::spectral
