#pragma once
// What "&Record..." works on: the client file the view has open or has prepared for a new
// recording (its number, type and path), and the rate of new voice-analysis recordings.

#include <cstdint>
#include <optional>
#include <string>

#include "core/sample_buffer.h"

namespace sonarel::app {

struct ClientFileRef {
  int clientCode = -1;
  int fileNumber = -1;
  core::FileKind kind = core::FileKind::VoiceAnalysis;
  std::string path;  // DATA/pac%03d/wv%03d.wav or .../qv%03d.wav
};

struct RecordingSlot {
  std::optional<ClientFileRef> file;
  std::uint32_t voiceAnalysisRate = 11025;  // 11025 or 22050 Hz
};

// Singers are recorded at 22050 Hz, every other client type at 11025 Hz.
std::uint32_t recordingRateForClientType(int clientType);

// The client file at `path` when it is a recording in a client folder of `dataFolder`.
ClientFileRef clientFileRef(const std::string& dataFolder, int clientCode, int fileNumber,
                            core::FileKind kind);
std::optional<ClientFileRef> clientFileAt(const std::string& dataFolder, const std::string& path);

// Display modes from this one on play the recording with the analysis in step.
constexpr int kFirstRealTimeMode = 20;

// Recording needs a file number and no real-time display running.
inline bool recordCommandAvailable(const RecordingSlot& slot, int displayMode) {
  return slot.file.has_value() && displayMode < kFirstRealTimeMode;
}

}  // namespace sonarel::app
