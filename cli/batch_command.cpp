// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <ostream>
#include <sstream>

#include "cli/batch_table.h"
#include "cli/commands.h"
#include "cli/sound_file_option.h"
#include "cli/voice_analysis.h"
#include "core/atomic_file.h"
#include "core/parallel_blocks.h"
#include "core/wave_file.h"

namespace sonarel::cli {
namespace {

// One file, analysed as `stats` would; never throws, reports its own failure in the row.
BatchRow analyseOne(const Arguments& args, const VoiceOptions& options, const std::string& path) {
  BatchRow row;
  row.path = path;
  std::ostringstream quiet;
  Streams silent{quiet, quiet};
  core::SampleBuffer buffer;
  if (auto stop = openForAnalysis(args, path, buffer, silent)) {
    row.error = quiet.str();
    while (!row.error.empty() && row.error.back() == '\n') row.error.pop_back();
    // The refusal and its reason share the row's one field.
    std::replace(row.error.begin(), row.error.end(), '\n', ' ');
    return row;
  }
  row.sampleRate = buffer.format.sampleRate;
  row.sampleCount = buffer.count();
  row.durationSeconds = buffer.durationSeconds();
  VoiceAnalysis analysis;
  // The files already share the processors out among themselves: one thread each.
  if (auto failure = analyseVoice(buffer, options, analysis, {.threads = 1})) {
    row.error = failure->text();
    return row;
  }
  row.report = analysis.report;
  row.analysed = true;
  return row;
}

std::vector<BatchRow> analyseAll(const Arguments& args, const VoiceOptions& options,
                                 const std::vector<std::string>& files, std::ostream& progress) {
  std::vector<BatchRow> rows(files.size());
  std::atomic<std::size_t> done{0};
  std::mutex progressLock;
  const auto work = [&](int, std::int64_t begin, std::int64_t) {
    const auto i = static_cast<std::size_t>(begin);
    rows[i] = analyseOne(args, options, files[i]);
    const std::size_t finished = ++done;
    std::lock_guard lock(progressLock);
    progress << "[" << finished << "/" << files.size() << "] " << files[i]
             << (rows[i].analysed ? "" : ": " + rows[i].error) << "\n";
  };
  const auto count = static_cast<std::int64_t>(files.size());
  core::forEachBlock(0, count, 1, core::threadCount(0, static_cast<int>(count)), work);
  return rows;
}

}  // namespace

int runBatch(const std::vector<std::string>& words, Streams streams) {
  auto valued = voiceOptionNames();
  valued.insert("--out");
  valued.insert("--format");
  for (const std::string& name : rangeOptionNames()) valued.erase(name);
  const Arguments args = parseArguments(words, valued, {});
  if (!args.error.empty()) return usageError(streams, args.error);
  if (args.positional.empty()) return usageError(streams, "batch takes FILE_OR_FOLDER...");
  const auto format = formatOption(args);
  if (!format) return usageError(streams, kFormatChoices);
  VoiceOptions options;
  if (auto wrong = readVoiceOptions(args, options)) return usageError(streams, *wrong);

  std::vector<std::string> missing;
  const std::vector<std::string> files = collectWaveFiles(args.positional, missing);
  for (const auto& path : missing) {
    streams.err << core::Message{core::MessageId::FileNotFound, {path}}.text() << "\n";
  }
  const std::vector<BatchRow> rows = analyseAll(args, options, files, streams.err);
  const std::string table = *format == OutputFormat::Csv    ? batchOutput(rows).csv()
                            : *format == OutputFormat::Json ? batchOutput(rows).json()
                                                            : batchCsv(rows);
  if (const auto out = args.option("--out")) {
    if (!core::writeFileAtomically(*out, table)) {
      streams.err << core::writeFailure(*out, {core::MessageId::CannotSaveTextFile}).text() << "\n";
      return kExitBadInput;
    }
  } else {
    streams.out << table;
  }
  const bool allAnalysed =
      missing.empty() &&
      std::all_of(rows.begin(), rows.end(), [](const BatchRow& r) { return r.analysed; });
  return allAnalysed ? kExitOk : kExitBadInput;
}

}  // namespace sonarel::cli
