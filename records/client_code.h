// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The code a newly registered client gets: one above the largest code in the register,
// 1 for an empty one, passing over any code whose folder "pac%03d" is still on disk (a
// deleted client's folder can stay behind, holding backup markers), so that a new client
// never takes over another client's recordings.

#include <optional>
#include <string>
#include <vector>

#include "core/message.h"
#include "records/client_folder.h"
#include "records/client_record.h"

namespace sonarel::records {

constexpr ClientCode kMaxClientCode = 9999;

struct NewCode {
  ClientCode code = -1;
  std::optional<core::Message> failure;  // no code up to 9999 is free
};

NewCode newClientCode(const std::vector<ClientRecord>& clients, const std::string& dataFolder);

}  // namespace sonarel::records
