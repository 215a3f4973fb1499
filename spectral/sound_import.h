// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Bringing an outside sound file in as a recording: 16-bit mono PCM WAVE at a rate the
// recording's kind accepts (11025 or 22050 Hz for voice analysis, 44100 Hz for vocal
// quality).
//
// Reading: a 16-bit PCM WAVE file is read by the program's own WAVE reader, so that a file
// already in the needed format can be copied byte for byte. Anything else libsndfile reads
// (FLAC, Ogg Vorbis and Opus, MP3, AIFF, 8-, 24- and 32-bit or float WAVE, ...) is read
// through it and each sample becomes 16 bits: the value scaled so that full scale is 32768,
// rounded to the nearest integer (halves away from zero), and clipped to -32768..32767, with
// the clipped samples counted. A WAVE file of another width that libsndfile cannot read is
// refused as not 16 bits; any other file as one that cannot be opened.
//
// One channel is made from several: the first (left), the second (right), or the mean of
// all channels of each frame rounded to the nearest integer (halves away from zero).

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "core/message.h"
#include "core/sample_buffer.h"
#include "spectral/resample.h"

namespace sonarel::spectral {

struct ImportSource {
  std::string path;
  int sampleRate = 0;  // Hz
  int channels = 1;
  std::vector<std::int16_t> samples;  // interleaved frames, 16 bits
  // A 16-bit PCM WAVE file: copying it changes nothing but its name.
  bool pcm16Wave = false;
  std::int64_t clipped = 0;  // samples beyond the 16-bit range, clipped

  std::int64_t frames() const { return static_cast<std::int64_t>(samples.size()) / channels; }
};

// Reads `path` for import. Refusals: "File can´t be opened!" (unreadable, not a sound file,
// or no samples), the 16-bit refusal, and RecordingTooLong for a file longer than
// `longestSeconds` (refused before its samples are read).
std::variant<ImportSource, core::Message> ReadImportSource(
    const std::string& path, double longestSeconds = core::kLongestRecordingSeconds);

enum class ChannelChoice { Left, Right, Mix };

// One channel of interleaved frames; a mono source is returned as it is.
std::vector<std::int16_t> ChooseChannel(std::span<const std::int16_t> interleaved, int channels,
                                        ChannelChoice choice);

// 11025 or 22050 Hz for voice analysis, 44100 Hz for vocal quality.
bool RateSuitsKind(core::FileKind kind, int sampleRate);

// Whether `source` needs the conversion question before it becomes a recording of `kind`:
// anything but a 16-bit mono PCM WAVE file at a rate the kind accepts.
bool ImportNeedsConversion(const ImportSource& source, core::FileKind kind);

// The rate a recording of `kind` made from `source` gets unless the user chooses: the
// source's own when the kind accepts it, else 22050 Hz for voice analysis and 44100 Hz for
// vocal quality.
int DefaultImportRate(const ImportSource& source, core::FileKind kind);

// What an import to `targetRate` does with a source.
enum class ImportAction {
  Copy,          // 16-bit mono PCM WAVE at that rate: copied byte for byte
  WriteChannel,  // at that rate: one channel written as 16-bit mono PCM WAVE
  ConvertRate,   // one channel converted to that rate
};
ImportAction PlanImport(const ImportSource& source, int targetRate);

struct ImportRequest {
  std::string targetPath;
  int targetRate = 22050;  // Hz
  ChannelChoice channel = ChannelChoice::Mix;
};

// Writes the recording for `request` through the atomic writer: copy, channel or conversion as
// PlanImport says. Nothing on success; on failure (ResampleFailure's message, or a cancel from
// `progress`) the file at the target path is untouched.
std::optional<ResampleFailure> ImportSoundFile(const ImportSource& source,
                                               const ImportRequest& request,
                                               const ResampleProgress& progress = {});

}  // namespace sonarel::spectral
