// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include "bench/praat_reference.h"
#include "bench/recordings.h"
#include "core/f0_driver.h"
#include "core/intensity.h"
#include "core/wave_file.h"

namespace {

using namespace sonarel;

// The F0 driver over a whole recording, as the window runs it: AutoCorrelation with its
// pre-filter or CrossCorrelation, 70-400 Hz. range(0): seconds, range(1): rate,
// range(2): method index, range(3): worker threads (0: one per processor).
void BM_F0(benchmark::State& state) {
  const auto seconds = static_cast<int>(state.range(0));
  const auto rate = static_cast<int>(state.range(1));
  const core::LoadedWave wave = core::loadWave(bench::benchRecording(seconds, rate));
  core::F0Settings settings;
  settings.method = static_cast<int>(state.range(2));
  const core::AnalysisControl control{.threads = static_cast<int>(state.range(3))};
  for (auto _ : state) {
    core::F0Contour contour;
    core::VoicingMap map{};
    core::runF0Method(wave.samples, rate, settings, contour, map, control);
    benchmark::DoNotOptimize(contour.values.data());
  }
}
BENCHMARK(BM_F0)
    ->ArgNames({"s", "rate", "method", "threads"})
    ->ArgsProduct({{60}, {22050}, {1, 2}, {1, 0}})
    ->ArgsProduct({{120}, {44100}, {1, 2}, {1, 0}})
    ->Unit(benchmark::kMillisecond);

void BM_Intensity120s44100(benchmark::State& state) {
  const core::LoadedWave wave = core::loadWave(bench::benchRecording(120, 44100));
  for (auto _ : state) {
    const core::IntensityContour contour =
        core::computeIntensity(wave.samples, 44100, core::FileKind::VocalQuality);
    benchmark::DoNotOptimize(core::intensityColumns(contour).data());
  }
}
BENCHMARK(BM_Intensity120s44100)->Unit(benchmark::kMillisecond);

// Praat's own analysis of the same recordings, timed by Praat itself (reading excluded);
// skipped when Praat is not installed.
void BM_Praat(benchmark::State& state, const char* analysis) {
  const auto seconds = static_cast<int>(state.range(0));
  const auto rate = static_cast<int>(state.range(1));
  const std::string& path = bench::benchRecording(seconds, rate);
  for (auto _ : state) {
    const auto taken = bench::praatSeconds(path, analysis);
    if (!taken) {
      state.SkipWithError("praat is not installed or failed");
      break;
    }
    state.SetIterationTime(*taken);
  }
}
BENCHMARK_CAPTURE(BM_Praat, ac, "ac")
    ->ArgNames({"s", "rate"})
    ->Args({60, 22050})
    ->Args({120, 44100})
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Praat, cc, "cc")
    ->ArgNames({"s", "rate"})
    ->Args({60, 22050})
    ->Args({120, 44100})
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Praat, intensity, "intensity")
    ->ArgNames({"s", "rate"})
    ->Args({120, 44100})
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

}  // namespace
