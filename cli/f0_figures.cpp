// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/f0_figures.h"

#include <algorithm>
#include <cstdio>

namespace sonarel::cli {
namespace {

constexpr int kModesShown = 4;

std::string hz(const char* format, double value) {
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

}  // namespace

std::string f0ModesText(const core::VoiceStatistics& s) {
  std::string text;
  const int shown = std::min(s.modeCount, kModesShown);
  for (int i = 0; i < shown; ++i) text += hz(i == 0 ? "%.2f Hz" : "; %.2f Hz", s.modes[i]);
  if (s.modeCount > kModesShown) text += " ...";
  return text;
}

std::string f0FigureLines(const core::VoiceStatistics& s) {
  return hz("Average F0: %.2f Hz\n", s.meanF0) + "Mode F0: " + f0ModesText(s) + "\n" +
         hz("F0 SD: %.2f Hz\n", s.sdF0);
}

}  // namespace sonarel::cli
