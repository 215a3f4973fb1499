// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/client_folder.h"

#include <sys/stat.h>

#include <cstdio>

namespace sonarel::records {
namespace {

bool fileExists(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0;
}

std::string numbered(const char* prefix, FileNumber number, const char* extension) {
  char name[48];
  std::snprintf(name, sizeof name, "%s%03d.%s", prefix, number, extension);
  return name;
}

const char* prefixOf(RecordingType type) {
  return type == RecordingType::VocalQuality ? "qv" : "wv";
}

}  // namespace

std::string clientFolderName(ClientCode code) {
  char name[32];
  std::snprintf(name, sizeof name, "pac%03d", code);
  return name;
}

ClientFolder::ClientFolder(std::string dataFolder, ClientCode code)
    : dataFolder_(std::move(dataFolder)),
      code_(code),
      path_(dataFolder_ + "/" + clientFolderName(code)) {}

bool ClientFolder::exists() const {
  struct stat info {};
  return stat(path_.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string ClientFolder::recordingPath(RecordingType type, FileNumber number) const {
  return path_ + "/" + numbered(prefixOf(type), number, "wav");
}

std::string ClientFolder::markerPath(RecordingType type, FileNumber number) const {
  return path_ + "/" + numbered(prefixOf(type), number, "bkp");
}

std::string ClientFolder::companionPath(RecordingType type, FileNumber number) const {
  return path_ + "/" + numbered(prefixOf(type), number, "ddt");
}

std::string ClientFolder::notesPath(FileNumber number) const {
  return path_ + "/" + numbered("an", number, "rtf");
}

std::string ClientFolder::segmentCachePath(FileNumber number) const {
  return path_ + "/" + numbered("qv", number, "dat");
}

bool ClientFolder::isTaken(FileNumber number) const {
  for (RecordingType type : {RecordingType::VoiceAnalysis, RecordingType::VocalQuality}) {
    if (fileExists(recordingPath(type, number)) || fileExists(markerPath(type, number))) {
      return true;
    }
  }
  return false;
}

NextNumber nextFileNumber(const ClientFolder& folder) {
  FileNumber highest = 0;
  int misses = 0;
  for (FileNumber n = 1; n <= kScanLimit; ++n) {
    if (folder.isTaken(n)) {
      highest = n;
      misses = 0;
    } else if (++misses >= kMissesBeforeStop) {
      break;
    }
  }
  if (highest > kMaxFilesPerClient) return {-1, core::Message{core::MessageId::TooManyFiles}};
  return {highest + 1, std::nullopt};
}

RecordingTarget targetForNewRecording(const std::string& dataFolder, ClientCode code,
                                      RecordingType type) {
  const ClientFolder folder(dataFolder, code);
  RecordingTarget target;
  if (!folder.exists()) {
    target.failure =
        core::Message{core::MessageId::FileCannotBeRecorded, {folder.recordingPath(type, 1)}};
    return target;
  }
  const NextNumber next = nextFileNumber(folder);
  if (next.failure) {
    target.failure = next.failure;
    return target;
  }
  target.number = next.number;
  target.path = folder.recordingPath(type, next.number);
  return target;
}

}  // namespace sonarel::records
