// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/session/mode_needs.h"

namespace sonarel::app {
namespace {
ModeNeedsLookup installedLookup = nullptr;
}  // namespace

void setModeNeedsLookup(ModeNeedsLookup lookup) {
  installedLookup = lookup;
}

const ModeNeeds* modeNeedsOf(int code) {
  return installedLookup ? installedLookup(code) : nullptr;
}

}  // namespace sonarel::app
