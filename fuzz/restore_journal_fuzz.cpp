// SPDX-License-Identifier: GPL-3.0-or-later
// Outside bytes as the journal of a restore that a crash broke off. Replaying any journal
// may move, remove or put back files inside the data folder only: a file beside the data
// folder must survive whatever the journal says.
#include <cstdint>
#include <filesystem>
#include <fstream>

#include "fuzz/scratch_file.h"
#include "records/backup.h"

namespace {

class SilentObserver : public sonarel::records::BackupObserver {
 public:
  void tell(const sonarel::core::Message&) override {}
  bool ask(const sonarel::core::Message&) override { return true; }
};

void write(const std::filesystem::path& path, const std::string& text) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  namespace fs = std::filesystem;
  const fs::path root = sonarel::fuzz::scratchFolder();
  const fs::path dataFolder = root / "data";
  const fs::path outside = root / "outside" / "keep.wav";
  std::error_code ignored;
  fs::remove_all(dataFolder, ignored);
  write(outside, "kept");
  write(dataFolder / "pac001" / "wv001.wav", "recording");
  write(dataFolder / "pacb.dbf", "table");
  const fs::path area = sonarel::records::rollbackFolder(dataFolder.string());
  write(area / "aside" / "pac001" / "wv001.wav", "older recording");
  write(area / "journal", std::string(reinterpret_cast<const char*>(data), size));

  SilentObserver observer;
  (void)sonarel::records::findInterruptedWork(dataFolder.string());
  (void)sonarel::records::finishInterruptedWork(dataFolder.string(), observer);
  std::ifstream kept(outside, std::ios::binary);
  std::string text((std::istreambuf_iterator<char>(kept)), std::istreambuf_iterator<char>());
  if (text != "kept") __builtin_trap();
  return 0;
}
