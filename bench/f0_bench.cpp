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
// SRPD (0), AMDF (3) and the NCCF tracker (4): single-threaded, on the 60-s recording at both
// voice-analysis rates.
BENCHMARK(BM_F0)
    ->ArgNames({"s", "rate", "method", "threads"})
    ->ArgsProduct({{60}, {11025, 22050}, {0, 3, 4}, {1}})
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

// The reference programs on the same recordings, run as black boxes: Praat's own analysis
// timed by Praat itself (reading excluded); pda (SRPD, 8-ms shift, 20-ms length, 70-400 Hz,
// low-pass and peak tracking) as a whole process, its reading of the file included; Snack's
// ESPS pitch (10-ms frames, 60-1000 Hz) timed around the analysis alone. Skipped when the
// program is not installed.
void BM_Reference(benchmark::State& state, const char* tool) {
  const auto seconds = static_cast<int>(state.range(0));
  const auto rate = static_cast<int>(state.range(1));
  const std::string& path = bench::benchRecording(seconds, rate);
  for (auto _ : state) {
    const auto taken = bench::referenceSeconds(tool, path);
    if (!taken) {
      state.SkipWithError("the reference program is not installed or failed");
      break;
    }
    state.SetIterationTime(*taken);
  }
}
BENCHMARK_CAPTURE(BM_Reference, praat_ac, "ac")
    ->ArgNames({"s", "rate"})
    ->Args({60, 11025})
    ->Args({60, 22050})
    ->Args({120, 44100})
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Reference, praat_cc, "cc")
    ->ArgNames({"s", "rate"})
    ->Args({60, 22050})
    ->Args({120, 44100})
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Reference, praat_intensity, "intensity")
    ->ArgNames({"s", "rate"})
    ->Args({120, 44100})
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

BENCHMARK_CAPTURE(BM_Reference, pda, "pda")
    ->ArgNames({"s", "rate"})
    ->Args({60, 11025})
    ->Args({60, 22050})
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Reference, pda_cpu, "pda_cpu")
    ->ArgNames({"s", "rate"})
    ->Args({60, 11025})
    ->Args({60, 22050})
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Reference, snack, "snack")
    ->ArgNames({"s", "rate"})
    ->Args({60, 11025})
    ->Args({60, 22050})
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

}  // namespace
