// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/praat_reference.h"

#include <sys/resource.h>

#include <chrono>
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

std::optional<double> commandSeconds(const std::string& command) {
  const auto start = std::chrono::steady_clock::now();
  if (std::system(command.c_str()) != 0) return std::nullopt;
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

std::optional<double> referenceSeconds(const std::string& tool, const std::string& path) {
  if (tool == "pda" || tool == "pda_cpu") {
    const std::string command = "pda '" + path +
                                "' -o /dev/null -otype ascii -L -P -shift 0.008 -length 0.02 "
                                "-fmin 70 -fmax 400 >/dev/null 2>&1";
    rusage before{}, after{};
    getrusage(RUSAGE_CHILDREN, &before);
    const auto start = std::chrono::steady_clock::now();
    if (std::system(command.c_str()) != 0) return std::nullopt;
    const auto end = std::chrono::steady_clock::now();
    getrusage(RUSAGE_CHILDREN, &after);
    if (tool == "pda") return std::chrono::duration<double>(end - start).count();
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(after.ru_utime) - seconds(before.ru_utime) + seconds(after.ru_stime) -
           seconds(before.ru_stime);
  }
  if (tool == "snack") {
    const std::string command =
        "printf '%s\\n' 'package require snack' 'snack::sound s -load [lindex $argv 0]' "
        "'set t [time {s pitch -method esps -framelength 0.01 -minpitch 60 -maxpitch 1000}]' "
        "'puts [expr {[lindex $t 0] / 1e6}]' | tclsh /dev/stdin '" +
        path + "' 2>/dev/null";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe) return std::nullopt;
    double seconds = 0;
    if (std::fscanf(pipe.get(), "%lf", &seconds) != 1) return std::nullopt;
    return seconds;
  }
  return praatSeconds(path, tool);
}

}  // namespace sonarel::bench
