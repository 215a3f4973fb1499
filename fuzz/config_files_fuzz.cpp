// SPDX-License-Identifier: GPL-3.0-or-later
// Outside bytes as each of the data folder's configuration files: any content gives either
// the stored settings or the defaults.
#include <cstdint>

#include "app/config_files.h"
#include "fuzz/scratch_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using sonarel::app::ConfigFiles;
  const ConfigFiles files(sonarel::fuzz::scratchFolder());
  for (const char* name : {"lang.dat", "conf.dat", "cfg1.dat", "cfg_aa.dat", "cfg_aa_use.dat"}) {
    sonarel::fuzz::writeScratch(name, data, size);
  }
  if (const auto language = files.language()) {
    const int code = static_cast<int>(*language);
    if (code < 0 || code > 3) __builtin_trap();
  }
  (void)files.screenMode();
  (void)files.recorder();
  (void)files.adapter();
  (void)files.adapterInUse();
  return 0;
}
