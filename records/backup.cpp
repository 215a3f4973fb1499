// SPDX-License-Identifier: GPL-3.0-or-later
// The backup run and the send to backup: the set is built beside its place, verified and
// renamed into place; only then are the sent clients' folders swapped for marker folders.

#include "records/backup.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>

#include "core/atomic_file.h"
#include "records/backup_files.h"
#include "records/backup_set.h"
#include "records/client_table.h"
#include "records/table_lock.h"

namespace sonarel::records {
namespace {

using core::Message;
using core::MessageId;

// A file as it was copied: where from, where to, and what it held.
struct CopiedFile {
  std::string source;
  std::string copy;
  Fingerprint print;
  timespec modified{};
};

struct CopiedClient {
  ClientCode code = -1;
  bool complete = true;  // every file that a freeing would delete is in the set
  std::vector<CopiedFile> files;
};

constexpr char kSendingSuffix[] = ".sending";
constexpr char kSentSuffix[] = ".sent";

bool sameTime(const timespec& a, const timespec& b) {
  return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

// The copy still holds what the original held, and the original has not changed since.
bool verified(const CopiedFile& file) {
  const auto copy = fingerprintOf(file.copy);
  const auto source = statRegular(file.source);
  return copy && *copy == file.print && source &&
         static_cast<std::uint64_t>(source->st_size) == file.print.size &&
         sameTime(source->st_mtim, file.modified);
}

// Swaps the client's folder for one that holds a marker, dated as the recording, for every
// recording, and keeps only the markers already there and short names; see the header.
bool freeClient(const std::string& dataFolder, ClientCode code) {
  const std::string folder = ClientFolder(dataFolder, code).path();
  const std::string sending = folder + kSendingSuffix;
  const std::string sent = folder + kSentSuffix;
  if (!removeTree(sending) || mkdir(sending.c_str(), 0777) != 0) return false;
  const std::vector<std::string> names = folderEntries(folder);
  std::vector<std::string> made;
  std::vector<std::string> folders;
  for (const std::string& name : names) {
    if (isFolder(folder + "/" + name)) {
      folders.push_back(name);
      continue;
    }
    if (!isRecordingName(name) || name.size() <= 4) continue;
    const auto info = statRegular(folder + "/" + name);
    if (!info) return false;
    const std::string marker = withExtension(name, "bkp");
    if (!writeMarker(sending + "/" + marker, info->st_mtim)) return false;
    made.push_back(marker);
  }
  for (const std::string& name : names) {
    const bool kept = name.size() <= 4 || hasExtension(name, "bkp");
    if (!kept || std::find(made.begin(), made.end(), name) != made.end() ||
        std::find(folders.begin(), folders.end(), name) != folders.end()) {
      continue;
    }
    const std::string from = folder + "/" + name;
    const std::string to = sending + "/" + name;
    if (link(from.c_str(), to.c_str()) != 0 && !copyFile(from, to)) return false;
  }
  if (!syncFolder(sending)) return false;
  for (const std::string& name : folders) {
    if (std::rename((folder + "/" + name).c_str(), (sending + "/" + name).c_str()) != 0) {
      return false;
    }
  }
  if (std::rename(folder.c_str(), sent.c_str()) != 0) return false;
  if (std::rename(sending.c_str(), folder.c_str()) != 0) {
    std::rename(sent.c_str(), folder.c_str());
    return false;
  }
  syncFolder(dataFolder);
  removeTree(sent);
  return true;
}

// A folder swap broken off: finished when the marker folder is complete and in place or
// can be put there, undone while the client's own folder was not yet moved.
bool settleFreeing(const std::string& dataFolder, ClientCode code) {
  const std::string folder = ClientFolder(dataFolder, code).path();
  const std::string sending = folder + kSendingSuffix;
  const std::string sent = folder + kSentSuffix;
  if (pathExists(sent)) {
    if (!pathExists(folder)) {
      const std::string& back = pathExists(sending) ? sending : sent;
      if (std::rename(back.c_str(), folder.c_str()) != 0) return false;
    }
    removeTree(sent);
  } else if (pathExists(sending)) {
    // The folders moved over before the swap go back.
    for (const std::string& name : folderEntries(sending)) {
      const std::string inner = sending + "/" + name;
      if (isFolder(inner) && !pathExists(folder + "/" + name)) {
        std::rename(inner.c_str(), (folder + "/" + name).c_str());
      }
    }
    removeTree(sending);
  }
  syncFolder(dataFolder);
  return !pathExists(sent) && !pathExists(sending);
}

// The code of a "pac%03d" folder name followed by `suffix`.
std::optional<ClientCode> codeOfSwapFolder(const std::string& name, const std::string& suffix) {
  if (!name.starts_with("pac") || !name.ends_with(suffix)) return std::nullopt;
  const std::string digits = name.substr(3, name.size() - 3 - suffix.size());
  if (digits.empty() || digits.size() > 6 ||
      !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return std::nullopt;
  }
  return std::stoi(digits);
}

class BackupRun {
 public:
  BackupRun(const BackupRequest& request, BackupObserver& observer)
      : request_(request),
        observer_(observer),
        partial_(request.setFolder + ".partial"),
        table_(request.dataFolder + "/" + kTableName) {}

  OperationResult run();

 private:
  bool copyTable();
  bool copyClient(const ClientRecord& client);
  bool writeProgress();
  bool verifySent();
  bool putSetInPlace();
  bool freeSent();
  OperationResult failed();

  const BackupRequest& request_;
  BackupObserver& observer_;
  std::string partial_;
  std::string table_;
  OperationResult result_;
  std::vector<ClientCode> done_;
  std::vector<CopiedClient> copied_;
};

OperationResult BackupRun::run() {
  if (findInterruptedWork(request_.dataFolder).any()) {
    observer_.tell(Message{MessageId::RestorePending, {request_.dataFolder}});
    return result_;
  }
  if (pathExists(request_.setFolder + "/" + kTableName) &&
      !observer_.ask(Message{MessageId::BackupPreviousSet})) {
    return result_;
  }
  // What a killed backup left here is no set: it goes.
  removeTree(partial_);
  if (mkdir(partial_.c_str(), 0777) != 0) {
    observer_.tell(Message{MessageId::BackupTableNotCopied});
    return result_;
  }
  if (!copyTable()) return failed();
  ClientTable table(partial_ + "/" + kTableName);
  if (const TableResult loaded = table.load(); !loaded.ok()) {
    observer_.tell(*loaded.failure);
    return failed();
  }
  if (!core::writeFileAtomically(partial_ + "/" + kProgressName, "")) {
    observer_.tell(Message{MessageId::BackupProgressNotCreated});
    return failed();
  }
  for (const ClientRecord& client : table.list()) {
    if (request_.clients && std::find(request_.clients->begin(), request_.clients->end(),
                                      client.code) == request_.clients->end()) {
      continue;
    }
    if (!copyClient(client)) return failed();
  }
  if (request_.send && !verifySent()) return failed();
  if (!request_.send) unlink((partial_ + "/" + kProgressName).c_str());
  if (!putSetInPlace()) return failed();
  if (request_.send && !freeSent()) return result_;
  unlink((request_.setFolder + "/" + kProgressName).c_str());
  syncFolder(request_.setFolder);
  result_.ok = true;
  return result_;
}

bool BackupRun::copyTable() {
  TableLock lock(table_);
  if (!statRegular(table_)) {
    observer_.tell(Message{MessageId::BackupTableMissing});
    return false;
  }
  if (!lock.held() || !copyFile(table_, partial_ + "/" + kTableName)) {
    observer_.tell(Message{MessageId::BackupTableNotCopied});
    return false;
  }
  const std::string codePage = request_.dataFolder + "/" + kCodePageName;
  if (statRegular(codePage) && !copyFile(codePage, partial_ + "/" + kCodePageName)) {
    observer_.tell(Message{MessageId::BackupTableNotCopied});
    return false;
  }
  return true;
}

bool BackupRun::copyClient(const ClientRecord& client) {
  const std::string name = clientFolderName(client.code);
  const std::string from = request_.dataFolder + "/" + name;
  const std::string to = partial_ + "/" + name;
  if (mkdir(to.c_str(), 0777) != 0 && !isFolder(to)) {
    observer_.tell(Message{MessageId::BackupCopyFailed, {name}});
    return false;
  }
  const std::vector<std::string> entries = folderEntries(from);
  observer_.startClient(client.name, static_cast<int>(entries.size()));
  if (!isFolder(from)) return true;  // a client without a folder is passed over
  CopiedClient copied;
  copied.code = client.code;
  std::vector<DatesLine> dates;
  int done = 0;
  for (const std::string& entry : entries) {
    const auto info = statRegular(from + "/" + entry);
    if (!info || !isBackedUpName(entry)) continue;
    observer_.step(BackupStage::Copying, entry, done);
    const bool injected = request_.faults.failCopy && request_.faults.failCopy(from + "/" + entry);
    const auto print = injected ? std::nullopt : copyFile(from + "/" + entry, to + "/" + entry);
    if (print) {
      copied.files.push_back({from + "/" + entry, to + "/" + entry, *print, info->st_mtim});
      ++result_.files;
      result_.bytes += print->size;
      result_.entries.push_back(name + "/" + entry);
    } else {
      if (!observer_.ask(Message{MessageId::BackupCopyFailed, {entry}})) return false;
      copied.complete = false;  // its folder keeps that file: it is not freed
    }
    ++done;
    if (observer_.cancelRequested()) return false;
  }
  // The dates, in the order of the folder listing.
  for (const std::string& entry : entries) {
    if (!isRecordingName(entry)) continue;
    const auto info = statRegular(from + "/" + entry);
    if (!info) continue;
    const std::uint64_t time = fileTimeOf(info->st_mtim);
    DatesLine line{entry, static_cast<std::uint32_t>(time >> 32),
                   static_cast<std::uint32_t>(time & 0xffffffffU)};
    if (line.high == 0 && !observer_.ask(Message{MessageId::BackupNoCreationDate, {entry}})) {
      return false;
    }
    dates.push_back(line);
  }
  if (!core::writeFileAtomically(to + "/" + kDatesName, formatDates(dates))) {
    observer_.tell(Message{MessageId::BackupDatesNotCreated});
    return false;
  }
  done_.push_back(client.code);
  if (!writeProgress()) return false;
  ++result_.clients;
  copied_.push_back(std::move(copied));
  return true;
}

bool BackupRun::writeProgress() {
  if (!core::writeFileAtomically(partial_ + "/" + kProgressName, formatProgress(done_))) {
    observer_.tell(Message{MessageId::BackupProgressNotAppended});
    return false;
  }
  return true;
}

// Every copy of a client to be freed is read back and compared with its original.
bool BackupRun::verifySent() {
  syncFolder(partial_);
  for (const CopiedClient& client : copied_) {
    syncFolder(partial_ + "/" + clientFolderName(client.code));
    for (const CopiedFile& file : client.files) {
      observer_.step(BackupStage::Verifying, file.copy.substr(file.copy.rfind('/') + 1), 0);
      if (!verified(file)) {
        observer_.tell(Message{MessageId::BackupCopyNotVerified, {file.copy}});
        return false;
      }
    }
  }
  return true;
}

bool BackupRun::putSetInPlace() {
  const std::string replaced = request_.setFolder + ".replaced";
  removeTree(replaced);
  if (pathExists(request_.setFolder) &&
      std::rename(request_.setFolder.c_str(), replaced.c_str()) != 0) {
    observer_.tell(Message{MessageId::BackupSetNotRemoved});
    return false;
  }
  if (std::rename(partial_.c_str(), request_.setFolder.c_str()) != 0) {
    std::rename(replaced.c_str(), request_.setFolder.c_str());
    return false;
  }
  const auto slash = request_.setFolder.find_last_of('/');
  syncFolder(slash == std::string::npos ? "." : request_.setFolder.substr(0, slash + 1));
  removeTree(replaced);
  // The copies are in the set's own folder now.
  for (CopiedClient& client : copied_) {
    for (CopiedFile& file : client.files) file.copy.replace(0, partial_.size(), request_.setFolder);
  }
  return true;
}

bool BackupRun::freeSent() {
  std::vector<ClientCode> freed;
  for (const CopiedClient& client : copied_) {
    if (!client.complete) continue;
    observer_.step(BackupStage::Freeing, clientFolderName(client.code), 0);
    // Checked once more right before: nothing may have changed since the copy.
    const bool same = std::all_of(client.files.begin(), client.files.end(), verified);
    if (same && (!isFolder(ClientFolder(request_.dataFolder, client.code).path()) ||
                 freeClient(request_.dataFolder, client.code))) {
      freed.push_back(client.code);
      continue;
    }
    settleFreeing(request_.dataFolder, client.code);
    observer_.tell(Message{MessageId::BackupCopyNotVerified,
                           {ClientFolder(request_.dataFolder, client.code).path()}});
    // The send is undone: the clients freed so far get their files back. The set stays,
    // a complete backup.
    if (!freed.empty()) {
      RestoreRequest undo{request_.dataFolder, request_.setFolder, freed, {}};
      runRestore(undo, observer_);
    }
    return false;
  }
  return true;
}

OperationResult BackupRun::failed() {
  observer_.allowCancel(false);
  observer_.step(BackupStage::RemovingSet, partial_, 0);
  if (!removeTree(partial_)) observer_.tell(Message{MessageId::BackupSetNotRemoved});
  result_.ok = false;
  return result_;
}

}  // namespace

OperationResult runBackup(const BackupRequest& request, BackupObserver& observer) {
  return BackupRun(request, observer).run();
}

std::string rollbackFolder(const std::string& dataFolder) {
  return dataFolder + "/restore-rollback";
}

InterruptedWork findInterruptedWork(const std::string& dataFolder) {
  InterruptedWork work;
  const std::string area = rollbackFolder(dataFolder);
  if (isFolder(area)) {
    if (pathExists(area + "/committed")) {
      work.committed = true;
    } else {
      work.restore = true;
    }
  }
  for (const std::string& name : folderEntries(dataFolder)) {
    for (const char* suffix : {kSendingSuffix, kSentSuffix}) {
      const auto code = codeOfSwapFolder(name, suffix);
      if (code &&
          std::find(work.freeing.begin(), work.freeing.end(), *code) == work.freeing.end()) {
        work.freeing.push_back(*code);
      }
    }
  }
  return work;
}

bool settleInterruptedFreeing(const std::string& dataFolder, const InterruptedWork& work) {
  bool ok = true;
  for (ClientCode code : work.freeing) ok = settleFreeing(dataFolder, code) && ok;
  return ok;
}

}  // namespace sonarel::records
