// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "bench/recordings.h"
#include "cli/commands.h"

namespace {

using namespace sonarel;

// `sonarel-cli batch` over 100 one-minute 11025 Hz recordings (copies of one, each its own
// file), as a clinic's end-of-day statistics run: F0, intensity and statistics of every file,
// files in parallel on every core. Reported as recordings per second.
void BM_Batch100Recordings60s11025(benchmark::State& state) {
  constexpr int kFiles = 100;
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / "sonarel-bench-batch";
  std::filesystem::create_directories(folder);
  const std::string& source = bench::benchRecording(60, 11025);
  std::vector<std::string> words = {"batch", "--out", (folder / "statistics.csv").string()};
  for (int i = 0; i < kFiles; ++i) {
    const auto copy = folder / ("recording" + std::to_string(i) + ".wav");
    std::filesystem::copy_file(source, copy, std::filesystem::copy_options::overwrite_existing);
    words.push_back(copy.string());
  }
  for (auto _ : state) {
    std::ostringstream out, err;
    if (cli::runCommandLine(words, {out, err}) != 0) {
      state.SkipWithError("batch failed");
      break;
    }
  }
  state.counters["recordings/s"] =
      benchmark::Counter(kFiles, benchmark::Counter::kIsIterationInvariantRate);
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_Batch100Recordings60s11025)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
