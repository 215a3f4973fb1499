// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The recording's spool, "grav.tmp" in the data folder: every captured block is appended and
// flushed as it arrives, so a recording never waits in memory and what was captured survives
// a full disk, a lost device or a closed program.
//
// Beside it, "grav.pending" says that the spool holds a recording whose WAVE file was never
// written: which file it was meant for, at what rate, and the noise filter still to apply.
// It is written when a recording starts and removed once its file is written.

#include <cstdint>
#include <cstdio>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/message.h"
#include "core/sample_buffer.h"

namespace sonarel::audio {

class RecordingSpool {
 public:
  virtual ~RecordingSpool();
  // Creates or truncates the file for writing.
  virtual bool open(const std::string& path);
  // Writes and flushes the bytes; false when the disk took less than all of them.
  virtual bool append(std::span<const std::uint8_t> bytes);
  // Closes the file and reads it back whole; nothing when it cannot be read.
  virtual std::optional<std::vector<std::uint8_t>> readBack();
  void close();

 private:
  std::string path_;
  std::FILE* file_ = nullptr;
};

std::string spoolPath(const std::string& dataFolder);

// The unfinished recording a spool holds.
struct PendingRecording {
  std::string targetPath;
  std::uint32_t sampleRate = 0;
  core::FileKind kind = core::FileKind::VoiceAnalysis;
  double noiseCutoffHz = 0;        // 0: no filter
  std::uint64_t spooledBytes = 0;  // filled by readPendingRecording
};

bool writePendingNote(const std::string& dataFolder, const PendingRecording& pending);
void clearPendingNote(const std::string& dataFolder);
// The unfinished recording of the data folder, when the note is there and the spool holds
// at least one sample.
std::optional<PendingRecording> readPendingRecording(const std::string& dataFolder);

// Turns spooled bytes into the target WAVE file (16-bit mono at the recording's rate),
// filtered first when a cutoff is set. On success the pending note is removed.
std::optional<core::Message> finishSpooledRecording(const std::string& dataFolder,
                                                    const PendingRecording& pending,
                                                    std::vector<std::uint8_t> bytes);
// The same, reading the spool of the data folder first (recovery of an unfinished recording).
std::optional<core::Message> recoverPendingRecording(const std::string& dataFolder,
                                                     const PendingRecording& pending);

}  // namespace sonarel::audio
