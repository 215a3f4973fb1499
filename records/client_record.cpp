#include "records/client_record.h"

namespace sonarel::records {

std::optional<TypeSettings> settingsForType(int type) {
  switch (type) {
    case 0:
      return TypeSettings{70, 400, 11025};
    case 1:
      return TypeSettings{120, 400, 11025};
    case 2:
      return TypeSettings{200, 550, 11025};
    case 3:
      return TypeSettings{100, 1000, 22050};
    default:
      return std::nullopt;
  }
}

}  // namespace sonarel::records
