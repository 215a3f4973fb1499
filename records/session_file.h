// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a client's file list shows for each taken number: the kind (and so the icon), the
// recording's date and the preview of its notes; and the deletions of a file and of a whole
// client folder.

#include <optional>
#include <string>
#include <vector>

#include "core/message.h"
#include "records/client_folder.h"
#include "records/trash.h"

namespace sonarel::records {

// The kind of a listed number, also its icon: 0 voice analysis, 1 vocal quality, 2 voice
// analysis with companion data, 3 vocal quality with companion data, 4 only a backup
// marker (cannot be opened, deleted or annotated).
enum class FileKind : int {
  Voice = 0,
  Quality = 1,
  VoiceWithData = 2,
  QualityWithData = 3,
  BackedUp = 4,
};

// The recording type a kind opens as; nothing for a backed-up number.
std::optional<RecordingType> typeOfKind(FileKind kind);

struct FileDate {
  int year = 0;
  int month = 0;
  int day = 0;

  int key() const { return year * 10000 + month * 100 + day; }  // YYYYMMDD
};

struct SessionFile {
  FileNumber number = 0;
  bool hasSound = false;
  bool hasNotes = false;
  FileDate date;  // UTC date of the recording's (or marker's) last change
  FileKind kind = FileKind::Voice;
  std::string notesPreview;
};

// The UTC date of the last change of the regular file at `path`; nothing when it cannot be
// read.
std::optional<FileDate> fileDate(const std::string& path);

// The information of `number`; nothing when the number is not taken.
std::optional<SessionFile> fileInformation(const ClientFolder& folder, FileNumber number);

// Every taken number up to the scan's limit, newest first (equal dates by number, highest
// first).
std::vector<SessionFile> listSessionFiles(const ClientFolder& folder);

enum class DateOrder { MonthDayYear, YearMonthDay, DayMonthYear };

// "%02d/%02d/%04d" in `order` ("%04d/%02d/%02d" for year first).
std::string dateText(const FileDate& date, DateOrder order);
// The date text, then " File %d".
std::string fileListLabel(const SessionFile& file, DateOrder order);
// The UTC date of the last change of the regular file `path`; nothing when it cannot be read.
std::optional<FileDate> fileDateOf(const std::string& path);
// A stored birth date (DDMMYYYY); nothing for anything else (an empty one, say).
std::optional<FileDate> birthDateOf(const std::string& stored);
// The number at the end of a label; nothing when it has no digits there.
std::optional<FileNumber> numberOfLabel(const std::string& label);

// The file a deletion would erase, for the question's informative text: its number, kind
// and date ("File 3, voice analysis, recorded 03/14/2026").
core::Message fileToDelete(FileNumber number, RecordingType type, const FileDate& date,
                           DateOrder order);

struct DeleteOutcome {
  std::vector<core::Message> messages;  // one per failure, in order
  bool anythingDeleted = false;
};

// Deleting moves files through `discard` (records/trash.h); without one they go to the data
// folder's Trash.

// Deletes the recording of `type` and `number` and its notes. When neither existed the
// outcome carries "There is no Information to be erased!".
DeleteOutcome deleteSessionFile(const ClientFolder& folder, FileNumber number, RecordingType type,
                                Discard discard = {});

// From the file list: the voice-analysis recording, or the vocal-quality one when there is
// no voice-analysis file, then the notes. A backed-up number is refused.
DeleteOutcome deleteListedFile(const ClientFolder& folder, const SessionFile& file,
                               Discard discard = {});

// Deletes the folder's recordings, notes, caches and texts (".wav", ".rtf", ".dat",
// ".txt", in any case), then the folder. A folder holding nothing else is discarded whole;
// otherwise backup markers and companion files stay, and then the folder stays too, with
// "Client Folder can´t be deleted!".
DeleteOutcome deleteClientFolder(const ClientFolder& folder, Discard discard = {});

}  // namespace sonarel::records
