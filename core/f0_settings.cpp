// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/f0_settings.h"

#include <array>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>

#include "core/client_types.h"

// The window's translation tools look for this marker; here it only returns the text.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace sonarel::core {

const char* f0MethodName(int method) {
  static constexpr std::array<const char*, 5> kNames = {
      "SRPD", QT_TRANSLATE_NOOP("F0Method", "AutoCorrelation"),
      QT_TRANSLATE_NOOP("F0Method", "CrossCorrelation"), "AMDF",
      QT_TRANSLATE_NOOP("F0Method", "LPC AutoCorrelation")};
  return method >= 0 && method < static_cast<int>(kNames.size()) ? kNames[method] : "?";
}

std::optional<F0Range> f0RangeForCategory(int category) {
  const auto defaults = clientTypeDefaults(category);
  if (!defaults) return std::nullopt;
  return F0Range{defaults->minPitch, defaults->maxPitch};
}

std::optional<int> parseDialogInteger(const std::string& text) {
  std::size_t begin = 0, end = text.size();
  while (begin < end && std::isspace(static_cast<unsigned char>(text[begin]))) ++begin;
  while (end > begin && std::isspace(static_cast<unsigned char>(text[end - 1]))) --end;
  if (begin == end) return std::nullopt;
  const std::string trimmed = text.substr(begin, end - begin);
  errno = 0;
  char* stop = nullptr;
  const long value = std::strtol(trimmed.c_str(), &stop, 10);
  if (errno != 0 || *stop != '\0' || value < INT_MIN || value > INT_MAX) return std::nullopt;
  return static_cast<int>(value);
}

Message notANumber(const std::string& typed) {
  return Message{MessageId::NotANumber, {typed}};
}

std::variant<F0Settings, Message> validateF0Dialog(const F0DialogInput& input) {
  const auto low = parseDialogInteger(input.low);
  if (!low) return notANumber(input.low);
  if (*low < 50) return Message{MessageId::MinimalValue};
  const auto high = parseDialogInteger(input.high);
  if (!high) return notANumber(input.high);
  if (*high > 1200) return Message{MessageId::MaxValue};
  if (*low >= *high) return Message{MessageId::MinNotBelowMax};
  const auto threshold = parseDialogInteger(input.threshold);
  if (!threshold) return notANumber(input.threshold);
  if (*threshold < 0 || *threshold > 70) return Message{MessageId::SilenceThresholdRange};
  return F0Settings{input.method, *low, *high, *threshold, input.style};
}

}  // namespace sonarel::core
