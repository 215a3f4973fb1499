// SPDX-License-Identifier: GPL-3.0-or-later
// Sampling-rate conversion of one minute of sound, beside sox doing the same in the same run.
// BM_Resample converts samples in memory; BM_ImportFile reads the file and writes the
// result as the import does; BM_Sox runs the sox program file to file (its default "rate"
// and "rate -v"), so BM_ImportFile is the figure to set beside it.

#include <benchmark/benchmark.h>

#include <filesystem>

#include "bench/praat_reference.h"
#include "bench/recordings.h"
#include "core/wave_file.h"
#include "spectral/resample.h"
#include "spectral/sound_import.h"

namespace sonarel {
namespace {

std::string OutputPath() {
  return (std::filesystem::temp_directory_path() / "sonarel-bench-resampled.wav").string();
}

void BM_Resample(benchmark::State& state) {
  const int from = static_cast<int>(state.range(0));
  const int to = static_cast<int>(state.range(1));
  const auto samples = core::loadWave(bench::benchRecording(60, from)).samples;
  for (auto _ : state) {
    auto result = spectral::Resample(samples, from, to);
    benchmark::DoNotOptimize(result);
  }
}
BENCHMARK(BM_Resample)
    ->ArgNames({"from", "to"})
    ->Args({48000, 22050})
    ->Args({48000, 44100})
    ->Args({44100, 11025})
    ->Args({16000, 22050})
    ->Args({8000, 11025})
    ->Unit(benchmark::kMillisecond);

void BM_ImportFile(benchmark::State& state) {
  const int from = static_cast<int>(state.range(0));
  const int to = static_cast<int>(state.range(1));
  const std::string& input = bench::benchRecording(60, from);
  for (auto _ : state) {
    auto source = spectral::ReadImportSource(input);
    auto failure = spectral::ImportSoundFile(std::get<spectral::ImportSource>(source),
                                             {OutputPath(), to, spectral::ChannelChoice::Mix});
    if (failure) state.SkipWithError("the conversion failed");
  }
}
BENCHMARK(BM_ImportFile)
    ->ArgNames({"from", "to"})
    ->Args({48000, 22050})
    ->Args({48000, 44100})
    ->Unit(benchmark::kMillisecond);

// sox's wall-clock time, program start included; skipped when sox is not installed.
void BM_Sox(benchmark::State& state, const char* effect) {
  const int from = static_cast<int>(state.range(0));
  const int to = static_cast<int>(state.range(1));
  const std::string& input = bench::benchRecording(60, from);
  const std::string command = "sox '" + input + "' '" + OutputPath() + "' " + effect + " " +
                              std::to_string(to) + " 2>/dev/null";
  for (auto _ : state) {
    const auto seconds = bench::commandSeconds(command);
    if (!seconds) {
      state.SkipWithError("sox is not installed or failed");
      break;
    }
    state.SetIterationTime(*seconds);
  }
}
BENCHMARK_CAPTURE(BM_Sox, rate, "rate")
    ->ArgNames({"from", "to"})
    ->Args({48000, 22050})
    ->Args({48000, 44100})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Sox, rate_v, "rate -v")
    ->ArgNames({"from", "to"})
    ->Args({48000, 22050})
    ->Args({48000, 44100})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace sonarel
