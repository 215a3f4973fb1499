// SPDX-License-Identifier: GPL-3.0-or-later
#include "spectral/sound_import.h"

#include <sndfile.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <new>

#include "core/atomic_file.h"
#include "core/regular_file.h"
#include "core/wave_file.h"

namespace sonarel::spectral {
namespace {

using core::Message;
using core::MessageId;

Message CannotOpen() {
  return Message{MessageId::ImportCannotOpen};
}

Message TooLong(const std::string& path) {
  return Message{MessageId::RecordingTooLong,
                 {path, std::to_string(static_cast<int>(core::kLongestRecordingSeconds / 60))}};
}

struct SndfileCloser {
  void operator()(SNDFILE* file) const { sf_close(file); }
};

// Full scale 1.0 becomes 32768, rounded to the nearest step (halves away from zero). Values at
// or beyond full scale are clipped and counted; the largest 24- or 32-bit value rounds up to
// 32768 and is kept at 32767 without counting.
std::int16_t To16Bits(double value, std::int64_t& clipped) {
  const double scaled = value * 32768.0;
  if (!(scaled < 32768.0 && scaled >= -32768.0)) {  // NaN too
    ++clipped;
    return std::isnan(scaled) ? 0 : scaled > 0 ? 32767 : -32768;
  }
  return static_cast<std::int16_t>(std::min(std::round(scaled), 32767.0));
}

// Everything libsndfile reads, as 16-bit frames. Nothing when it cannot read the file.
std::optional<std::variant<ImportSource, Message>> ReadThroughSndfile(const std::string& path,
                                                                      double longestSeconds) {
  const int descriptor = core::openRegularFile(path);
  if (descriptor < 0) return std::nullopt;
  SF_INFO info{};
  std::unique_ptr<SNDFILE, SndfileCloser> file(sf_open_fd(descriptor, SFM_READ, &info, SF_TRUE));
  if (!file) return std::nullopt;
  if (info.channels < 1 || info.samplerate < 1) return Message{CannotOpen()};
  if (static_cast<double>(info.frames) > longestSeconds * info.samplerate)
    return Message{TooLong(path)};

  ImportSource source;
  source.path = path;
  source.sampleRate = info.samplerate;
  source.channels = info.channels;
  std::vector<double> block(static_cast<std::size_t>(4096) * info.channels);
  try {
    if (info.frames > 0)
      source.samples.reserve(static_cast<std::size_t>(info.frames) * info.channels);
    // The frame count of some compressed files is an estimate: read to the end.
    for (;;) {
      const sf_count_t got = sf_readf_double(file.get(), block.data(), 4096);
      if (got <= 0) break;
      for (sf_count_t i = 0; i < got * info.channels; ++i)
        source.samples.push_back(To16Bits(block[static_cast<std::size_t>(i)], source.clipped));
      if (static_cast<double>(source.frames()) > longestSeconds * info.samplerate)
        return Message{TooLong(path)};
    }
  } catch (const std::bad_alloc&) {
    return Message{MessageId::ErrorAllocatingMemory};
  }
  if (source.samples.empty()) return Message{CannotOpen()};
  return source;
}

}  // namespace

std::variant<ImportSource, Message> ReadImportSource(const std::string& path,
                                                     double longestSeconds) {
  core::LoadedWave wave = core::loadWave(path, longestSeconds);
  const bool pcm16 = wave.error == core::WaveError::None &&
                     wave.format.formatTag == core::kFormatPcm && wave.format.bitsPerSample == 16 &&
                     wave.format.channels >= 1;
  if (pcm16) {
    if (wave.tooLong) return TooLong(path);
    if (wave.samples.empty() || wave.format.sampleRate == 0) return CannotOpen();
    ImportSource source;
    source.path = path;
    source.sampleRate = static_cast<int>(wave.format.sampleRate);
    source.channels = wave.format.channels;
    source.samples = std::move(wave.samples);
    source.samples.resize(source.samples.size() - source.samples.size() % source.channels);
    source.pcm16Wave = true;
    return source;
  }
  if (auto read = ReadThroughSndfile(path, longestSeconds)) return std::move(*read);
  if (wave.error == core::WaveError::None) return Message{MessageId::ImportNeeds16Bits};
  return CannotOpen();
}

std::vector<std::int16_t> ChooseChannel(std::span<const std::int16_t> interleaved, int channels,
                                        ChannelChoice choice) {
  if (channels <= 1) return {interleaved.begin(), interleaved.end()};
  const std::size_t frames = interleaved.size() / static_cast<std::size_t>(channels);
  std::vector<std::int16_t> mono(frames);
  for (std::size_t f = 0; f < frames; ++f) {
    const std::int16_t* frame = interleaved.data() + f * static_cast<std::size_t>(channels);
    switch (choice) {
      case ChannelChoice::Left:
        mono[f] = frame[0];
        break;
      case ChannelChoice::Right:
        mono[f] = frame[1];
        break;
      case ChannelChoice::Mix: {
        long sum = 0;
        for (int c = 0; c < channels; ++c) sum += frame[c];
        mono[f] = static_cast<std::int16_t>(std::lround(static_cast<double>(sum) / channels));
        break;
      }
    }
  }
  return mono;
}

bool RateSuitsKind(core::FileKind kind, int sampleRate) {
  if (kind == core::FileKind::VocalQuality) return sampleRate == 44100;
  return sampleRate == 11025 || sampleRate == 22050;
}

bool ImportNeedsConversion(const ImportSource& source, core::FileKind kind) {
  return !(source.pcm16Wave && source.channels == 1 && RateSuitsKind(kind, source.sampleRate));
}

int DefaultImportRate(const ImportSource& source, core::FileKind kind) {
  if (RateSuitsKind(kind, source.sampleRate)) return source.sampleRate;
  return kind == core::FileKind::VocalQuality ? 44100 : 22050;
}

ImportAction PlanImport(const ImportSource& source, int targetRate) {
  if (source.sampleRate != targetRate) return ImportAction::ConvertRate;
  return source.pcm16Wave && source.channels == 1 ? ImportAction::Copy : ImportAction::WriteChannel;
}

std::optional<ResampleFailure> ImportSoundFile(const ImportSource& source,
                                               const ImportRequest& request,
                                               const ResampleProgress& progress) {
  const auto failedWrite = [&request] {
    return ResampleFailure{core::writeFailure(
        request.targetPath, Message{MessageId::FileCannotBeRecorded, {request.targetPath}})};
  };
  switch (PlanImport(source, request.targetRate)) {
    case ImportAction::Copy: {
      const auto bytes = core::readRegularFile(source.path, static_cast<std::size_t>(-1));
      if (!bytes) return ResampleFailure{CannotOpen()};
      if (!core::writeFileAtomically(request.targetPath, *bytes)) return failedWrite();
      return std::nullopt;
    }
    case ImportAction::WriteChannel: {
      const auto mono = ChooseChannel(source.samples, source.channels, request.channel);
      if (auto refusal =
              core::writeWave(request.targetPath,
                              core::pcm16MonoFormat(static_cast<std::uint32_t>(source.sampleRate)),
                              std::span<const std::int16_t>(mono)))
        return ResampleFailure{std::move(*refusal)};
      return std::nullopt;
    }
    case ImportAction::ConvertRate:
      break;
  }
  std::vector<std::int16_t> mono;
  try {
    mono = ChooseChannel(source.samples, source.channels, request.channel);
  } catch (const std::bad_alloc&) {
    return ResampleFailure{Message{MessageId::ErrorAllocatingMemory}};
  }
  return ResampleToFile(mono, source.sampleRate, request.targetRate, request.targetPath, progress);
}

}  // namespace sonarel::spectral
