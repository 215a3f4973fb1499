// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/session_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <utility>

#include "records/notes_preview.h"

namespace sonarel::records {
namespace {

using core::Message;
using core::MessageId;

constexpr auto kVoice = RecordingType::VoiceAnalysis;
constexpr auto kQuality = RecordingType::VocalQuality;

std::optional<struct stat> statOf(const std::string& path) {
  struct stat info {};
  if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
  return info;
}

FileDate utcDate(std::time_t seconds) {
  std::tm parts{};
  gmtime_r(&seconds, &parts);
  return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday};
}

// Discards `path` if it is there; a failure goes into `outcome`.
void removeIfPresent(const std::string& path, const Discard& discard, DeleteOutcome& outcome) {
  if (!statOf(path)) return;
  if (discard(path)) {
    outcome.anythingDeleted = true;
  } else {
    outcome.messages.push_back(Message{MessageId::CannotDeleteFile});
  }
}

std::string lowerExtension(const std::filesystem::path& path) {
  std::string extension = path.extension().string();
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return extension;
}

}  // namespace

std::optional<FileDate> fileDate(const std::string& path) {
  const auto info = statOf(path);
  if (!info) return std::nullopt;
  return utcDate(info->st_mtime);
}

std::optional<RecordingType> typeOfKind(FileKind kind) {
  switch (kind) {
    case FileKind::Voice:
    case FileKind::VoiceWithData:
      return kVoice;
    case FileKind::Quality:
    case FileKind::QualityWithData:
      return kQuality;
    default:
      return std::nullopt;
  }
}

std::optional<SessionFile> fileInformation(const ClientFolder& folder, FileNumber number) {
  const auto voice = statOf(folder.recordingPath(kVoice, number));
  const auto notes = statOf(folder.notesPath(number));
  const auto quality = statOf(folder.recordingPath(kQuality, number));
  const auto voiceMarker = statOf(folder.markerPath(kVoice, number));
  const auto qualityMarker = statOf(folder.markerPath(kQuality, number));
  const auto companion = statOf(folder.companionPath(quality ? kQuality : kVoice, number));
  const auto* dated = voice           ? &*voice
                      : quality       ? &*quality
                      : voiceMarker   ? &*voiceMarker
                      : qualityMarker ? &*qualityMarker
                                      : nullptr;
  if (!dated) return std::nullopt;

  SessionFile file;
  file.number = number;
  file.hasSound = voice || quality;
  file.hasNotes = notes.has_value();
  file.date = utcDate(dated->st_mtime);
  // Each line overrides the ones before it.
  if (voice) file.kind = FileKind::Voice;
  if (quality) file.kind = FileKind::Quality;
  if (companion) file.kind = FileKind::VoiceWithData;
  if (quality && companion) file.kind = FileKind::QualityWithData;
  if ((voiceMarker || qualityMarker) && file.kind != FileKind::QualityWithData) {
    file.kind = FileKind::BackedUp;
  }
  if (notes) file.notesPreview = notesPreviewOfFile(folder.notesPath(number));
  return file;
}

std::vector<SessionFile> listSessionFiles(const ClientFolder& folder) {
  std::vector<SessionFile> files;
  for (FileNumber n = 1; n <= kScanLimit; ++n) {
    if (auto file = fileInformation(folder, n)) files.push_back(std::move(*file));
  }
  std::stable_sort(files.begin(), files.end(), [](const SessionFile& a, const SessionFile& b) {
    return a.date.key() != b.date.key() ? a.date.key() > b.date.key() : a.number > b.number;
  });
  return files;
}

std::string dateText(const FileDate& d, DateOrder order) {
  char text[32];
  switch (order) {
    case DateOrder::MonthDayYear:
      std::snprintf(text, sizeof text, "%02d/%02d/%04d", d.month, d.day, d.year);
      break;
    case DateOrder::YearMonthDay:
      std::snprintf(text, sizeof text, "%04d/%02d/%02d", d.year, d.month, d.day);
      break;
    case DateOrder::DayMonthYear:
      std::snprintf(text, sizeof text, "%02d/%02d/%04d", d.day, d.month, d.year);
      break;
  }
  return text;
}

