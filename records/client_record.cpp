// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/client_record.h"

#include "core/client_types.h"

namespace sonarel::records {

std::optional<TypeSettings> settingsForType(int type) {
  const auto defaults = core::clientTypeDefaults(type);
  if (!defaults) return std::nullopt;
  return TypeSettings{defaults->minPitch, defaults->maxPitch, defaults->recordingRate};
}

}  // namespace sonarel::records
