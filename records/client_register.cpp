// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/client_register.h"

#include <sys/stat.h>

#include <utility>

#include "records/client_code.h"

namespace sonarel::records {

Registration registerClient(ClientTable& table, const std::string& dataFolder,
                            ClientRecord record) {
  Registration outcome;
  const TableResult loaded = table.load();
  if (!loaded.ok()) {
    outcome.failure = loaded.failure;
    return outcome;
  }
  const NewCode code = newClientCode(table.list(), dataFolder);
  if (code.failure) {
    outcome.failure = code.failure;
    return outcome;
  }
  record.code = code.code;
  const TableResult appended = table.append(record);
  if (!appended.ok()) {
    outcome.failure = appended.failure;
    return outcome;
  }
  outcome.record = table.find(code.code).value_or(record);
  if (mkdir(ClientFolder(dataFolder, code.code).path().c_str(), 0777) != 0) {
    outcome.warning = core::Message{core::MessageId::ClientDirectoryExists};
  }
  return outcome;
}

DeleteOutcome deleteClient(ClientTable& table, const std::string& dataFolder, ClientCode code,
                           Discard discard) {
  DeleteOutcome outcome = deleteClientFolder(ClientFolder(dataFolder, code), std::move(discard));
  const TableResult removed = table.removeClient(code);
  if (!removed.ok()) outcome.messages.push_back(*removed.failure);
  table.load();
  return outcome;
}

}  // namespace sonarel::records
