// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/wave_file.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdio>
#include <cstring>
#include <new>

#include <sys/stat.h>

#include <cerrno>

#include "core/atomic_file.h"
#include "core/regular_file.h"

namespace sonarel::core {
namespace {

constexpr FourCC kWave = makeFourCC("WAVE");
constexpr FourCC kFmt = makeFourCC("fmt ");
constexpr FourCC kData = makeFourCC("data");
constexpr FourCC kFact = makeFourCC("fact");
constexpr FourCC kRiffId = makeFourCC("RIFF");

std::uint16_t get16(const std::uint8_t* b) {
  return static_cast<std::uint16_t>(b[0] | b[1] << 8);
}
std::uint32_t get32(const std::uint8_t* b) {
  return static_cast<std::uint32_t>(get16(b)) | static_cast<std::uint32_t>(get16(b + 2)) << 16;
}
void put16(std::vector<std::uint8_t>& out, std::uint16_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  put16(out, static_cast<std::uint16_t>(v));
  put16(out, static_cast<std::uint16_t>(v >> 16));
}

// Reads the "fmt " chunk the reader is positioned in.
WaveError readFormat(RiffReader& reader, const RiffChunk& fmt, WaveFormat& format) {
  if (fmt.size < 16) return WaveError::NotWaveFile;
  std::array<std::uint8_t, 16> record{};
  if (reader.available(fmt) < record.size() || reader.read(record) != record.size()) {
    return WaveError::CannotRead;
  }
  format.formatTag = get16(record.data());
  format.channels = get16(record.data() + 2);
  format.sampleRate = get32(record.data() + 4);
  format.bytesPerSecond = get32(record.data() + 8);
  format.blockAlign = get16(record.data() + 12);
  format.bitsPerSample = get16(record.data() + 14);
  format.extraSize = 0;
  format.extra.clear();
  if (format.formatTag == kFormatPcm) return WaveError::None;

  std::array<std::uint8_t, 2> extraSize{};
  if (reader.available(fmt) < extraSize.size() || reader.read(extraSize) != extraSize.size()) {
    return WaveError::CannotRead;
  }
  format.extraSize = get16(extraSize.data());
  // The stated extra size is checked against the chunk before anything is allocated.
  if (reader.available(fmt) < format.extraSize) return WaveError::NotWaveFile;
  format.extra.resize(format.extraSize);
  if (reader.read(format.extra) != format.extra.size()) return WaveError::NotWaveFile;
  return WaveError::None;
}

[[maybe_unused]] void decodePcm16(const std::uint8_t* bytes, std::size_t samples,
                                  std::int16_t* out) {
  for (std::size_t i = 0; i < samples; ++i)
    out[i] = static_cast<std::int16_t>(get16(bytes + 2 * i));
}

// The name of a sound format that is not RIFF WAVE, known by its first bytes.
std::optional<std::string> foreignFormatName(const std::string& head) {
  const auto starts = [&](std::string_view magic, std::size_t at = 0) {
    return head.size() >= at + magic.size() && head.compare(at, magic.size(), magic) == 0;
  };
  if (starts("fLaC")) return "FLAC";
  if (starts("FORM") && starts("AIFF", 8)) return "AIFF";
  if (starts("FORM") && starts("AIFC", 8)) return "AIFF-C";
  if (starts("OggS")) return "Ogg";
  if (starts("ID3")) return "MP3";
  if (head.size() >= 2 && static_cast<unsigned char>(head[0]) == 0xFF &&
      (static_cast<unsigned char>(head[1]) & 0xE0) == 0xE0) {
    return "MP3";
  }
  if (starts("RIFX")) return "big-endian WAVE";
  if (starts("RF64")) return "RF64 WAVE";
  if (starts("caff")) return "CAF";
  if (starts(".snd")) return "AU";
  return std::nullopt;
}

}  // namespace

Message readFailureReason(const std::string& path, WaveError error) {
  struct stat info {};
  if (stat(path.c_str(), &info) != 0) {
    const bool missing = errno == ENOENT || errno == ENOTDIR;
    return Message{missing ? MessageId::FileMissing : MessageId::FileUnreadable, {path}};
  }
  if (S_ISDIR(info.st_mode)) return Message{MessageId::FileIsFolder, {path}};
  if (!S_ISREG(info.st_mode)) return Message{MessageId::FileNotRegular, {path}};
  if (info.st_size == 0) return Message{MessageId::FileEmpty, {path}};
  if (error == WaveError::OutOfMemory) return Message{MessageId::FileTooLarge, {path}};
  const auto head = readRegularFile(path, 16);
  if (!head) return Message{MessageId::FileUnreadable, {path}};
  if (auto name = foreignFormatName(*head)) {
    return Message{MessageId::FileImportOnly, {path, *name}};
  }
  if (error == WaveError::CannotRead || error == WaveError::CorruptFile) {
    return Message{MessageId::FileTruncated, {path}};
  }
  // A RIFF WAVE form that is cut short before its chunks are complete.
  if (head->size() >= 12 && head->compare(0, 4, "RIFF") == 0 && head->compare(8, 4, "WAVE") == 0) {
    const auto* b = reinterpret_cast<const std::uint8_t*>(head->data());
    if (static_cast<std::uint64_t>(get32(b + 4)) + 8 > static_cast<std::uint64_t>(info.st_size)) {
      return Message{MessageId::FileTruncated, {path}};
    }
  }
  return Message{MessageId::FileNotWave, {path}};
}

std::optional<std::string> otherWaveFormatName(const WaveFormat& format) {
  constexpr std::uint16_t kFloat = 3, kExtensible = 0xFFFE;
  if (format.formatTag == kFloat) return "floating-point WAVE";
  if (format.formatTag != kFormatPcm && format.formatTag != kExtensible) {
    return "compressed WAVE";
  }
  if (format.bitsPerSample == 16) return std::nullopt;
  return std::to_string(format.bitsPerSample) + "-bit PCM WAVE";
}

std::uint32_t frameBytes(const WaveFormat& format) {
  const std::uint32_t fromWidth = format.channels * ((format.bitsPerSample + 7u) / 8u);
  if (fromWidth > 0) return fromWidth;
  return std::max<std::uint32_t>(format.blockAlign, 1);
}

WaveFormat pcm16MonoFormat(std::uint32_t sampleRate) {
  WaveFormat format;
  format.sampleRate = sampleRate;
  format.bytesPerSecond = sampleRate * 2;
  return format;
}

OpenedWave openWaveForRead(const std::string& path) {
  OpenedWave opened;
  auto handle = std::make_unique<WaveReadHandle>();
  handle->reader = RiffReader::open(path);
  if (!handle->reader) {
    opened.error = WaveError::CannotOpen;
    opened.reason = readFailureReason(path, opened.error);
    return opened;
  }
  RiffReader& reader = *handle->reader;
  if (!reader.descendRiff(handle->riff) || handle->riff.formType != kWave) {
    opened.error = WaveError::NotWaveFile;
    opened.reason = readFailureReason(path, opened.error);
    return opened;
  }
  RiffChunk fmt;
  if (!reader.descend(fmt, handle->riff, kFmt)) {
    opened.error = WaveError::NotWaveFile;
    opened.reason = readFailureReason(path, opened.error);
    return opened;
  }
  opened.error = readFormat(reader, fmt, opened.format);
  if (opened.error != WaveError::None) {
    opened.format = {};
    opened.reason = readFailureReason(path, opened.error);
    return opened;
  }
  reader.ascend(fmt);
  opened.handle = std::move(handle);
  return opened;
}

WaveError findDataChunk(WaveReadHandle& handle, RiffChunk& dataChunk) {
  RiffReader& reader = *handle.reader;
  if (!reader.seek(handle.riff.dataOffset + 4)) return WaveError::CannotRead;
  if (!reader.descend(dataChunk, handle.riff, kData)) return WaveError::NotWaveFile;
  return WaveError::None;
}

PcmRead readPcm16(WaveReadHandle& handle, std::size_t byteCount, RiffChunk& dataChunk,
                  std::span<std::int16_t> destination) {
  PcmRead result;
  RiffReader& reader = *handle.reader;
  // What the chunk claims, against what is really left of it in the file.
  const std::uint64_t claimed = dataChunk.dataOffset + dataChunk.size > reader.position()
                                    ? dataChunk.dataOffset + dataChunk.size - reader.position()
                                    : 0;
  const std::uint64_t wanted = std::min<std::uint64_t>(byteCount, claimed);
  const std::uint64_t present = std::min(wanted, reader.available(dataChunk));
  const std::size_t samples = std::min<std::size_t>(present / 2, destination.size());
  std::size_t got = 0;
  if constexpr (std::endian::native == std::endian::little) {
    // Straight into the destination: one pass through the file buffer, no copy.
    got = reader.read(std::span(reinterpret_cast<std::uint8_t*>(destination.data()), samples * 2));
  } else {
    std::vector<std::uint8_t> bytes(samples * 2);
    got = reader.read(bytes);
    decodePcm16(bytes.data(), got / 2, destination.data());
  }
  result.samplesRead = got / 2;
  // The odd byte of an odd-sized chunk is consumed without giving a sample.
  if (got == samples * 2 && present == got + 1) {
    std::array<std::uint8_t, 1> odd{};
    got += reader.read(odd);
  }
  if (got < wanted) result.error = WaveError::CorruptFile;
  return result;
}

void closeWaveRead(std::unique_ptr<WaveReadHandle>& handle, WaveFormat& format) {
  handle.reset();
  format.extra.clear();
  format.extra.shrink_to_fit();
}

std::optional<double> waveDurationSeconds(const std::string& path) {
  OpenedWave opened = openWaveForRead(path);
  if (opened.error != WaveError::None) return std::nullopt;
  RiffChunk data;
  if (findDataChunk(*opened.handle, data) != WaveError::None) return std::nullopt;
  const std::uint64_t present = opened.handle->reader->available(data);
  const WaveFormat& format = opened.format;
  if (format.sampleRate == 0) return std::nullopt;
  return static_cast<double>(present / frameBytes(format)) / format.sampleRate;
}

LoadedWave loadWave(const std::string& path, double longestSeconds) {
  LoadedWave loaded;
  OpenedWave opened = openWaveForRead(path);
  if (opened.error != WaveError::None) {
    loaded.error = opened.error;
    loaded.reason = std::move(opened.reason);
    return loaded;
  }
  RiffChunk data;
  loaded.error = findDataChunk(*opened.handle, data);
  if (loaded.error == WaveError::None) {
    // Never allocate for more than the file really holds.
    const std::uint64_t present = opened.handle->reader->available(data);
    loaded.dataBytes = present;
    const double rate = std::max<std::uint32_t>(opened.format.sampleRate, 1);
    if (static_cast<double>(present / 2) > longestSeconds * rate) {
      loaded.tooLong = true;
      closeWaveRead(opened.handle, opened.format);
      loaded.format = std::move(opened.format);
      return loaded;
    }
    try {
      loaded.samples.resize(static_cast<std::size_t>(present / 2));
    } catch (const std::bad_alloc&) {
      loaded.error = WaveError::OutOfMemory;
    }
  }
  if (loaded.error == WaveError::None) {
    const PcmRead read = readPcm16(*opened.handle, data.size, data, loaded.samples);
    loaded.error = read.error;
    loaded.samples.resize(read.samplesRead);
  }
  if (loaded.error != WaveError::None) {
    loaded.samples = {};
    loaded.reason = readFailureReason(path, loaded.error);
    closeWaveRead(opened.handle, opened.format);
    return loaded;
  }
  opened.handle.reset();
  loaded.format = std::move(opened.format);
  return loaded;
}

std::optional<Message> writeWave(const std::string& path, const WaveFormat& format,
                                 std::span<const std::uint8_t> bytes) {
  const Message failure = writeFailure(path, Message{MessageId::FileCannotBeRecorded, {path}});
  auto file = AtomicFile::create(path);
  if (!file) return failure;

  std::vector<std::uint8_t> record;
  put16(record, format.formatTag);
  put16(record, format.channels);
  put32(record, format.sampleRate);
  put32(record, format.bytesPerSecond);
  put16(record, format.blockAlign);
  put16(record, format.bitsPerSample);
  put16(record, 0);
  std::vector<std::uint8_t> fact;
  put32(fact, 0);

  RiffWriter writer(file->stream());
  RiffChunk riff, fmt, factChunk, data;
  writer.createChunk(riff, kRiffId, kWave);
  writer.createChunk(fmt, kFmt);
  writer.write(record);
  writer.ascend(fmt);
  writer.createChunk(factChunk, kFact);
  writer.write(fact);
  writer.ascend(factChunk);
  writer.createChunk(data, kData);
  writer.write(bytes);
  writer.ascend(data);
  writer.ascend(riff);
  if (!writer.ok() || !file->commit()) return failure;
  return std::nullopt;
}

std::optional<Message> writeWave(const std::string& path, const WaveFormat& format,
                                 std::span<const std::int16_t> samples) {
  if constexpr (std::endian::native == std::endian::little) {
    return writeWave(
        path, format,
        std::span(reinterpret_cast<const std::uint8_t*>(samples.data()), samples.size_bytes()));
  } else {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(samples.size_bytes());
    for (std::int16_t s : samples) put16(bytes, static_cast<std::uint16_t>(s));
    return writeWave(path, format, bytes);
  }
}

std::string waveErrorHex(WaveError error) {
  char text[8];
  std::snprintf(text, sizeof text, "0x%04X", static_cast<unsigned>(error));
  return text;
}

}  // namespace sonarel::core
