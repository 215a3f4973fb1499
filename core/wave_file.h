// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading and writing 16-bit PCM WAVE files.
//
// Reading: the "RIFF"/"WAVE" form, its "fmt " chunk (at least 16 bytes) and its "data"
// chunk, whatever other chunks lie around them. Samples are taken two bytes at a time as
// signed 16-bit little-endian values whatever bitsPerSample says; the acceptance rules of
// sample_buffer.h keep other widths out. Sizes in the file are untrusted: nothing is
// allocated beyond the file's real length, and a data chunk that claims more than the file
// holds is CorruptFile.
//
// Writing: "RIFF", size, "WAVE", "fmt " with the 18-byte record, "fact" with 0, "data" with
// the samples, written to a temporary file beside the target and renamed into place.

#include <cstdint>
#include <limits>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/message.h"
#include "core/riff.h"
#include "core/wave_format.h"

namespace sonarel::core {

struct LoadedWave {
  WaveError error = WaveError::None;
  // On an error: why, naming the file (see readFailureReason).
  std::optional<Message> reason;
  WaveFormat format;
  std::vector<std::int16_t> samples;  // empty on any error, and when tooLong
  std::uint64_t dataBytes = 0;        // bytes of the data chunk present in the file
  // The data chunk lasts longer than the caller accepts: the format is filled in, error is
  // None, and not one sample has been read.
  bool tooLong = false;
};

// Opens, reads the format and the whole data chunk, closes. A data chunk of more than
// `longestSeconds` at the file's rate is not read at all (see LoadedWave::tooLong).
LoadedWave loadWave(const std::string& path,
                    double longestSeconds = std::numeric_limits<double>::infinity());

// How long the sound of a WAVE file lasts, from its format and the data its file really
// holds, without reading the samples; nothing when the file cannot be read as WAVE.
std::optional<double> waveDurationSeconds(const std::string& path);

// The step-by-step reader behind loadWave, for callers that read the data in pieces.
struct WaveReadHandle {
  std::unique_ptr<RiffReader> reader;
  RiffChunk riff;
};

struct OpenedWave {
  WaveError error = WaveError::None;
  std::optional<Message> reason;           // on an error: why, naming the file
  std::unique_ptr<WaveReadHandle> handle;  // null on error
  WaveFormat format;
};

OpenedWave openWaveForRead(const std::string& path);
// Finds the data chunk of the RIFF form; the handle is left at its first byte.
WaveError findDataChunk(WaveReadHandle& handle, RiffChunk& dataChunk);

struct PcmRead {
  WaveError error = WaveError::None;
  std::size_t samplesRead = 0;
};
// Reads up to min(byteCount, what is left of the chunk) bytes as 16-bit samples into
// `destination` (which must hold byteCount / 2 samples) and advances the chunk. A trailing
// odd byte is consumed but yields no sample.
PcmRead readPcm16(WaveReadHandle& handle, std::size_t byteCount, RiffChunk& dataChunk,
                  std::span<std::int16_t> destination);
// Closes the file and releases the format record's extra bytes.
void closeWaveRead(std::unique_ptr<WaveReadHandle>& handle, WaveFormat& format);

// Writes a complete WAVE file; on failure the previous file at `path` is untouched and the
// message names the path.
std::optional<Message> writeWave(const std::string& path, const WaveFormat& format,
                                 std::span<const std::uint8_t> bytes);
std::optional<Message> writeWave(const std::string& path, const WaveFormat& format,
                                 std::span<const std::int16_t> samples);

// Why `path` could not be read with `error`, naming it: missing, a folder, not a regular
// file, unreadable, empty, a format only Import reads (FLAC, AIFF, Ogg, MP3 and the like),
// not a WAVE file, or truncated.
Message readFailureReason(const std::string& path, WaveError error);

// The name of a WAVE format other than 16-bit PCM ("24-bit PCM WAVE", "floating-point
// WAVE", ...), or nothing for 16-bit PCM.
std::optional<std::string> otherWaveFormatName(const WaveFormat& format);

// The bytes of one sample frame (all channels): from the width and channel count, else the
// block alignment; at least 1.
std::uint32_t frameBytes(const WaveFormat& format);

// "0xE101" and the like, for error reports.
std::string waveErrorHex(WaveError error);

}  // namespace sonarel::core
