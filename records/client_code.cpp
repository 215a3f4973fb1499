// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/client_code.h"

#include <algorithm>

namespace sonarel::records {

NewCode newClientCode(const std::vector<ClientRecord>& clients, const std::string& dataFolder) {
  ClientCode largest = 0;
  for (const ClientRecord& r : clients) largest = std::max(largest, r.code);
  for (ClientCode code = largest + 1; code <= kMaxClientCode; ++code) {
    if (!ClientFolder(dataFolder, code).exists()) return {code, std::nullopt};
  }
  return {-1, core::Message{core::MessageId::ClientCodesExhausted}};
}

}  // namespace sonarel::records
