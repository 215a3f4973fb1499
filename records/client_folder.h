// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A client's folder in the data folder and the names of the files in it: recordings
// "wv%03d.wav" (voice analysis) and "qv%03d.wav" (vocal quality), notes "an%03d.rtf",
// backup markers ".bkp" and companion data ".ddt". A file number is taken as soon as a
// recording or a backup marker with that number exists; numbers are never reused below the
// highest taken one.

#include <optional>
#include <string>

#include "core/message.h"
#include "core/sample_buffer.h"

namespace sonarel::records {

using ClientCode = int;
using FileNumber = int;

// The recording types: 0 voice analysis ("wv"), 1 vocal quality ("qv").
using RecordingType = core::FileKind;

// Numbers scanned when looking for the next one, and the highest a new file may follow.
constexpr FileNumber kScanLimit = 165;
constexpr FileNumber kMaxFilesPerClient = 150;
// A run of this many free numbers ends the scan.
constexpr int kMissesBeforeStop = 16;

// "pac%03d": the folder name of a client.
std::string clientFolderName(ClientCode code);

class ClientFolder {
 public:
  ClientFolder(std::string dataFolder, ClientCode code);

  ClientCode code() const { return code_; }
  const std::string& dataFolder() const { return dataFolder_; }
  // DATA/pac%03d
  const std::string& path() const { return path_; }
  bool exists() const;

  std::string recordingPath(RecordingType type, FileNumber number) const;  // wv/qv .wav
  std::string markerPath(RecordingType type, FileNumber number) const;     // wv/qv .bkp
  std::string companionPath(RecordingType type, FileNumber number) const;  // wv/qv .ddt
  std::string notesPath(FileNumber number) const;                          // an .rtf
  // The segment cache of a vocal-quality recording: its path with "dat" for "wav".
  std::string segmentCachePath(FileNumber number) const;

  // A recording or a backup marker of either type holds the number.
  bool isTaken(FileNumber number) const;

 private:
  std::string dataFolder_;
  ClientCode code_;
  std::string path_;
};

struct NextNumber {
  FileNumber number = -1;  // -1 when no new file may be made
  std::optional<core::Message> failure;
};

// The number for a new recording: one above the highest taken number found before a run
// of 16 free numbers (or the scan's limit of 165), 1 for an empty folder. Refused with the
// 150-files message when the highest taken number is above 150.
NextNumber nextFileNumber(const ClientFolder& folder);

// Where a new recording of `type` goes, for the recorder.
struct RecordingTarget {
  FileNumber number = -1;
  std::string path;  // DATA/pac%03d/wv%03d.wav or .../qv%03d.wav
  std::optional<core::Message> failure;

  bool ok() const { return !failure; }
};

// The next number and the recording's full path. Refused when the client folder is missing
// (nothing could be written there) or the client already has 150 files.
RecordingTarget targetForNewRecording(const std::string& dataFolder, ClientCode code,
                                      RecordingType type);

}  // namespace sonarel::records
