// SPDX-License-Identifier: GPL-3.0-or-later
// The clinical measures' heaviest pair, CPPS and the cross-correlation HNR, over a 10-s
// 44100 Hz recording, beside Praat's time for the same two analyses of the same file.

#include <benchmark/benchmark.h>

#include <vector>

#include "bench/praat_reference.h"
#include "bench/recordings.h"
#include "core/wave_file.h"
#include "quality/clinical/clinical_measures.h"

namespace {

using namespace sonarel;

void BM_ClinicalCppsAndHnr10s(benchmark::State& state) {
  const core::LoadedWave wave = core::loadWave(bench::benchRecording(10, 44100));
  const std::vector<float> x(wave.samples.begin(), wave.samples.end());
  for (auto _ : state) {
    auto cpps = quality::clinical::smoothedCepstralPeakProminence(x, 44100);
    auto hnr = quality::clinical::harmonicityCc(x, 44100);
    benchmark::DoNotOptimize(cpps);
    benchmark::DoNotOptimize(hnr);
  }
}
BENCHMARK(BM_ClinicalCppsAndHnr10s)->Unit(benchmark::kMillisecond);

// Praat's "To PowerCepstrogram" + "Get CPPS" and "To Harmonicity (cc)" + "Get mean", timed
// by Praat itself (reading excluded); skipped when Praat is not installed.
void BM_ClinicalCppsAndHnr10sPraat(benchmark::State& state) {
  const std::string& path = bench::benchRecording(10, 44100);
  for (auto _ : state) {
    const auto taken = bench::praatSeconds(path, "clinical");
    if (!taken) {
      state.SkipWithError("Praat is not installed or failed");
      break;
    }
    state.SetIterationTime(*taken);
  }
}
BENCHMARK(BM_ClinicalCppsAndHnr10sPraat)
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

}  // namespace
