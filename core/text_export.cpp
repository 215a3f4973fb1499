// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text_export.h"

#include <cstdarg>
#include <cstdio>
#include <filesystem>

#include "core/atomic_file.h"

namespace sonarel::core {
namespace {

__attribute__((format(printf, 2, 3))) void appendf(std::string& out, const char* format, ...) {
  char buffer[256];
  va_list args;
  va_start(args, format);
  const int n = std::vsnprintf(buffer, sizeof buffer, format, args);
  va_end(args);
  if (n > 0) out.append(buffer, static_cast<std::size_t>(std::min<int>(n, sizeof buffer - 1)));
}

}  // namespace

std::string statisticsExportText(const StatisticsReport& report) {
  const VoiceStatistics& s = report.statistics;
  const double rate = report.sampleRate > 0 ? report.sampleRate : 1.0;
  std::string out;
  appendf(out, "Statistics (From %.2fs to %.2fs)\n\n", report.range.first / rate,
          report.range.last / rate);
  appendf(out, "Mode F0: %.2f Hz", s.modes[0]);
  for (int i = 1; i < std::min(s.modeCount, 4); ++i) appendf(out, "; %.2f Hz", s.modes[i]);
  if (s.modeCount > 4) out += " ...";
  out += "\n";
  appendf(out, "Average F0: %.2f Hz\n", s.meanF0);
  appendf(out, "Min F0: %.2f Hz\n", s.minF0);
  appendf(out, "Max F0: %.2f Hz\n", s.maxF0);
  appendf(out, "SD F0: %.2f Hz\n\n", s.sdF0);
  appendf(out, "Average Intensity: %.2f dB\n", s.meanIntensity);
  appendf(out, "Min Intensity:%.2f dB\n", s.minIntensity);
  appendf(out, "Max Intensity:%.2f dB\n", s.maxIntensity);
  appendf(out, "SD Intensity: %.2f dB\n\n", s.sdIntensity);
  appendf(out, "Percent Voiced Time: %.2f%%\n", 100.0 * report.shares.voiced);
  appendf(out, "Percent Voiceless Time: %.2f%%\n", 100.0 * (1.0 - report.shares.voiced));
  appendf(out, "Percent Speech Time: %.2f%%\n", 100.0 * report.shares.speech);
  appendf(out, "Percent Silence Time: %.2f%%\n", 100.0 * (1.0 - report.shares.speech));
  appendf(out, "Variability F0: %.2f Hz  %d semitone", s.maxF0 - s.minF0,
          roundedSemitones(s.semitoneRange));
  return out;
}

std::string withCrLf(const std::string& text) {
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

std::optional<Message> saveExportFile(const std::string& path, const std::string& text,
                                      ExportKind kind) {
  if (writeFileAtomically(path, withCrLf(text))) return std::nullopt;
  const Message failure{kind == ExportKind::F0          ? MessageId::CannotSaveF0TextFile
                        : kind == ExportKind::Intensity ? MessageId::CannotSaveTextFile
                                                        : MessageId::CannotSaveStatisticsTextFile};
  std::error_code error;
  const std::filesystem::path folder = std::filesystem::path(path).parent_path();
  if (!folder.empty() && !std::filesystem::is_directory(folder, error)) {
    return failure.with(Message{MessageId::ExportFolderMissing, {folder.string()}});
  }
  return failure.with(writeFailure(path, Message{MessageId::ExportNotWritten, {path}}));
}

}  // namespace sonarel::core
