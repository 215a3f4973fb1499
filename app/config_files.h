// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The small configuration files of the data folder. Each is a plain sequence of 32-bit
// little-endian signed integers, read whole at start and rewritten whole (through a
// temporary file) when a setting changes. A file that is missing, short or unreadable
// counts as missing and gives the defaults; nothing else is ever done with a bad file.

#include <optional>
#include <string>
#include <vector>

namespace sonarel::app {

enum class Language : int { English = 0, Spanish = 1, Korean = 2, Portuguese = 3 };

struct RecorderConfig {
  int microphoneInput = 1;    // 1 "Microphone", 0 "Line Input"
  int showQualityNotice = 1;  // 1 = show the vocal-quality notice
};

struct AdapterConfig {
  int noiseReduction = 1;  // index in the noise-reduction list
  int inputGain = 1;       // index in the input-gain list
};

constexpr int kKeepResolution = 4;

// Reads `count` integers from `path`; nothing when the file is missing or too short.
std::optional<std::vector<int>> readIntArchive(const std::string& path, std::size_t count);
bool writeIntArchive(const std::string& path, const std::vector<int>& values);

// The data folder's files, each as a read with defaults and a write.
class ConfigFiles {
 public:
  explicit ConfigFiles(std::string dataFolder) : folder_(std::move(dataFolder)) {}

  // The stored language, or nothing when lang.dat is missing or holds no known language.
  std::optional<Language> language() const;
  bool setLanguage(Language language) const;

  int screenMode() const;  // kKeepResolution when conf.dat is missing

  RecorderConfig recorder() const;
  bool setRecorder(const RecorderConfig& config) const;

  AdapterConfig adapter() const;
  bool setAdapter(const AdapterConfig& config) const;
  // Whether the USB adapter is in use (cfg_aa_use.dat: 1 or 0), or nothing when it was never
  // set; cfg_aa.dat keeps its two integers for other readers of it.
  std::optional<bool> adapterInUse() const;
  bool setAdapterInUse(bool inUse) const;

  std::string path(const char* name) const { return folder_ + "/" + name; }

 private:
  std::string folder_;
};

// The language that follows the system's locale name ("es_ES.UTF-8", "ko", "pt_BR"...):
// Spanish, Korean or Portuguese, else English.
Language languageForLocale(const std::string& localeName);

}  // namespace sonarel::app
