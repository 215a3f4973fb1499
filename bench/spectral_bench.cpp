// SPDX-License-Identifier: GPL-3.0-or-later
// The spectral displays' numbers over a two-minute 44100 Hz recording: one narrow-band
// spectrogram (680 columns, N 4096, as drawn on screen) and the power spectrum of the whole
// recording at each transform size; also the LPC spectrum of the whole recording.

#include <benchmark/benchmark.h>

#include "bench/recordings.h"
#include "core/sample_buffer.h"
#include "core/wave_file.h"
#include "spectral/lpc_spectrum.h"
#include "spectral/power_spectrum.h"
#include "spectral/spectrogram.h"

namespace {

using namespace sonarel;

const core::SampleBuffer& recording44100() {
  static const core::SampleBuffer buffer = [] {
    core::SampleBuffer b;
    b.kind = core::FileKind::VocalQuality;
    core::openSoundFile(b, bench::benchRecording(120, 44100));
    return b;
  }();
  return buffer;
}

// On one thread and on one per processor (threads 0): the wall time is what the window waits.
void BM_NarrowSpectrogram(benchmark::State& state) {
  const core::SampleBuffer& b = recording44100();
  const int rows = static_cast<int>(state.range(0));
  spectral::SpectrogramRequest request{
      b.samples, 0, b.count(), 44100, spectral::SpectrogramBand::Narrow, rows};
  request.threads = static_cast<int>(state.range(1));
  for (auto _ : state) {
    const auto picture = spectral::SpectrogramLevels(request);
    benchmark::DoNotOptimize(picture.levels.data());
  }
  state.SetLabel("680 columns, N 4096, " + std::to_string(rows) + " rows");
}
BENCHMARK(BM_NarrowSpectrogram)
    ->ArgNames({"rows", "threads"})
    ->ArgsProduct({{175, 360}, {1, 0}})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

void BM_PowerSpectrumWholeRecording(benchmark::State& state) {
  const core::SampleBuffer& b = recording44100();
  const int n = static_cast<int>(state.range(0));
  for (auto _ : state) {
    const auto levels = spectral::PowerSpectrum(b.samples, 0, b.count(), {n});
    benchmark::DoNotOptimize(levels.data());
  }
  state.SetLabel(std::to_string(spectral::PowerSpectrumFrames(b.count(), n)) + " frames");
}
BENCHMARK(BM_PowerSpectrumWholeRecording)
    ->Arg(256)
    ->Arg(512)
    ->Arg(1024)
    ->Unit(benchmark::kMillisecond);

void BM_LpcSpectrumWholeRecording(benchmark::State& state) {
  const core::SampleBuffer& b = recording44100();
  spectral::DitherSource dither(1);
  for (auto _ : state) {
    const auto result = spectral::LpcSpectrum(b.samples, 0, b.count(), {}, dither);
    benchmark::DoNotOptimize(result.levels.data());
  }
}
BENCHMARK(BM_LpcSpectrumWholeRecording)->Unit(benchmark::kMillisecond);

}  // namespace
