// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/batch_table.h"
#include "cli/voice_analysis.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace sonarel::cli {
namespace {

bool isWave(const std::filesystem::path& path) {
  std::string extension = path.extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension == ".wav";
}

std::string quoted(const std::string& field) {
  return csvQuoted(field);
}

std::string number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", value);
  return text;
}

std::string modes(const core::VoiceStatistics& s) {
  std::string out;
  for (int i = 0; i < s.modeCount; ++i) {
    if (i) out += ';';
    out += number(s.modes[i]);
  }
  return out;
}

}  // namespace

std::vector<std::string> collectWaveFiles(const std::vector<std::string>& paths,
                                          std::vector<std::string>& missing) {
  namespace fs = std::filesystem;
  std::vector<std::string> files;
  for (const std::string& path : paths) {
    std::error_code error;
    if (fs::is_directory(path, error)) {
      std::vector<std::string> found;
      for (auto it = fs::recursive_directory_iterator(
               path, fs::directory_options::skip_permission_denied, error);
           !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
        if (it->is_regular_file(error) && isWave(it->path())) found.push_back(it->path().string());
      }
      std::sort(found.begin(), found.end());
      files.insert(files.end(), found.begin(), found.end());
    } else if (fs::exists(path, error)) {
      files.push_back(path);
    } else {
      missing.push_back(path);
    }
  }
  return files;
}

std::string batchCsv(const std::vector<BatchRow>& rows) {
  std::string out =
      "path,rate,duration,samples,mean_f0,min_f0,max_f0,sd_f0,modes,semitones,min_intensity,"
      "max_intensity,mean_intensity,sd_intensity,voiced,voiceless,speech,silence,error\n";
  for (const BatchRow& row : rows) {
    out += quoted(row.path);
    if (row.sampleRate > 0) {
      char head[96];
      std::snprintf(head, sizeof head, ",%u,%.3f,%lld", row.sampleRate, row.durationSeconds,
                    static_cast<long long>(row.sampleCount));
      out += head;
    } else {
      out += ",,,";
    }
    if (row.analysed) {
      const core::VoiceStatistics& s = row.report.statistics;
      const core::TimeShares& t = row.report.shares;
      const auto field = [&out](const std::string& value) {
        out += ',';
        out += value;
      };
      for (double v : {s.meanF0, s.minF0, s.maxF0, s.sdF0}) field(number(v));
      field(quoted(modes(s)));
      field(number(s.semitoneRange));
      for (double v : {s.minIntensity, s.maxIntensity, s.meanIntensity, s.sdIntensity}) {
        field(number(v));
      }
      for (double v : {t.voiced, 1 - t.voiced, t.speech, 1 - t.speech}) field(number(100 * v));
      out += ",\n";
    } else {
      out.append(15, ',');
      out += quoted(row.error);
      out += '\n';
    }
  }
  return out;
}

Output batchOutput(const std::vector<BatchRow>& rows) {
  Output output("batch");
  std::vector<Column> columns = {{"path", ""}, {"rate", "Hz"}, {"duration", "s"}, {"samples", ""}};
  for (Figure& figure : statisticsFigures({})) columns.push_back(std::move(figure.column));
  columns.push_back({"error", ""});
  const std::size_t figureCount = columns.size() - 5;
  output.columns(std::move(columns));
  for (const BatchRow& row : rows) {
    std::vector<Value> values = {Value::text(row.path)};
    if (row.sampleRate > 0) {
      values.push_back(Value::integer(row.sampleRate));
      values.push_back(Value::number(row.durationSeconds, 3));
      values.push_back(Value::integer(row.sampleCount));
    } else {
      values.insert(values.end(), 3, Value::null());
    }
    if (row.analysed) {
      for (Figure& figure : statisticsFigures(row.report))
        values.push_back(std::move(figure.value));
    } else {
      values.insert(values.end(), figureCount, Value::null());
    }
    values.push_back(row.error.empty() ? Value::null() : Value::text(row.error));
    output.row(std::move(values));
  }
  return output;
}

}  // namespace sonarel::cli
