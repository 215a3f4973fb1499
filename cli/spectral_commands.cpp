// SPDX-License-Identifier: GPL-3.0-or-later
// spectrum, lpc and spectrogram: the spectral displays' numbers without the window.

#include <cstdio>
#include <cstdlib>
#include <ostream>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/output_format.h"
#include "cli/png_writer.h"
#include "cli/sound_file_option.h"
#include "core/atomic_file.h"
#include "spectral/lpc_spectrum.h"
#include "spectral/power_spectrum.h"
#include "spectral/spectrogram.h"

namespace sonarel::cli {
namespace {

std::optional<spectral::SpectrumWindow> windowOption(const Arguments& args) {
  const auto named = args.option("--window").value_or("hamming");
  if (named == "hamming") return spectral::SpectrumWindow::Hamming;
  if (named == "rect") return spectral::SpectrumWindow::Rectangular;
  return std::nullopt;
}

std::optional<int> choiceOption(const Arguments& args, const std::string& name, int fallback,
                                std::initializer_list<int> allowed) {
  const auto text = args.option(name);
  if (!text) return fallback;
  const auto value = parseInteger(*text);
  for (const int choice : allowed)
    if (value && *value == choice) return choice;
  return std::nullopt;
}

// The levels as "%.3f" lines, or in a machine-readable format as rows of index, frequency
// (index * hzPerIndex) and level.
void printLevels(Streams streams, OutputFormat format, const char* subcommand,
                 const Arguments& args, const core::SampleRange& span, double rate,
                 const float* levels, std::size_t count, double hzPerIndex) {
  if (format == OutputFormat::Text) {
    char text[32];
    for (std::size_t i = 0; i < count; ++i) {
      std::snprintf(text, sizeof text, "%.3f\n", static_cast<double>(levels[i]));
      streams.out << text;
    }
    return;
  }
  Output output(subcommand);
  output.field("file", "", Value::text(args.positional[0]))
      .field("sample_rate", "Hz", Value::integer(static_cast<long long>(rate)))
      .field("from", "s", Value::number(static_cast<double>(span.first) / rate, 6))
      .field("to", "s", Value::number(static_cast<double>(span.last) / rate, 6));
  output.columns({{"index", ""}, {"frequency", "Hz"}, {"level", "dB"}});
  for (std::size_t i = 0; i < count; ++i) {
    output.row({Value::integer(static_cast<long long>(i)),
                Value::number(static_cast<double>(i) * hzPerIndex, 3),
                Value::number(levels[i], 3)});
  }
  writeOutput(streams.out, format, output);
}

// Opens FILE and reads its range; the exit status to stop with, or nothing.
std::optional<int> openWithRange(const Arguments& args, core::SampleBuffer& buffer,
                                 core::SampleRange& span, Streams streams) {
  if (auto stop = openForAnalysis(args, args.positional[0], buffer, streams)) return stop;
  const RangeChoice chosen = readRange(args, buffer.count(), buffer.format.sampleRate);
  if (!chosen.error.empty()) return usageError(streams, chosen.error);
  span = chosen.range;
  return std::nullopt;
}

}  // namespace

int runSpectrum(const std::vector<std::string>& words, Streams streams) {
  const Arguments args =
      parseArguments(words, withRangeOptions({"--fft", "--window", "--format"}), {});
  if (!args.error.empty() || args.positional.size() != 1) {
    return usageError(streams, args.error.empty() ? "spectrum takes one FILE" : args.error);
  }
  const auto format = formatOption(args);
  if (!format) return usageError(streams, kFormatChoices);
  const auto size = choiceOption(args, "--fft", 512, {256, 512, 1024});
  if (!size) return usageError(streams, "--fft takes 256, 512 or 1024");
  const auto window = windowOption(args);
  if (!window) return usageError(streams, "--window takes rect or hamming");
  core::SampleBuffer buffer;
  core::SampleRange span;
  if (auto stop = openWithRange(args, buffer, span, streams)) return *stop;
  const auto levels =
      spectral::PowerSpectrum(buffer.samples, span.first, span.last, {*size, *window});
  const double rate = buffer.format.sampleRate;
  printLevels(streams, *format, "spectrum", args, span, rate, levels.data(), levels.size() / 2,
              rate / *size);
  return kExitOk;
}

int runLpc(const std::vector<std::string>& words, Streams streams) {
  const Arguments args =
      parseArguments(words, withRangeOptions({"--order", "--window", "--seed", "--format"}), {});
  if (!args.error.empty() || args.positional.size() != 1) {
    return usageError(streams, args.error.empty() ? "lpc takes one FILE" : args.error);
  }
  const auto format = formatOption(args);
  if (!format) return usageError(streams, kFormatChoices);
  const auto order = choiceOption(args, "--order", 14, {10, 14, 28});
  if (!order) return usageError(streams, "--order takes 10, 14 or 28");
  const auto window = windowOption(args);
  if (!window) return usageError(streams, "--window takes rect or hamming");
  const auto seed = parseInteger(args.option("--seed").value_or("1"));
  if (!seed || *seed < 0 || *seed > 0xFFFFFFFFLL) {
    return usageError(streams, "--seed takes a whole number from 0 to 4294967295");
  }
  core::SampleBuffer buffer;
  core::SampleRange span;
  if (auto stop = openWithRange(args, buffer, span, streams)) return *stop;
  spectral::DitherSource dither(static_cast<std::uint32_t>(*seed));
  const auto result =
      spectral::LpcSpectrum(buffer.samples, span.first, span.last, {*order, *window}, dither);
  if (result.refused) {
    streams.err << result.refused->lines() << "\n";
    return kExitBadInput;
  }
  const double rate = buffer.format.sampleRate;
  printLevels(streams, *format, "lpc", args, span, rate, result.levels.data(), result.levels.size(),
              rate / 1360.0);
  return kExitOk;
}

int runSpectrogram(const std::vector<std::string>& words, Streams streams) {
  const Arguments args =
      parseArguments(words, withRangeOptions({"--png", "--band", "--contrast", "--height"}),
                     {"--gray", "--levels"});
  if (!args.error.empty() || args.positional.size() != 1) {
    return usageError(streams, args.error.empty() ? "spectrogram takes one FILE" : args.error);
  }
  const auto png = args.option("--png");
  if (!png && !args.has("--levels"))
    return usageError(streams, "spectrogram needs --png OUT or --levels");
  const std::string bandName = args.option("--band").value_or("narrow");
  spectral::SpectrogramBand band = spectral::SpectrogramBand::Narrow;
  if (bandName == "wide") {
    band = spectral::SpectrogramBand::Wide;
  } else if (bandName == "middle") {
    band = spectral::SpectrogramBand::Middle;
  } else if (bandName != "narrow") {
    return usageError(streams, "--band takes wide, middle or narrow");
  }
  const auto contrast = parseInteger(args.option("--contrast").value_or("80"));
  if (!contrast || *contrast < spectral::kMinContrast || *contrast > spectral::kMaxContrast) {
    return usageError(streams, "--contrast takes a whole number from 4 to 100");
  }
  const auto height = parseInteger(args.option("--height").value_or("360"));
  if (!height || *height < 1 || *height > 1024) {
    return usageError(streams, "--height takes a whole number of rows from 1 to 1024");
  }
  core::SampleBuffer buffer;
  core::SampleRange span;
  if (auto stop = openWithRange(args, buffer, span, streams)) return *stop;

  const spectral::SpectrogramPicture picture =
      spectral::SpectrogramLevels({buffer.samples, span.first, span.last, buffer.format.sampleRate,
                                   band, static_cast<int>(*height)});
  if (args.has("--levels")) {
    for (int row = 0; row < picture.rows; ++row) {
      for (int c = 0; c < picture.columns; ++c)
        streams.out << (c ? " " : "") << static_cast<int>(picture.level(c, row));
      streams.out << "\n";
    }
    if (!png) return kExitOk;
  }
  const spectral::Palette palette =
      spectral::SpectrogramPalette(static_cast<int>(*contrast), args.has("--gray"));
  std::vector<std::uint8_t> rgb;
  rgb.reserve(picture.entries.size() * 3);
  for (const std::uint8_t entry : picture.entries) {
    const spectral::Rgb colour = palette[entry];
    rgb.insert(rgb.end(), {colour.r, colour.g, colour.b});
  }
  if (!core::writeFileAtomically(*png, encodePng(picture.columns, picture.rows, rgb))) {
    streams.err << core::writeFailure(*png, {core::MessageId::PictureNotSaved, {*png}}).text()
                << "\n";
    return kExitBadInput;
  }
  return kExitOk;
}

}  // namespace sonarel::cli
