// SPDX-License-Identifier: GPL-3.0-or-later
// sonarel-cli backup, restore and recover: the workstation's backup operations for
// scheduled backups and scripted restores. They ask nothing: a question the window would
// ask is answered No (printed on standard error), except the one about replacing an
// earlier set, which --replace answers Yes.

#include <ctime>
#include <ostream>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/sound_file_option.h"
#include "records/backup.h"
#include "records/backup_files.h"
#include "records/backup_set.h"

namespace sonarel::cli {
namespace {

class QuietObserver : public records::BackupObserver {
 public:
  QuietObserver(Streams streams, bool replace) : streams_(streams), replace_(replace) {}

  void tell(const core::Message& message) override { streams_.err << message.text() << "\n"; }
  bool ask(const core::Message& question) override {
    const bool yes = replace_ && question.id == core::MessageId::BackupPreviousSet;
    streams_.err << question.text() << (yes ? " [yes: --replace]\n" : " [no]\n");
    return yes;
  }

 private:
  Streams streams_;
  bool replace_;
};

// "1,2,17" or "1 2 17"; nothing when a part is not a client code.
std::optional<std::vector<records::ClientCode>> parseCodes(const std::string& text) {
  std::vector<records::ClientCode> codes;
  std::string part;
  auto take = [&] {
    if (part.empty()) return true;
    const auto value = parseInteger(part);
    part.clear();
    if (!value || *value < 1 || *value > 9999) return false;
    codes.push_back(static_cast<records::ClientCode>(*value));
    return true;
  };
  for (char c : text) {
    if (c == ',' || c == ' ') {
      if (!take()) return std::nullopt;
    } else {
      part += c;
    }
  }
  if (!take() || codes.empty()) return std::nullopt;
  return codes;
}

int failure(Streams streams, const core::Message& message) {
  streams.err << message.text() << "\n";
  return kExitBadInput;
}

// A broken-off restore or folder swap is settled before anything else is done.
bool settle(const std::string& dataFolder, Streams streams) {
  if (!records::findInterruptedWork(dataFolder).any()) return true;
  QuietObserver observer(streams, false);
  if (!records::finishInterruptedWork(dataFolder, observer)) return false;
  streams.err << core::Message{core::MessageId::RestoreRolledBack}.text() << "\n";
  return true;
}

}  // namespace

int runBackupCommand(const std::vector<std::string>& words, Streams streams) {
  const Arguments args = parseArguments(words, {"--clients"}, {"--send", "--replace"});
  if (!args.error.empty() || args.positional.size() != 2) {
    return usageError(streams,
                      args.error.empty() ? "backup takes DATA_DIR and TARGET_DIR" : args.error);
  }
  records::BackupRequest request;
  request.dataFolder = args.positional[0];
  std::optional<std::vector<records::ClientCode>> chosen;
  if (const auto codes = args.option("--clients")) {
    chosen = parseCodes(*codes);
    if (!chosen) return usageError(streams, "--clients takes client codes, such as 1,2,17");
  }
  if (args.has("--send") && !chosen) return usageError(streams, "--send needs --clients");
  // A target that is not there (a backup disk not mounted) is never made here.
  if (!records::isFolder(args.positional[1])) {
    return failure(streams, core::Message{core::MessageId::FileNotFound, {args.positional[1]}});
  }
  if (auto refused = records::backupTargetRefusal(request.dataFolder, args.positional[1])) {
    return failure(streams, *refused);
  }
  if (!settle(request.dataFolder, streams)) {
    return failure(streams, core::Message{core::MessageId::RestorePending, {request.dataFolder}});
  }
  request.setFolder = records::backupSetPathFor(
      args.positional[1], records::DateOrder::MonthDayYear, std::time(nullptr));
  request.clients = chosen;
  request.send = args.has("--send");
  QuietObserver observer(streams, args.has("--replace"));
  const records::OperationResult result = records::runBackup(request, observer);
  if (!result.ok) return failure(streams, core::Message{core::MessageId::BackupFailed});
  streams.out << request.setFolder << "\n";
  return kExitOk;
}

int runRestoreCommand(const std::vector<std::string>& words, Streams streams) {
  const Arguments args = parseArguments(words, {"--attach"}, {});
  if (!args.error.empty() || args.positional.size() != 2) {
    return usageError(streams,
                      args.error.empty() ? "restore takes DATA_DIR and SET_DIR" : args.error);
  }
  records::RestoreRequest request;
  request.dataFolder = args.positional[0];
  request.setFolder = args.positional[1];
  if (const auto codes = args.option("--attach")) {
    request.attach = parseCodes(*codes);
    if (!request.attach) return usageError(streams, "--attach takes client codes, such as 1,2,17");
  }
  if (auto refused = records::restoreSourceRefusal(request.dataFolder, request.setFolder)) {
    return failure(streams, *refused);
  }
  if (!settle(request.dataFolder, streams)) {
    return failure(streams, core::Message{core::MessageId::RestorePending, {request.dataFolder}});
  }
  QuietObserver observer(streams, false);
  const records::OperationResult result = records::runRestore(request, observer);
  if (!result.ok) return failure(streams, core::Message{core::MessageId::RestoreNotFinished});
  for (const std::string& entry : result.entries) streams.out << entry << "\n";
  streams.out << result.clients << " clients, " << result.files << " files restored\n";
  return kExitOk;
}

int runRecover(const std::vector<std::string>& words, Streams streams) {
  const Arguments args = parseArguments(words, {}, {});
  if (!args.error.empty() || args.positional.size() != 1) {
    return usageError(streams, args.error.empty() ? "recover takes DATA_DIR" : args.error);
  }
  const std::string& folder = args.positional[0];
  const records::InterruptedWork work = records::findInterruptedWork(folder);
  if (!work.any()) {
    streams.out << "nothing to recover\n";
    return kExitOk;
  }
  QuietObserver observer(streams, false);
  if (!records::finishInterruptedWork(folder, observer)) {
    return failure(streams, core::Message{core::MessageId::RollbackIncomplete,
                                          {records::rollbackFolder(folder)}});
  }
  if (work.restore) streams.out << "restore rolled back\n";
  if (work.committed) streams.out << "committed restore tidied\n";
  if (!work.freeing.empty()) streams.out << work.freeing.size() << " client folder swaps settled\n";
  return kExitOk;
}

}  // namespace sonarel::cli
