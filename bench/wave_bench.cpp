// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include "bench/recordings.h"
#include "core/sample_buffer.h"
#include "core/wave_file.h"

namespace {

using namespace sonarel;

// Reading a two-minute vocal-quality recording, the largest file a clinician opens.
void BM_LoadWave120s44100(benchmark::State& state) {
  const std::string& path = bench::benchRecording(120, 44100);
  for (auto _ : state) {
    core::LoadedWave wave = core::loadWave(path);
    benchmark::DoNotOptimize(wave.samples.data());
  }
  state.SetBytesProcessed(state.iterations() * 120 * 44100 * 2);
}
BENCHMARK(BM_LoadWave120s44100)->Unit(benchmark::kMillisecond);

void BM_OpenSoundFile120s44100(benchmark::State& state) {
  const std::string& path = bench::benchRecording(120, 44100);
  core::SampleBuffer buffer;
  buffer.kind = core::FileKind::VocalQuality;
  for (auto _ : state) {
    benchmark::DoNotOptimize(core::openSoundFile(buffer, path));
  }
}
BENCHMARK(BM_OpenSoundFile120s44100)->Unit(benchmark::kMillisecond);

}  // namespace
