// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/config_files.h"

#include <cstdint>
#include <iterator>

#include "core/atomic_file.h"
#include "core/regular_file.h"

namespace sonarel::app {

std::optional<std::vector<int>> readIntArchive(const std::string& path, std::size_t count) {
  const auto contents = core::readRegularFile(path, count * 4);
  if (!contents || contents->size() != count * 4) return std::nullopt;
  const auto* bytes = reinterpret_cast<const unsigned char*>(contents->data());
  std::vector<int> values(count);
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint32_t v = bytes[4 * i] | bytes[4 * i + 1] << 8 | bytes[4 * i + 2] << 16 |
                            static_cast<std::uint32_t>(bytes[4 * i + 3]) << 24;
    values[i] = static_cast<std::int32_t>(v);
  }
  return values;
}

bool writeIntArchive(const std::string& path, const std::vector<int>& values) {
  std::string bytes;
  for (int value : values) {
    const auto v = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8) bytes += static_cast<char>((v >> shift) & 0xFF);
  }
  return core::writeFileAtomically(path, bytes);
}

std::optional<Language> ConfigFiles::language() const {
  const auto values = readIntArchive(path("lang.dat"), 1);
  if (!values || (*values)[0] < 0 || (*values)[0] > 3) return std::nullopt;
  return static_cast<Language>((*values)[0]);
}

bool ConfigFiles::setLanguage(Language language) const {
  return writeIntArchive(path("lang.dat"), {static_cast<int>(language)});
}

int ConfigFiles::screenMode() const {
  const auto values = readIntArchive(path("conf.dat"), 1);
  return values ? (*values)[0] : kKeepResolution;
}

RecorderConfig ConfigFiles::recorder() const {
  const auto values = readIntArchive(path("cfg1.dat"), 2);
  if (!values) return {};
  return {(*values)[0], (*values)[1]};
}

bool ConfigFiles::setRecorder(const RecorderConfig& config) const {
  return writeIntArchive(path("cfg1.dat"), {config.microphoneInput, config.showQualityNotice});
}

AdapterConfig ConfigFiles::adapter() const {
  const auto values = readIntArchive(path("cfg_aa.dat"), 2);
  if (!values) return {};
  return {(*values)[0], (*values)[1]};
}

bool ConfigFiles::setAdapter(const AdapterConfig& config) const {
  return writeIntArchive(path("cfg_aa.dat"), {config.noiseReduction, config.inputGain});
}

std::optional<bool> ConfigFiles::adapterInUse() const {
  const auto values = readIntArchive(path("cfg_aa_use.dat"), 1);
  if (!values || (*values)[0] < 0 || (*values)[0] > 1) return std::nullopt;
  return (*values)[0] == 1;
}

bool ConfigFiles::setAdapterInUse(bool inUse) const {
  return writeIntArchive(path("cfg_aa_use.dat"), {inUse ? 1 : 0});
}

Language languageForLocale(const std::string& localeName) {
  const std::string prefix = localeName.substr(0, 2);
  if (prefix == "es") return Language::Spanish;
  if (prefix == "ko") return Language::Korean;
  if (prefix == "pt") return Language::Portuguese;
  return Language::English;
}

}  // namespace sonarel::app
