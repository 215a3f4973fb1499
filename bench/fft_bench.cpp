#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "core/real_fft.h"

namespace {

using namespace sonarel;

// One frame's autocorrelation as the pitch tracker computes it: forward transform, squared
// magnitudes, inverse transform. range(0): transform size.
void BM_FftAutocorrelation(benchmark::State& state) {
  const auto n = static_cast<std::size_t>(state.range(0));
  const core::RealFft fft(n);
  core::RealFft::Workspace workspace = fft.makeWorkspace();
  std::vector<double> frame(n, 0.0), buffer(n);
  for (std::size_t i = 0; i < n * 2 / 3; ++i) frame[i] = std::sin(0.05 * i) * std::cos(0.001 * i);
  for (auto _ : state) {
    buffer = frame;
    fft.forward(buffer, workspace);
    core::RealFft::squareMagnitudes(buffer);
    fft.inverse(buffer, workspace);
    benchmark::DoNotOptimize(buffer.data());
  }
}
BENCHMARK(BM_FftAutocorrelation)->Arg(2048)->Arg(4096);

}  // namespace
