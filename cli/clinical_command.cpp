// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ostream>
#include <vector>

#include "cli/arguments.h"
#include "cli/clinical_output.h"
#include "cli/commands.h"
#include "cli/sound_file_option.h"
#include "core/sample_buffer.h"
#include "core/wave_file.h"
#include "quality/clinical/clinical_constants.h"

namespace sonarel::cli {
namespace {

namespace clinical = quality::clinical;

struct Row {
  const char* key;    // csv and json
  const char* label;  // text
  const char* unit;
  double value;
  const char* relation;  // "<", ">" or "" when no limit is published
  double limit;
};

std::vector<Row> rowsOf(const clinical::ClinicalMeasures& m) {
  using namespace clinical;
  return {
      {"cpps_db", "CPPS", "dB", m.cppsDb, ">", kNormalCppsAbove},
      {"hnr_db", "HNR", "dB", m.hnrDb, ">", kNormalHnrAbove},
      {"shimmer_percent", "shimmer (local)", "%", m.shimmerPercent, "<",
       kNormalShimmerPercentBelow},
      {"shimmer_db", "shimmer (local)", "dB", m.shimmerDb, "<", kNormalShimmerDbBelow},
      {"ltas_slope_db", "LTAS slope", "dB", m.slopeDb, "", 0},
      {"ltas_tilt_db", "LTAS tilt", "dB", m.tiltDb, "", 0},
      {"avqi", "AVQI 03.01", "", m.avqi, "<", kNormalAvqiBelow},
  };
}

bool withinNormal(const Row& row) {
  return row.relation[0] == '<' ? row.value < row.limit : row.value > row.limit;
}

// Whole samples of the 16-bit range, for writing the measured sound.
std::vector<std::int16_t> toPcm16(const std::vector<float>& x) {
  std::vector<std::int16_t> out(x.size());
  for (std::size_t i = 0; i < x.size(); ++i)
    out[i] = static_cast<std::int16_t>(std::lround(std::clamp(x[i], -32768.0f, 32767.0f)));
  return out;
}

std::optional<int> load(const std::string& path, std::vector<std::int16_t>& samples,
                        Streams streams) {
  core::LoadedWave wave = core::loadWave(path);
  if (wave.error != core::WaveError::None) return reportReadError(streams, wave.error, path);
  if (auto refused = core::acceptanceMessage(core::FileKind::VocalQuality, wave.format)) {
    streams.err << path << ": " << core::Message{*refused}.text() << "\n";
    return kExitBadInput;
  }
  samples = std::move(wave.samples);
  return std::nullopt;
}

}  // namespace

std::string clinicalText(const clinical::ClinicalMeasures& m) {
  std::string out;
  for (const Row& row : rowsOf(m)) {
    char line[160];
    std::snprintf(line, sizeof line, "%-24s %9.3f %-3s", row.label, row.value, row.unit);
    out += line;
    if (row.relation[0]) {
      std::snprintf(line, sizeof line, "  normal %s %.2f  %s", row.relation, row.limit,
                    withinNormal(row) ? "within" : "outside");
      out += line;
    }
    out += "\n";
  }
  char line[160];
  std::snprintf(line, sizeof line, "%-24s %9.3f %-3s\n%-24s %9.3f %-3s\n", "vowel measured",
                m.vowelSeconds, "s", "voiced speech measured", m.speechSeconds, "s");
  return out + line;
}

Output clinicalOutput(const clinical::ClinicalMeasures& m, const std::string& vowelPath,
                      const std::optional<std::string>& speechPath) {
  Output output("clinical");
  output.field("vowel", "", Value::text(vowelPath))
      .field("speech", "", speechPath ? Value::text(*speechPath) : Value::null())
      .field("vowel_measured", "s", Value::number(m.vowelSeconds, 3))
      .field("speech_measured", "s", Value::number(m.speechSeconds, 3));
  output.columns({{"measure", ""},
                  {"value", ""},
                  {"unit", ""},
                  {"normal_relation", ""},
                  {"normal_limit", ""},
                  {"within_normal", ""}});
  for (const Row& row : rowsOf(m)) {
    const bool limited = row.relation[0] != 0;
    output.row({Value::text(row.key), Value::number(row.value, 3), Value::text(row.unit),
                Value::text(row.relation), limited ? Value::number(row.limit, 2) : Value::null(),
                limited ? Value::integer(withinNormal(row) ? 1 : 0) : Value::null()});
  }
  return output;
}

int runClinical(const std::vector<std::string>& words, Streams streams) {
  const Arguments args = parseArguments(words, {"--speech", "--format", "--measured"}, {});
  if (!args.error.empty() || args.positional.size() != 1) {
    return usageError(streams, args.error.empty() ? "clinical takes one VOWEL file" : args.error);
  }
  const auto format = formatOption(args);
  if (!format) return usageError(streams, kFormatChoices);

  std::vector<std::int16_t> vowel, speech;
  clinical::ClinicalInput input;
  input.vowelName = args.positional[0];
  if (auto status = load(input.vowelName, vowel, streams)) return *status;
  input.vowel = vowel;
  if (auto speechPath = args.option("--speech")) {
    input.speechName = *speechPath;
    if (auto status = load(*speechPath, speech, streams)) return *status;
    input.speech = std::span<const std::int16_t>(speech);
  }
  const clinical::ClinicalOutcome outcome = clinical::measureClinical(input);
  if (!outcome.measures) {
    streams.err << outcome.refusal->text() << "\n";
    return kExitBadInput;
  }
  if (auto measuredPath = args.option("--measured")) {
    const std::vector<std::int16_t> pcm = toPcm16(outcome.measured);
    if (auto failed = core::writeWave(*measuredPath, core::pcm16MonoFormat(44100), pcm)) {
      streams.err << failed->text() << "\n";
      return kExitBadInput;
    }
  }
  if (*format == OutputFormat::Text) {
    streams.out << clinicalText(*outcome.measures);
  } else {
    writeOutput(streams.out, *format,
                clinicalOutput(*outcome.measures, input.vowelName, args.option("--speech")));
  }
  return kExitOk;
}

}  // namespace sonarel::cli
