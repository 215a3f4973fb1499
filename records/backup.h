// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Backing up the register and the client folders into a set, sending chosen clients to a
// set (their folders then hold only dated markers), restoring a set over the data folder
// and attaching chosen clients' files back from one.
//
// Nothing is lost on the way:
// - a set is built in a folder beside its final place and renamed there when complete, so
//   a failed or killed backup never leaves a half set, nor spoils an earlier one;
// - a client is freed only after every copy of the whole set has been read back and found
//   equal (size and content hash) to its original, the dates and progress files synced;
//   the freeing itself swaps the client folder for the marker folder by rename;
// - a restore first records in a journal what it is about to do, puts every file it
//   replaces aside, and either commits (then the put-aside files go) or rolls back to
//   exactly the tree that was there. A restore broken off by a crash is found at the next
//   start and rolled back (or, when it had committed, tidied up).
// Every file written goes through the atomic writer; dates are modification times.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/message.h"
#include "records/client_folder.h"

namespace sonarel::records {

// What happens to the file a progress step names.
enum class BackupStage { Copying, Decompressing, Verifying, Freeing, RemovingSet, RollingBack };

// The user's side of an operation: messages, yes/no questions, progress and Cancel.
class BackupObserver {
 public:
  virtual ~BackupObserver() = default;
  virtual void tell(const core::Message& message) = 0;
  virtual bool ask(const core::Message& question) = 0;
  // A client's turn: its name and the number of entries of the folder being copied.
  virtual void startClient(const std::string& /*name*/, int /*entries*/) {}
  // A file of that client; `done` files of it are through.
  virtual void step(BackupStage /*stage*/, const std::string& /*file*/, int /*done*/) {}
  // Asked between files; true breaks the operation off (it then fails and undoes itself).
  virtual bool cancelRequested() { return false; }
  // Cancel is refused while work that must finish runs (a rollback).
  virtual void allowCancel(bool /*allowed*/) {}
};

// For tests: make the copy of a file fail as a full disk would.
struct BackupFaults {
  std::function<bool(const std::string& source)> failCopy;
};

struct BackupRequest {
  std::string dataFolder;
  std::string setFolder;  // the set itself (see backupSetPath)
  // The clients to back up; none: every client of the register.
  std::optional<std::vector<ClientCode>> clients;
  // Send them to backup: once the set is verified and in place, their folders keep only
  // markers. Needs `clients`.
  bool send = false;
  BackupFaults faults;
};

struct OperationResult {
  bool ok = false;
  int clients = 0;                   // clients done
  int files = 0;                     // files copied
  std::uint64_t bytes = 0;           // bytes copied
  std::vector<std::string> entries;  // "pac001/wv001.wav", in the order done
};

// The backup run. Asks before replacing an earlier set in the same place; ends with
// "Backup Done Successfully!..." told by the caller (the result says ok).
OperationResult runBackup(const BackupRequest& request, BackupObserver& observer);

struct RestoreRequest {
  std::string dataFolder;
  std::string setFolder;
  // The clients to attach; none: restore the whole set, the register included.
  std::optional<std::vector<ClientCode>> attach;
  BackupFaults faults;
};

OperationResult runRestore(const RestoreRequest& request, BackupObserver& observer);

// Work a crash or a kill broke off in `dataFolder`.
struct InterruptedWork {
  bool restore = false;             // a restore or attach that had not committed: to roll back
  bool committed = false;           // a restore that had committed: only tidying is left
  std::vector<ClientCode> freeing;  // clients whose folder swap was broken off

  bool any() const { return restore || committed || !freeing.empty(); }
};

InterruptedWork findInterruptedWork(const std::string& dataFolder);
// Settles only the broken-off swaps of client folders.
bool settleInterruptedFreeing(const std::string& dataFolder, const InterruptedWork& work);
// Rolls back a broken-off restore, tidies a committed one and settles broken-off swaps of
// client folders. True when nothing is left to do.
bool finishInterruptedWork(const std::string& dataFolder, BackupObserver& observer);

// The rollback area of a restore inside the data folder.
std::string rollbackFolder(const std::string& dataFolder);

}  // namespace sonarel::records