std::string fileListLabel(const SessionFile& file, DateOrder order) {
  return dateText(file.date, order) + " File " + std::to_string(file.number);
}

std::optional<FileDate> fileDateOf(const std::string& path) {
  const auto info = statOf(path);
  if (!info) return std::nullopt;
  return utcDate(info->st_mtime);
}

std::optional<FileDate> birthDateOf(const std::string& stored) {
  if (stored.size() != 8) return std::nullopt;
  for (char c : stored)
    if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
  return FileDate{std::stoi(stored.substr(4, 4)), std::stoi(stored.substr(2, 2)),
                  std::stoi(stored.substr(0, 2))};
}

core::Message fileToDelete(FileNumber number, RecordingType type, const FileDate& date,
                           DateOrder order) {
  return Message{
      type == kVoice ? MessageId::DeleteWhichVoiceFile : MessageId::DeleteWhichQualityFile,
      {std::to_string(number), dateText(date, order)}};
}

std::optional<FileNumber> numberOfLabel(const std::string& label) {
  std::size_t start = label.size();
  while (start > 0 && std::isdigit(static_cast<unsigned char>(label[start - 1]))) --start;
  if (start == label.size() || label.size() - start > 6) return std::nullopt;
  return std::stoi(label.substr(start));
}

DeleteOutcome deleteSessionFile(const ClientFolder& folder, FileNumber number, RecordingType type,
                                Discard discard) {
  discard = discardInto(folder.dataFolder(), std::move(discard));
  DeleteOutcome outcome;
  removeIfPresent(folder.recordingPath(type, number), discard, outcome);
  removeIfPresent(folder.notesPath(number), discard, outcome);
  if (!outcome.anythingDeleted && outcome.messages.empty()) {
    outcome.messages.push_back(Message{MessageId::NothingToErase});
  }
  return outcome;
}

DeleteOutcome deleteListedFile(const ClientFolder& folder, const SessionFile& file,
                               Discard discard) {
  if (file.kind == FileKind::BackedUp) return {{Message{MessageId::FileSentToBackup}}, false};
  discard = discardInto(folder.dataFolder(), std::move(discard));
  DeleteOutcome outcome;
  const std::string voice = folder.recordingPath(kVoice, file.number);
  removeIfPresent(statOf(voice) ? voice : folder.recordingPath(kQuality, file.number), discard,
                  outcome);
  removeIfPresent(folder.notesPath(file.number), discard, outcome);
  return outcome;
}

DeleteOutcome deleteClientFolder(const ClientFolder& folder, Discard discard) {
  discard = discardInto(folder.dataFolder(), std::move(discard));
  DeleteOutcome outcome;
  if (!folder.exists()) return outcome;  // nothing was ever recorded
  constexpr std::array kErased{".wav", ".rtf", ".dat", ".txt"};
  const auto erased = [&](const std::filesystem::directory_entry& entry) {
    std::error_code error;
    return entry.is_regular_file(error) &&
           std::find(kErased.begin(), kErased.end(), lowerExtension(entry.path())) != kErased.end();
  };
  std::error_code error;
  std::vector<std::filesystem::directory_entry> entries;
  for (const auto& entry : std::filesystem::directory_iterator(folder.path(), error)) {
    entries.push_back(entry);
  }
  // A folder of nothing but erasable files goes whole, so that it comes back as one.
  if (!error && !entries.empty() && std::all_of(entries.begin(), entries.end(), erased)) {
    if (discard(folder.path())) {
      outcome.anythingDeleted = true;
      return outcome;
    }
  }
  for (const char* pattern : kErased) {
    for (const auto& entry : entries) {
      if (erased(entry) && lowerExtension(entry.path()) == pattern) {
        removeIfPresent(entry.path().string(), discard, outcome);
      }
    }
  }
  if (rmdir(folder.path().c_str()) != 0) {
    outcome.messages.push_back(Message{MessageId::ClientFolderNotDeleted});
  }
  return outcome;
}

}  // namespace sonarel::records
