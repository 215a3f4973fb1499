// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Registering and deleting a client: the table row and the client's folder together.

#include <optional>
#include <string>

#include "core/message.h"
#include "records/client_table.h"
#include "records/session_file.h"

namespace sonarel::records {

struct Registration {
  ClientRecord record;                   // with its new code
  std::optional<core::Message> failure;  // nothing was registered
  std::optional<core::Message> warning;  // registered, but the folder could not be made
};

// Gives `record` the next free code, appends it and creates its folder.
Registration registerClient(ClientTable& table, const std::string& dataFolder, ClientRecord record);

// Removes the client's files and folder (see deleteClientFolder), then its row; a failed
// lookup of the row gives "Error Accessing Database!" and the row stays. The table's list
// is loaded again afterwards.
DeleteOutcome deleteClient(ClientTable& table, const std::string& dataFolder, ClientCode code,
                           Discard discard = {});

}  // namespace sonarel::records
