// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/sample_buffer.h"

#include <string>
#include <utility>

#include "core/wave_file.h"

namespace sonarel::core {

double SampleBuffer::durationSeconds() const {
  return format.sampleRate > 0 ? static_cast<double>(samples.size()) / format.sampleRate : 0.0;
}

std::optional<MessageId> acceptanceMessage(FileKind kind, const WaveFormat& format) {
  const bool monoPcm16 = format.bitsPerSample == 16 && format.channels == 1;
  if (kind == FileKind::VoiceAnalysis) {
    if (format.sampleRate <= 22050 && format.sampleRate > 0 && monoPcm16) return std::nullopt;
    return MessageId::SampleRateVoiceAnalysis;
  }
  if (format.sampleRate == 44100 && monoPcm16) return std::nullopt;
  return MessageId::SampleRateVocalQuality;
}

std::optional<Message> acceptanceRefusal(FileKind kind, const WaveFormat& format,
                                         const std::string& path) {
  const auto refused = acceptanceMessage(kind, format);
  if (!refused) return std::nullopt;
  Message message{*refused};
  if (auto other = otherWaveFormatName(format)) {
    message = message.with(Message{MessageId::FileImportOnly, {path, *other}});
  }
  if (format.channels != 1) {
    message = message.with(Message{MessageId::FileStereo, {path, std::to_string(format.channels)}});
  }
  const bool rateTaken = kind == FileKind::VoiceAnalysis
                             ? format.sampleRate > 0 && format.sampleRate <= 22050
                             : format.sampleRate == 44100;
  if (!rateTaken) {
    message =
        message.with(Message{kind == FileKind::VoiceAnalysis ? MessageId::FileRateVoiceAnalysis
                                                             : MessageId::FileRateVocalQuality,
                             {path, std::to_string(format.sampleRate)}});
  }
  return message;
}

FileKind kindForRate(std::uint32_t sampleRate) {
  return sampleRate == 44100 ? FileKind::VocalQuality : FileKind::VoiceAnalysis;
}

FileKind kindOfFile(const std::string& path) {
  const OpenedWave probe = openWaveForRead(path);
  return probe.error == WaveError::None ? kindForRate(probe.format.sampleRate)
                                        : FileKind::VoiceAnalysis;
}

std::optional<Message> openSoundFile(SampleBuffer& buffer, const std::string& path,
                                     WaveError* waveError) {
  buffer.state = kStateOpening;
  buffer.flags.clear();
  LoadedWave loaded = loadWave(path, kLongestRecordingSeconds);
  if (waveError) *waveError = loaded.error;
  if (loaded.error != WaveError::None || (loaded.samples.empty() && !loaded.tooLong)) {
    releaseSoundFile(buffer);
    return Message{MessageId::ErrorReadingFile}.with(
        loaded.reason.value_or(Message{MessageId::FileNoSamples, {path}}));
  }
  if (auto refused = acceptanceRefusal(buffer.kind, loaded.format, path)) {
    releaseSoundFile(buffer);
    return refused;
  }
  if (loaded.tooLong) {
    releaseSoundFile(buffer);
    return Message{MessageId::RecordingTooLong,
                   {path, std::to_string(static_cast<int>(kLongestRecordingSeconds / 60))}};
  }
  buffer.samples = std::move(loaded.samples);
  buffer.format = std::move(loaded.format);
  buffer.path = path;
  buffer.flags.clear();
  buffer.range = {0, buffer.count()};
  buffer.state = kStateLoaded;
  return std::nullopt;
}

void releaseSoundFile(SampleBuffer& buffer) {
  buffer.samples = {};
  buffer.flags.clear();
  buffer.range = {};
  buffer.state = kStateReleased;
}

}  // namespace sonarel::core
