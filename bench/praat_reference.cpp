// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/praat_reference.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace sonarel::bench {

std::optional<double> praatSeconds(const std::string& path, const std::string& analysis,
                                   double floorHz, double ceilingHz) {
  const std::string command = "praat --run '" SONAREL_SOURCE_DIR "/scripts/praat-timing.praat' '" +
                              path + "' " + analysis + " " + std::to_string(floorHz) + " " +
                              std::to_string(ceilingHz) + " 2>/dev/null";
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  if (!pipe) return std::nullopt;
  double seconds = 0;
  if (std::fscanf(pipe.get(), "%lf", &seconds) != 1) return std::nullopt;
  return seconds;
}

}  // namespace sonarel::bench
