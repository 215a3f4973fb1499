// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/client_types.h"

#include <array>

namespace sonarel::core {

std::optional<ClientTypeDefaults> clientTypeDefaults(int type) {
  static constexpr std::array<ClientTypeDefaults, 4> kTable = {{
      {70, 400, 11025},    // man
      {120, 400, 11025},   // woman
      {200, 550, 11025},   // child
      {100, 1000, 22050},  // singer
  }};
  if (type < 0 || type >= static_cast<int>(kTable.size())) return std::nullopt;
  return kTable[static_cast<std::size_t>(type)];
}

}  // namespace sonarel::core
