// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Texts shared by the statistics displays of both file kinds.

#include <QString>
#include <algorithm>

#include "core/voice_statistics.h"

namespace sonarel::app {

// The F0 modes: the first four as "%.2f Hz" joined by "; ", then " ..." when there are more.
inline QString f0ModesText(const core::VoiceStatistics& s) {
  QString text = QString::asprintf("%.2f Hz", s.modes[0]);
  for (int i = 1; i < std::min(s.modeCount, 4); ++i)
    text += QString::asprintf("; %.2f Hz", s.modes[i]);
  if (s.modeCount > 4) text += " ...";
  return text;
}

}  // namespace sonarel::app
