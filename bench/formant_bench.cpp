// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include "bench/praat_reference.h"
#include "bench/recordings.h"
#include "core/wave_file.h"
#include "spectral/formant_track.h"

namespace {

using namespace sonarel;

// The formant track of a whole recording, as the vowel-space display computes it once per
// file: one LPC analysis and one root solving per 50-ms block. range(0): seconds,
// range(1): rate.
void BM_TrackFormants(benchmark::State& state) {
  const auto rate = static_cast<std::uint32_t>(state.range(1));
  const core::LoadedWave wave = core::loadWave(
      bench::benchRecording(static_cast<int>(state.range(0)), static_cast<int>(rate)));
  for (auto _ : state) {
    const spectral::FormantTrack track = spectral::TrackFormants(wave.samples, rate);
    benchmark::DoNotOptimize(track.formants.data());
  }
  state.counters["blocks"] = static_cast<double>(
      spectral::FormantBlockTable(static_cast<std::int64_t>(wave.samples.size()), rate).size());
}
BENCHMARK(BM_TrackFormants)
    ->ArgNames({"s", "rate"})
    ->Args({120, 11025})
    ->Args({120, 22050})
    ->Unit(benchmark::kMillisecond);

// Praat's Burg formant analysis of the same recording, one frame every 50 ms.
void BM_PraatFormants(benchmark::State& state) {
  const std::string& path = bench::benchRecording(120, 22050);
  for (auto _ : state) {
    const auto taken = bench::praatSeconds(path, "formants");
    if (!taken) {
      state.SkipWithError("praat is not installed or failed");
      break;
    }
    state.SetIterationTime(*taken);
  }
}
BENCHMARK(BM_PraatFormants)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace
