// SPDX-License-Identifier: GPL-3.0-or-later
// sonarel-cli resample and import: an outside sound file of any common format made into a
// 16-bit mono WAVE file at a recording's rate, on its own or as a client's next file.

#include <ostream>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/sound_file_option.h"
#include "quality/segment_cache.h"
#include "records/client_folder.h"
#include "records/client_table.h"
#include "spectral/sound_import.h"

namespace sonarel::cli {
namespace {

using core::Message;
using core::MessageId;

std::optional<spectral::ChannelChoice> channelOption(const Arguments& args) {
  const auto named = args.option("--channel");
  if (!named || *named == "mix") return spectral::ChannelChoice::Mix;
  if (*named == "left") return spectral::ChannelChoice::Left;
  if (*named == "right") return spectral::ChannelChoice::Right;
  return std::nullopt;
}

// --rate as one of 11025, 22050 and 44100, or `otherwise` when absent; 0 for anything else.
int rateOption(const Arguments& args, int otherwise) {
  const auto named = args.option("--rate");
  if (!named) return otherwise;
  const auto rate = parseInteger(*named);
  return rate && (*rate == 11025 || *rate == 22050 || *rate == 44100) ? static_cast<int>(*rate) : 0;
}

// Reads IN for import; the exit status to stop with when it cannot be imported.
std::optional<int> readSource(const std::string& path, spectral::ImportSource& source,
                              Streams streams) {
  auto read = spectral::ReadImportSource(path);
  if (auto* refusal = std::get_if<Message>(&read)) {
    streams.err << refusal->text() << "\n";
    return kExitBadInput;
  }
  source = std::get<spectral::ImportSource>(std::move(read));
  if (source.clipped > 0) {
    streams.err
        << Message{MessageId::ImportSamplesClipped, {std::to_string(source.clipped), path}}.text()
        << "\n";
  }
  return std::nullopt;
}

int reportFailure(const spectral::ResampleFailure& failure, Streams streams) {
  if (failure.message) streams.err << failure.message->text() << "\n";
  streams.err << Message{MessageId::ErrorImportingFile}.text() << "\n";
  return kExitBadInput;
}

}  // namespace

int runResample(const std::vector<std::string>& words, Streams streams) {
  const Arguments args = parseArguments(words, {"--rate", "--channel"}, {});
  if (!args.error.empty()) return usageError(streams, args.error);
  if (args.positional.size() != 2) return usageError(streams, "resample takes IN and OUT");
  const int rate = rateOption(args, 0);
  if (rate == 0) return usageError(streams, "--rate takes 11025, 22050 or 44100");
  const auto channel = channelOption(args);
  if (!channel) return usageError(streams, "--channel takes left, right or mix");

  spectral::ImportSource source;
  if (auto stop = readSource(args.positional[0], source, streams)) return *stop;
  if (auto failure = spectral::ImportSoundFile(source, {args.positional[1], rate, *channel}))
    return reportFailure(*failure, streams);
  return kExitOk;
}

int runImport(const std::vector<std::string>& words, Streams streams) {
  const Arguments args = parseArguments(words, {"--kind", "--rate", "--channel"}, {});
  if (!args.error.empty()) return usageError(streams, args.error);
  if (args.positional.size() != 3) return usageError(streams, "import takes DATA_DIR, CODE and IN");
  const std::string& data = args.positional[0];
  const auto code = parseInteger(args.positional[1]);
  if (!code || *code < 0 || *code > 9999) return usageError(streams, "CODE is a client code");
  const auto channel = channelOption(args);
  if (!channel) return usageError(streams, "--channel takes left, right or mix");
  if (rateOption(args, 22050) == 0)
    return usageError(streams, "--rate takes 11025, 22050 or 44100");

  records::ClientTable table(data + "/pacb.dbf");
  if (const records::TableResult loaded = table.load(); !loaded.ok()) {
    streams.err << loaded.failure->text() << "\n";
    return kExitBadInput;
  }
  if (!table.find(static_cast<int>(*code))) {
    return usageError(streams, Message{MessageId::ClientUnknown, {args.positional[1]}}.text());
  }

  spectral::ImportSource source;
  if (auto stop = readSource(args.positional[2], source, streams)) return *stop;
  const auto kind = kindOption(args, static_cast<std::uint32_t>(source.sampleRate));
  if (!kind) return usageError(streams, "--kind takes voice or quality");
  const int rate = rateOption(args, spectral::DefaultImportRate(source, *kind));
  if (!spectral::RateSuitsKind(*kind, rate)) {
    return usageError(streams, *kind == core::FileKind::VocalQuality
                                   ? "vocal-quality files are 44100 Hz"
                                   : "voice-analysis files are 11025 or 22050 Hz");
  }

  const records::RecordingTarget target =
      records::targetForNewRecording(data, static_cast<int>(*code), *kind);
  if (!target.ok()) {
    streams.err << target.failure->text() << "\n";
    return kExitBadInput;
  }
  if (auto failure = spectral::ImportSoundFile(source, {target.path, rate, *channel}))
    return reportFailure(*failure, streams);
  if (*kind == core::FileKind::VocalQuality) quality::removeSegmentCache(target.path);
  streams.out << target.path << "\n";
  return kExitOk;
}

}  // namespace sonarel::cli
