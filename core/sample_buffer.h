// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The open recording: its samples, format, path and kind, the view's state code, the range
// the analyses use and the flags that say which analyses are current for these samples.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/message.h"
#include "core/wave_format.h"

namespace sonarel::core {

using SampleIndex = std::int64_t;

enum class FileKind : int {
  VoiceAnalysis = 0,  // "wv" files, 11025 or 22050 Hz
  VocalQuality = 1,   // "qv" files, 44100 Hz sustained vowels
};

// State codes of the view around a load.
constexpr int kStateOpening = -1;
constexpr int kStateReleased = -2;
constexpr int kStateLoaded = 0;

// Which analyses match the loaded samples and current settings. Cleared on every load,
// edit and release; each analysis sets its own.
struct AnalysisFlags {
  bool f0Computed = false;
  bool intensityComputed = false;
  bool segmentsComputed = false;

  void clear() { *this = {}; }
};

// First and last sample of the displayed or selected stretch.
struct SampleRange {
  SampleIndex first = 0;
  SampleIndex last = 0;

  bool operator==(const SampleRange&) const = default;
};

struct SampleBuffer {
  std::vector<std::int16_t> samples;
  WaveFormat format;
  std::string path;
  FileKind kind = FileKind::VoiceAnalysis;
  int state = kStateReleased;
  AnalysisFlags flags;
  SampleRange range;

  // Number of samples; 0 means no file is loaded.
  std::int32_t count() const { return static_cast<std::int32_t>(samples.size()); }
  bool loaded() const { return !samples.empty(); }
  double durationSeconds() const;
};

// Whether a file of this format may be opened as `kind`: the message that refuses it, or
// nothing. Voice analysis takes up to 22050 Hz, vocal quality exactly 44100 Hz; both need
// 16-bit mono. A stereo file is refused with its kind's message (which says "Mono") rather
// than having its interleaved samples analysed as one channel.
std::optional<MessageId> acceptanceMessage(FileKind kind, const WaveFormat& format);

// The same refusal with the reasons below it, naming `path`: a format only Import reads,
// more than one channel, a rate the kind does not take.
std::optional<Message> acceptanceRefusal(FileKind kind, const WaveFormat& format,
                                         const std::string& path);

// The kind a file opened from outside a client folder is taken as: 44100 Hz is vocal
// quality, any other rate voice analysis.
FileKind kindForRate(std::uint32_t sampleRate);
// The same for the file at `path`, by the rate in its header (read before any sample); a
// file whose header cannot be read is taken as voice analysis, which then refuses it.
FileKind kindOfFile(const std::string& path);

// The longest recording opened for analysis, in the window and on the command line alike.
// Recordings made here last at most 120 s; longer ones come from elsewhere, and the analyses
// need several times the samples' own memory, so a file beyond this is refused before a
// sample of it is read. Half an hour at 44100 Hz is 159 MB of samples.
constexpr double kLongestRecordingSeconds = 30 * 60;

// Loads `path` into `buffer` as `buffer.kind`. On success the path is remembered, the flags
// cleared and the range reset to the whole file. On failure the buffer is released and the
// message to show is returned: "Error Reading File!" for a file that cannot be read or holds
// no samples, the kind's rate message for a refused format, RecordingTooLong for a file
// longer than kLongestRecordingSeconds. Each carries the reason, naming the file, as its
// detail. `waveError`, when given, receives the reader's code.
std::optional<Message> openSoundFile(SampleBuffer& buffer, const std::string& path,
                                     WaveError* waveError = nullptr);

// Frees the samples and marks the buffer released.
void releaseSoundFile(SampleBuffer& buffer);

}  // namespace sonarel::core
