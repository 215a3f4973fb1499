// SPDX-License-Identifier: GPL-3.0-or-later
#include "spectral/vowel_targets.h"

#include <algorithm>

#include "core/f0_settings.h"

namespace sonarel::spectral {
namespace {

using Block = VowelBlock;

// Defaults per set, rows man, woman, child (the singer's block is all 0).
const Block kDefaults[kVowelSets][3] = {
    {// Portuguese
     {{{750, 1340}, {400, 2100}, {580, 1850}, {270, 2180}, {400, 740}, {580, 910}, {270, 900}}},
     {{{900, 1540}, {420, 2550}, {600, 2300}, {320, 2680}, {440, 940}, {720, 870}, {320, 900}}},
     {{{1086, 1721},
       {698, 2825},
       {902, 2606},
       {465, 3176},
       {682, 1295},
       {913, 1371},
       {505, 1350}}}},
    {// IPA
     {{{725, 1600}, {660, 1720}, {580, 1850}, {270, 2180}, {580, 900}, {730, 1090}, {270, 900}}},
     {{{870, 1600}, {860, 2050}, {610, 2330}, {310, 2790}, {590, 920}, {850, 1220}, {370, 950}}},
     {{{725, 1600}, {980, 2320}, {690, 2600}, {370, 3150}, {682, 1295}, {990, 1371}, {430, 1170}}}},
    {// Spanish: no vowels 3 and 6
     {{{750, 1340}, {400, 2100}, {}, {270, 2180}, {400, 740}, {}, {270, 900}}},
     {{{900, 1540}, {420, 2550}, {}, {320, 2680}, {440, 940}, {}, {320, 900}}},
     {{{1086, 1721}, {698, 2825}, {}, {465, 3176}, {682, 1295}, {}, {505, 1350}}}},
    {// Korean: no child targets
     {{{341, 2219},
       {490, 1968},
       {591, 1849},
       {738, 1372},
       {459, 1827},
       {453, 945},
       {369, 981},
       {338, 2114},
       {608, 1121},
       {405, 1488}}},
     {{{344, 2814},
       {650, 2377},
       {677, 2285},
       {986, 1794},
       {602, 2195},
       {499, 1029},
       {422, 1021},
       {373, 2704},
       {765, 1371},
       {447, 1703}}},
     {}},
};

// The vowel of each row, by set. The Spanish rows 3 and 6 carry the symbols of the vowels
// the other Romance sets have there, for targets a user adds.
const char* const kSymbols[kVowelSets][kVowelsPerSet] = {
    {"a", "e", "ɛ", "i", "o", "ɔ", "u"},
    {"a", "æ", "ɛ", "i", "ɔ", "ɑ", "u"},
    {"a", "e", "ɛ", "i", "o", "ɔ", "u"},
    {"i", "e", "ɛ", "a", "ø", "o", "u", "y", "ʌ", "ɯ"},
};

constexpr int kF1Low = 200, kF1High = 1096;
constexpr int kF2Low = 600, kF2High = 3200;

bool validSet(int vowelSet) {
  return vowelSet >= 0 && vowelSet < kVowelSets;
}

// Rows 3 and 6 of the Spanish set are not checked.
bool checkedRow(int vowelSet, int row) {
  return !(vowelSet == vowel_set::Spanish && (row == 2 || row == 5));
}

}  // namespace

const VowelBlock& VowelTargets::of(int clientType) const {
  return types[static_cast<std::size_t>(std::clamp(clientType, 0, kClientTypes - 1))];
}

VowelBlock DefaultVowelBlock(int vowelSet, int clientType) {
  if (!validSet(vowelSet) || clientType < 0 || clientType > 2) return {};
  return kDefaults[vowelSet][clientType];
}

VowelTargets DefaultVowelTargets(int vowelSet) {
  VowelTargets targets;
  for (int type = 0; type < kClientTypes; ++type) {
    targets.types[static_cast<std::size_t>(type)] = DefaultVowelBlock(vowelSet, type);
  }
  return targets;
}

int VowelRowCount(int vowelSet) {
  return vowelSet == vowel_set::Korean ? 10 : 7;
}

std::string_view VowelSymbol(int vowelSet, int vowel) {
  if (!validSet(vowelSet) || vowel < 0 || vowel >= VowelRowCount(vowelSet)) return {};
  return kSymbols[vowelSet][vowel];
}

int DefaultVowelSet(std::string_view languageCode) {
  if (languageCode == "es") return vowel_set::Spanish;
  if (languageCode == "ko") return vowel_set::Korean;
  if (languageCode == "pt") return vowel_set::Portuguese;
  return vowel_set::Ipa;
}

std::variant<VowelBlock, VowelEditFailure> ValidateVowelEdits(
    int vowelSet, std::span<const VowelEdit, kVowelsPerSet> rows) {
  VowelBlock block{};
  const int used = VowelRowCount(vowelSet);
  for (int row = 0; row < used; ++row) {
    const VowelEdit& edit = rows[static_cast<std::size_t>(row)];
    const auto f1 = core::parseDialogInteger(edit.f1);
    const auto f2 = core::parseDialogInteger(edit.f2);
    if (checkedRow(vowelSet, row)) {
      if (!f1) return VowelEditFailure{core::notANumber(edit.f1), row, false};
      if (*f1 < kF1Low || *f1 > kF1High) {
        return VowelEditFailure{core::MessageId::VowelF1Range, row, false};
      }
      if (!f2) return VowelEditFailure{core::notANumber(edit.f2), row, true};
      if (*f2 < kF2Low || *f2 > kF2High) {
        return VowelEditFailure{core::MessageId::VowelF2Range, row, true};
      }
    }
    block[static_cast<std::size_t>(row)] = {static_cast<float>(f1.value_or(0)),
                                            static_cast<float>(f2.value_or(0))};
  }
  return block;
}

}  // namespace sonarel::spectral
