// SPDX-License-Identifier: GPL-3.0-or-later
// Restoring a set and attaching clients' files from one. Before each change the journal in
// the rollback area says what is about to happen, and is on disk: "M from to" a rename
// (a replaced file put aside, the table to pacb.dbf1, a marker to .bkp1), "C path" a file
// created, "D path" a folder created. A rollback undoes the lines from the last to the
// first and so brings back exactly the tree that was there; a commit leaves "committed" in
// the area, after which only the put-aside files remain to be deleted.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <set>

#include "core/atomic_file.h"
#include "records/backup.h"
#include "records/backup_files.h"
#include "records/backup_set.h"
#include "records/client_table.h"
#include "records/table_lock.h"

namespace sonarel::records {
namespace {

using core::Message;
using core::MessageId;

constexpr char kJournal[] = "journal";
constexpr char kCommitted[] = "committed";
constexpr char kAside[] = "aside";

struct JournalLine {
  char kind = 0;
  std::string path;
  std::string other;
};

// The complete lines of a journal; a line cut short by a crash was never acted on.
std::vector<JournalLine> readJournal(const std::string& path) {
  std::vector<JournalLine> lines;
  const auto text = readText(path);
  if (!text) return lines;
  std::size_t at = 0;
  while (true) {
    const std::size_t end = text->find('\n', at);
    if (end == std::string::npos) break;
    const std::string line = text->substr(at, end - at);
    at = end + 1;
    if (line.size() < 3 || line[1] != '\t') continue;
    JournalLine entry;
    entry.kind = line[0];
    const std::string rest = line.substr(2);
    const auto tab = rest.find('\t');
    entry.path = rest.substr(0, tab);
    if (tab != std::string::npos) entry.other = rest.substr(tab + 1);
    lines.push_back(entry);
  }
  return lines;
}

class Journal {
 public:
  explicit Journal(const std::string& path)
      : fd_(open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0666)) {}
  ~Journal() {
    if (fd_ >= 0) close(fd_);
  }
  Journal(const Journal&) = delete;
  Journal& operator=(const Journal&) = delete;

  bool usable() const { return fd_ >= 0; }

  // Appends the line and waits until it is on disk.
  bool add(char kind, const std::string& path, const std::string& other = {}) {
    std::string line{kind, '\t'};
    line += path;
    if (!other.empty()) line += "\t" + other;
    line += "\n";
    return fd_ >= 0 && write(fd_, line.data(), line.size()) == static_cast<ssize_t>(line.size()) &&
           fdatasync(fd_) == 0;
  }

 private:
  int fd_;
};

// True for names the journal can hold.
bool journalSafe(const std::string& name) {
  return name.find_first_of("\t\n") == std::string::npos;
}

bool isDatesName(const std::string& name) {
  std::string lower = name;
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower == kDatesName;
}

// Any regular file left under `folder`.
bool holdsFiles(const std::string& folder) {
  for (const std::string& name : folderEntries(folder)) {
    const std::string path = folder + "/" + name;
    if (isFolder(path) ? holdsFiles(path) : true) return true;
  }
  return false;
}

// The atomic writer's temporaries of `path` ("<name>.tmp-" and six characters) that a
// copy broken off by a crash left beside it: the journal says that copy was ours.
void removeTemporariesOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  const std::string folder = path.substr(0, slash);
  const std::string start = path.substr(slash + 1) + ".tmp-";
  for (const std::string& name : folderEntries(folder)) {
    if (name.starts_with(start) && name.size() == start.size() + 6) {
      unlink((folder + "/" + name).c_str());
    }
  }
}

bool rollBack(const std::string& dataFolder, BackupObserver& observer) {
  observer.allowCancel(false);
  const std::string area = rollbackFolder(dataFolder);
  std::vector<JournalLine> lines = readJournal(area + "/" + kJournal);
  bool ok = true;
  for (auto line = lines.rbegin(); line != lines.rend(); ++line) {
    const std::string path = dataFolder + "/" + line->path;
    switch (line->kind) {
      case 'C':
        observer.step(BackupStage::RollingBack, line->path, 0);
        if (pathExists(path) && unlink(path.c_str()) != 0) ok = false;
        removeTemporariesOf(path);
        break;
      case 'M': {
        const std::string moved = dataFolder + "/" + line->other;
        if (pathExists(moved) && std::rename(moved.c_str(), path.c_str()) != 0) ok = false;
        break;
      }
      case 'D':
        rmdir(path.c_str());
        break;
      default:
        break;
    }
  }
  for (const JournalLine& line : lines) {
    if (line.kind == 'C' || line.kind == 'M') {
      syncFolder(dataFolder + "/" + line.path.substr(0, line.path.find_last_of('/') + 1));
    }
  }
  syncFolder(dataFolder);
  // The area goes only once nothing of the data is left in it.
  if (ok && !holdsFiles(area + "/" + kAside)) {
    removeTree(area);
    syncFolder(dataFolder);
  }
  return ok && !pathExists(area);
}

