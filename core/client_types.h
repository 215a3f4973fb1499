// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one table of what a client's type (0 man, 1 woman, 2 child, 3 singer) sets for the
// client's recordings: the F0 range they are analysed with and the rate they are recorded at.

#include <optional>

namespace sonarel::core {

struct ClientTypeDefaults {
  int minPitch;       // Hz
  int maxPitch;       // Hz
  int recordingRate;  // Hz
};

// Nothing for a type outside 0 .. 3.
std::optional<ClientTypeDefaults> clientTypeDefaults(int type);

}  // namespace sonarel::core
