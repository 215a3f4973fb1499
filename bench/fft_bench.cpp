// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "dsp/autocorrelation.h"
#include "dsp/fft.h"

namespace {

using namespace sonarel;

void fillFrame(std::span<double> frame) {
  std::fill(frame.begin(), frame.end(), 0.0);
  for (std::size_t i = 0; i < frame.size() * 2 / 3; ++i) {
    frame[i] = std::sin(0.05 * i) * std::cos(0.001 * i);
  }
}

// One frame's autocorrelation as the pitch tracker computes it: real-to-complex transform,
// squared magnitudes, complex-to-real transform. range(0): transform size.
void BM_FftAutocorrelation(benchmark::State& state) {
  dsp::FftAutocorrelation ac(static_cast<std::size_t>(state.range(0)));
  fillFrame(ac.input());
  for (auto _ : state) benchmark::DoNotOptimize(ac.compute().data());
}
BENCHMARK(BM_FftAutocorrelation)->Arg(2048)->Arg(4096);

// The same through a complex transform of the whole (real) frame, as the choice the
// real-to-complex transform is measured against.
void BM_FftAutocorrelationComplex(benchmark::State& state) {
  const auto n = static_cast<std::size_t>(state.range(0));
  const dsp::ComplexFft& fft = dsp::ComplexFft::ofSize(n);
  dsp::AlignedVector<double> frame(n);
  fillFrame(frame);
  dsp::AlignedVector<dsp::Complex> in(n), bins(n), out(n);
  for (auto _ : state) {
    std::copy(frame.begin(), frame.end(), in.begin());
    fft.forward(in, bins);
    for (dsp::Complex& bin : bins) bin = std::norm(bin);
    fft.inverse(bins, out);
    benchmark::DoNotOptimize(out.data());
  }
}
BENCHMARK(BM_FftAutocorrelationComplex)->Arg(2048)->Arg(4096);

// FFTW's own plans outside the shared cache, made with FFTW_ESTIMATE (range(1) = 0, what the
// cache uses) or FFTW_MEASURE (range(1) = 1): the gain of timing the candidate algorithms.
void BM_FftwAutocorrelationPlanning(benchmark::State& state) {
  const auto n = static_cast<int>(state.range(0));
  const unsigned flags = state.range(1) ? FFTW_MEASURE : FFTW_ESTIMATE;
  dsp::AlignedVector<double> frame(n), out(n);
  dsp::AlignedVector<dsp::Complex> bins(n / 2 + 1);
  auto* cbins = reinterpret_cast<fftw_complex*>(bins.data());
  fftw_plan forward = fftw_plan_dft_r2c_1d(n, frame.data(), cbins, flags);
  fftw_plan inverse = fftw_plan_dft_c2r_1d(n, cbins, out.data(), flags);
  fillFrame(frame);
  for (auto _ : state) {
    fftw_execute(forward);
    for (dsp::Complex& bin : bins) bin = std::norm(bin);
    fftw_execute(inverse);
    benchmark::DoNotOptimize(out.data());
  }
  fftw_destroy_plan(forward);
  fftw_destroy_plan(inverse);
}
BENCHMARK(BM_FftwAutocorrelationPlanning)
    ->ArgNames({"n", "measure"})
    ->ArgsProduct({{2048, 4096}, {0, 1}});

}  // namespace