// What a rename put aside: the rollback copies of the table, markers of restored
// recordings and replaced files; not a file put back into its place.
bool putAsideBy(const JournalLine& line) {
  return line.kind == 'M' &&
         (line.other.starts_with("restore-rollback/") || line.other.ends_with(".bkp1") ||
          line.other == std::string(kTableName) + "1" ||
          line.other == std::string(kCodePageName) + "1");
}

// After the commit: what was put aside is deleted, then the area.
bool tidyCommitted(const std::string& dataFolder) {
  const std::string area = rollbackFolder(dataFolder);
  for (const JournalLine& line : readJournal(area + "/" + kJournal)) {
    if (!putAsideBy(line)) continue;
    const std::string moved = dataFolder + "/" + line.other;
    if (pathExists(moved)) unlink(moved.c_str());
  }
  removeTree(area);
  syncFolder(dataFolder);
  return !pathExists(area);
}

class RestoreRun {
 public:
  RestoreRun(const RestoreRequest& request, BackupObserver& observer)
      : request_(request),
        observer_(observer),
        area_(rollbackFolder(request.dataFolder)),
        journal_(area_ + "/" + kJournal) {}

  OperationResult run();

 private:
  bool replaceTable();
  bool restoreClient(const ClientRecord& client);
  bool restoreDates(const ClientRecord& client, const std::vector<std::string>& restored);
  // Moves the file at `path` (relative to the data folder) into the area, journalled.
  bool putAside(const std::string& path);
  bool renameJournalled(const std::string& from, const std::string& to);
  OperationResult failed();
  std::string data(const std::string& path) const { return request_.dataFolder + "/" + path; }

  const RestoreRequest& request_;
  BackupObserver& observer_;
  std::string area_;
  Journal journal_;
  OperationResult result_;
};

bool RestoreRun::renameJournalled(const std::string& from, const std::string& to) {
  return journal_.add('M', from, to) && std::rename(data(from).c_str(), data(to).c_str()) == 0;
}

bool RestoreRun::putAside(const std::string& path) {
  const std::string aside = std::string(kAside) + "/" + path;
  std::error_code error;
  std::filesystem::create_directories(area_ + "/" + aside.substr(0, aside.find_last_of('/')),
                                      error);
  return renameJournalled(path, "restore-rollback/" + aside);
}

OperationResult RestoreRun::run() {
  if (!journal_.usable()) return failed();
  syncFolder(request_.dataFolder);
  syncFolder(area_);
  if (!request_.attach && !replaceTable()) return failed();
  ClientTable table(data(kTableName));
  if (!table.exists()) {
    observer_.tell(Message{MessageId::BackupTableMissing});
    return failed();
  }
  if (const TableResult loaded = table.load(); !loaded.ok()) {
    observer_.tell(*loaded.failure);
    return failed();
  }
  for (const ClientRecord& client : table.list()) {
    if (request_.attach && std::find(request_.attach->begin(), request_.attach->end(),
                                     client.code) == request_.attach->end()) {
      continue;
    }
    if (!restoreClient(client)) return failed();
  }
  if (!core::writeFileAtomically(area_ + "/" + kCommitted, "")) {
    observer_.tell(Message{MessageId::RestoreNotFinished});
    return failed();
  }
  syncFolder(area_);
  tidyCommitted(request_.dataFolder);
  result_.ok = true;
  return result_;
}

bool RestoreRun::replaceTable() {
  const std::string setTable = request_.setFolder + "/" + kTableName;
  if (!statRegular(setTable)) {
    observer_.tell(Message{MessageId::BackupTableMissing});
    return false;
  }
  for (const char* name : {kTableName, kCodePageName}) {
    if (pathExists(data(name)) && !renameJournalled(name, std::string(name) + "1")) {
      observer_.tell(Message{MessageId::BackupTableNotCopied});
      return false;
    }
  }
  for (const char* name : {kTableName, kCodePageName}) {
    const std::string from = request_.setFolder + "/" + name;
    if (name == kCodePageName && !statRegular(from)) continue;
    if (!journal_.add('C', name) || !copyFile(from, data(name))) {
      observer_.tell(Message{MessageId::BackupTableNotCopied});
      return false;
    }
  }
  return true;
}

