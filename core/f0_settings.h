// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The F0 analysis settings, the checks of the "Configure F0" dialog and the F0 range each
// client category starts from.

#include <optional>
#include <string>
#include <variant>

#include "core/message.h"

namespace sonarel::core {

// Method indexes in the order of the dialog's list.
enum class F0Method : int {
  Srpd = 0,
  Autocorrelation = 1,
  CrossCorrelation = 2,
  Amdf = 3,
  LpcAutocorrelation = 4,
};

// The method's name as the dialog lists it ("AutoCorrelation"), or "?" for an unknown index.
const char* f0MethodName(int method);

struct F0Range {
  int minPitch;  // Hz
  int maxPitch;  // Hz
};

struct F0Settings {
  int method = static_cast<int>(F0Method::Autocorrelation);
  int minPitch = 70;          // Hz, the range of client category 0 until a client's file sets one
  int maxPitch = 400;         // Hz
  int silenceThreshold = 10;  // dB; F0 points over quieter intensity columns are not drawn
  int style = 1;              // 1 line, 0 points

  bool operator==(const F0Settings&) const = default;
};

// The range a client's category sets when one of the client's files is opened or created:
// 0 70-400 Hz, 1 120-400 Hz, 2 200-550 Hz, 3 100-1000 Hz; nothing for another category.
std::optional<F0Range> f0RangeForCategory(int category);

// What the dialog holds when OK is pressed: the method index, the three numeric fields as
// typed, and the style.
struct F0DialogInput {
  int method = 1;
  std::string low;        // Hz
  std::string high;       // Hz
  std::string threshold;  // dB
  int style = 1;
};

// The dialog's checks, in order, stopping at the first failure: Low below 50 "Minimal
// Value: 50 Hz"; High above 1200 "Max Value: 1200 Hz"; Low not below High "Min Value >= Max
// Value"; threshold outside 0..70 "Silence Threshold: From 0 to 70 dB". A field that is not
// a whole number fails its own check with "... is not a number" rather than its range. On
// success, the settings to store.
std::variant<F0Settings, Message> validateF0Dialog(const F0DialogInput& input);

// "\"abc\" is not a number." for what was typed.
Message notANumber(const std::string& typed);

// A whole decimal number with optional sign and surrounding blanks, or nothing.
std::optional<int> parseDialogInteger(const std::string& text);

}  // namespace sonarel::core