bool RestoreRun::restoreClient(const ClientRecord& client) {
  const std::string name = clientFolderName(client.code);
  const std::string from = request_.setFolder + "/" + name;
  const std::vector<std::string> entries = folderEntries(from);
  observer_.startClient(client.name, static_cast<int>(entries.size()));
  if (!isFolder(data(name))) {
    if (!journal_.add('D', name) || mkdir(data(name).c_str(), 0777) != 0) {
      observer_.tell(Message{MessageId::BackupCopyFailed, {name}});
      return false;
    }
  }
  if (!isFolder(from)) {
    return !request_.attach ||
           observer_.ask(Message{MessageId::RestoreClientMissing, {client.name}});
  }
  std::vector<std::string> restored;
  std::set<std::string> created;
  int done = 0;
  for (const std::string& entry : entries) {
    const std::string source = from + "/" + entry;
    // The dates file is read from the set, never copied in.
    if (!statRegular(source) || isDatesName(entry)) continue;
    if (observer_.cancelRequested()) return false;
    const bool compressed = hasExtension(entry, "mp3");
    const std::string target = compressed ? withExtension(entry, "wav") : entry;
    const std::string path = name + "/" + target;
    observer_.step(compressed ? BackupStage::Decompressing : BackupStage::Copying, entry, done++);
    bool ok = journalSafe(entry);
    const bool wasThere = ok && !created.count(target) && pathExists(data(path));
    if (ok && wasThere) ok = putAside(path);
    if (ok) ok = journal_.add('C', path);
    if (ok && request_.faults.failCopy && request_.faults.failCopy(source)) ok = false;
    if (ok)
      ok = compressed ? decodeCompressed(source, data(path)) : bool(copyFile(source, data(path)));
    if (!ok) {
      const Message question{
          compressed ? MessageId::RestoreCannotDecompress : MessageId::BackupCopyFailed, {entry}};
      if (!observer_.ask(question)) return false;
      // Going on without it: the file that was there comes back at once (journalled as a
      // move of its own, so that a rollback takes the right steps back).
      const std::string aside = std::string("restore-rollback/") + kAside + "/" + path;
      if (wasThere && pathExists(data(aside)) && !renameJournalled(aside, path)) return false;
      continue;
    }
    created.insert(target);
    restored.push_back(target);
    ++result_.files;
    if (const auto info = statRegular(data(path))) result_.bytes += info->st_size;
    result_.entries.push_back(path);
    if (isRecordingName(target)) {
      const std::string marker = name + "/" + withExtension(target, "bkp");
      if (statRegular(data(marker)) && !renameJournalled(marker, marker + "1")) return false;
    }
  }
  if (observer_.cancelRequested()) return false;
  ++result_.clients;
  return restoreDates(client, restored);
}

bool RestoreRun::restoreDates(const ClientRecord& client,
                              const std::vector<std::string>& restored) {
  if (std::none_of(restored.begin(), restored.end(), isRecordingName)) return true;
  const std::string name = clientFolderName(client.code);
  const auto text = readText(request_.setFolder + "/" + name + "/" + kDatesName);
  if (!text) {
    observer_.tell(Message{MessageId::RestoreDatesMissing});
    return observer_.ask(Message{MessageId::RestoreDatesQuestion});
  }
  for (const DatesLine& line : parseDates(*text)) {
    // Only files this run restored: any other keeps its date.
    if (std::find(restored.begin(), restored.end(), line.name) == restored.end()) continue;
    const std::string path = data(name + "/" + line.name);
    const auto info = statRegular(path);
    if (info && fileTimeOf(info->st_mtim) == line.fileTime()) continue;  // already right
    if (!info || !setModificationTime(path, timespecOfFileTime(line.fileTime()))) {
      observer_.tell(Message{MessageId::RestoreDateNotSet, {line.name}});
    }
  }
  return true;
}

OperationResult RestoreRun::failed() {
  observer_.step(BackupStage::RollingBack, {}, 0);
  if (!rollBack(request_.dataFolder, observer_)) {
    observer_.tell(Message{MessageId::RollbackIncomplete, {area_}});
  }
  result_.ok = false;
  return result_;
}

}  // namespace

OperationResult runRestore(const RestoreRequest& request, BackupObserver& observer) {
  if (findInterruptedWork(request.dataFolder).any()) {
    observer.tell(Message{MessageId::RestorePending, {request.dataFolder}});
    return {};
  }
  TableLock lock(request.dataFolder + "/" + kTableName);
  if (!lock.held()) {
    observer.tell(Message{MessageId::TableInUse});
    return {};
  }
  const std::string area = rollbackFolder(request.dataFolder);
  if (mkdir(area.c_str(), 0777) != 0) {
    observer.tell(Message{MessageId::RestoreNotFinished});
    return {};
  }
  return RestoreRun(request, observer).run();
}

bool finishInterruptedWork(const std::string& dataFolder, BackupObserver& observer) {
  const InterruptedWork work = findInterruptedWork(dataFolder);
  bool ok = settleInterruptedFreeing(dataFolder, work);
  if (work.committed) {
    ok = tidyCommitted(dataFolder) && ok;
  } else if (work.restore) {
    ok = rollBack(dataFolder, observer) && ok;
  }
  return ok && !findInterruptedWork(dataFolder).any();
}

}  // namespace sonarel::records
