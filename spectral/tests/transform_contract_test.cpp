// SPDX-License-Identifier: GPL-3.0-or-later
// One contract for every transform of the program, the analyses' FFTW transforms and the
// displays' float kernels alike: an impulse, a constant, the Nyquist sequence and random
// input against the defining sum in long double, the inverse bringing the input back, and
// no write past the end of any buffer.

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <functional>
#include <numbers>
#include <random>
#include <string>
#include <vector>

#include "dsp/fft.h"
#include "spectral/fft_kernels.h"

namespace sonarel {
namespace {

using LongComplex = std::complex<long double>;

constexpr std::size_t kGuard = 8;  // values checked past the end of every buffer
constexpr double kGuardValue = -12345.0;

// What one run of a transform gave: all N bins (the mirrored half filled in for real
// transforms), the input back from the inverse, and whether every guard value survived.
struct Run {
  std::vector<LongComplex> bins;
  std::vector<LongComplex> roundTrip;
  bool guardsIntact = true;
};

struct Transform {
  std::string name;
  bool realInput;
  double epsilon;  // of the arithmetic the transform works in
  std::vector<std::size_t> sizes;
  std::function<Run(const std::vector<std::complex<double>>& x)> run;
};

template <class Buffer>
Buffer guarded(std::size_t n) {
  Buffer b(n + kGuard);
  for (std::size_t i = n; i < b.size(); ++i)
    b[i] = static_cast<typename Buffer::value_type>(kGuardValue);
  return b;
}

template <class Buffer>
bool guardsIntact(const Buffer& b, std::size_t n) {
  for (std::size_t i = n; i < b.size(); ++i) {
    if (b[i] != static_cast<typename Buffer::value_type>(kGuardValue)) return false;
  }
  return true;
}

// Bins N/2+1 .. N-1 of a real sequence's spectrum are the conjugates of the first half.
void mirror(std::vector<LongComplex>& bins, std::size_t n) {
  bins.resize(n);
  for (std::size_t k = n / 2 + 1; k < n; ++k) bins[k] = std::conj(bins[n - k]);
}

Run runRealFftw(const std::vector<std::complex<double>>& x) {
  const std::size_t n = x.size();
  const dsp::RealFft& fft = dsp::RealFft::ofSize(n);
  auto in = guarded<dsp::AlignedVector<double>>(n);
  auto bins = guarded<dsp::AlignedVector<dsp::Complex>>(fft.binCount());
  auto back = guarded<dsp::AlignedVector<double>>(n);
  for (std::size_t i = 0; i < n; ++i) in[i] = x[i].real();
  fft.forward(std::span(in).first(n), std::span(bins).first(fft.binCount()));
  Run run;
  for (std::size_t k = 0; k < fft.binCount(); ++k)
    run.bins.emplace_back(bins[k].real(), bins[k].imag());
  mirror(run.bins, n);
  fft.inverse(std::span(bins).first(fft.binCount()), std::span(back).first(n));
  for (std::size_t i = 0; i < n; ++i) run.roundTrip.emplace_back(back[i] / static_cast<double>(n));
  run.guardsIntact =
      guardsIntact(in, n) && guardsIntact(bins, fft.binCount()) && guardsIntact(back, n);
  return run;
}

Run runComplexFftw(const std::vector<std::complex<double>>& x) {
  const std::size_t n = x.size();
  const dsp::ComplexFft& fft = dsp::ComplexFft::ofSize(n);
  auto in = guarded<dsp::AlignedVector<dsp::Complex>>(n);
  auto bins = guarded<dsp::AlignedVector<dsp::Complex>>(n);
  auto back = guarded<dsp::AlignedVector<dsp::Complex>>(n);
  std::copy(x.begin(), x.end(), in.begin());
  fft.forward(std::span(in).first(n), std::span(bins).first(n));
  fft.inverse(std::span(bins).first(n), std::span(back).first(n));
  Run run;
  for (std::size_t k = 0; k < n; ++k) {
    run.bins.emplace_back(bins[k].real(), bins[k].imag());
    run.roundTrip.emplace_back(back[k].real() / n, back[k].imag() / n);
  }
  run.guardsIntact = guardsIntact(in, n) && guardsIntact(bins, n) && guardsIntact(back, n);
  return run;
}

Run runDisplayComplex(const std::vector<std::complex<double>>& x) {
  const std::size_t n = x.size();
  auto re = guarded<std::vector<float>>(n), im = guarded<std::vector<float>>(n);
  for (std::size_t i = 0; i < n; ++i) re[i] = float(x[i].real()), im[i] = float(x[i].imag());
  const int order = spectral::FftOrderOf(n);
  spectral::ComplexFft(re.data(), im.data(), order, 1);
  Run run;
  for (std::size_t k = 0; k < n; ++k) run.bins.emplace_back(re[k], im[k]);
  spectral::ComplexFft(re.data(), im.data(), order, -1);  // the inverse scales by 1/N
  for (std::size_t k = 0; k < n; ++k) run.roundTrip.emplace_back(re[k], im[k]);
  run.guardsIntact = guardsIntact(re, n) && guardsIntact(im, n);
  return run;
}

Run runDisplayInterleaved(const std::vector<std::complex<double>>& x) {
  const std::size_t n = x.size();
  auto data = guarded<std::vector<float>>(2 * n);
  for (std::size_t i = 0; i < n; ++i)
    data[2 * i] = float(x[i].real()), data[2 * i + 1] = float(x[i].imag());
  spectral::InterleavedComplexFft(data.data(), n, -1);
  Run run;
  for (std::size_t k = 0; k < n; ++k) run.bins.emplace_back(data[2 * k], data[2 * k + 1]);
  spectral::InterleavedComplexFft(data.data(), n, 1);
  for (std::size_t k = 0; k < n; ++k) {
    run.roundTrip.emplace_back(data[2 * k] / float(n), data[2 * k + 1] / float(n));
  }
  run.guardsIntact = guardsIntact(data, 2 * n);
  return run;
}

// The packed display transform uses the kernel exp(+2 pi i k n / N): its bins are the
// conjugates of the defining sum's, so they are conjugated back here.
Run runDisplayPackedReal(const std::vector<std::complex<double>>& x) {
  const std::size_t n = x.size();
  auto data = guarded<std::vector<float>>(n);
  for (std::size_t i = 0; i < n; ++i) data[i] = float(x[i].real());
  spectral::PackedRealFft(data.data(), n / 2, 1);
  Run run;
  run.bins.emplace_back(data[0]);
  for (std::size_t k = 1; k < n / 2; ++k) run.bins.emplace_back(data[2 * k], -data[2 * k + 1]);
  run.bins.emplace_back(data[1]);
  mirror(run.bins, n);
  spectral::PackedRealFft(data.data(), n / 2, -1);  // gives N/2 times the input
  for (std::size_t i = 0; i < n; ++i) run.roundTrip.emplace_back(data[i] / (n / 2.0f));
  run.guardsIntact = guardsIntact(data, n);
  return run;
}

std::vector<std::size_t> powersOfTwo(std::size_t from, std::size_t to) {
  std::vector<std::size_t> sizes;
  for (std::size_t n = from; n <= to; n *= 2) sizes.push_back(n);
  return sizes;
}

std::vector<Transform> everyTransform() {
  const double doubleEps = std::numeric_limits<double>::epsilon();
  const double floatEps = std::numeric_limits<float>::epsilon();
  // FFTW takes any size; the ones the analyses use are powers of two, others are checked too.
  std::vector<std::size_t> anySize = powersOfTwo(2, 8192);
  for (std::size_t n : {3, 6, 15, 100, 1000, 1536}) anySize.push_back(n);
  return {
      {"fftw real", true, doubleEps, anySize, runRealFftw},
      {"fftw complex", false, doubleEps, anySize, runComplexFftw},
      // Its rotations advance by a float recurrence across each stage, whose rounding
      // accumulates with the stage's length: a looser bound, still far below a wrong bin.
      {"display complex", false, 8 * floatEps, powersOfTwo(2, 16384), runDisplayComplex},
      {"display interleaved", false, floatEps, powersOfTwo(2, 16384), runDisplayInterleaved},
      {"display packed real", true, floatEps, powersOfTwo(4, 16384), runDisplayPackedReal},
  };
}

// The defining sum, in long double.
std::vector<LongComplex> naiveDft(const std::vector<std::complex<double>>& x) {
  const std::size_t n = x.size();
  std::vector<LongComplex> out(n);
  const long double step = -2.0L * std::numbers::pi_v<long double> / static_cast<long double>(n);
  std::vector<LongComplex> turn(n);  // exp(-2 pi i m / N)
  for (std::size_t m = 0; m < n; ++m)
    turn[m] = std::polar(1.0L, step * static_cast<long double>(m));
  for (std::size_t k = 0; k < n; ++k) {
    LongComplex sum = 0;
    for (std::size_t t = 0; t < n; ++t)
      sum += LongComplex(x[t].real(), x[t].imag()) * turn[(k * t) % n];
    out[k] = sum;
  }
  return out;
}

long double norm2(const std::vector<std::complex<double>>& x) {
  long double sum = 0;
  for (const auto& v : x) sum += std::norm(LongComplex(v.real(), v.imag()));
  return std::sqrt(sum);
}

// A transform's error grows about as eps sqrt(log N) times the input's energy norm; the bound
// leaves a wide margin yet stays far below any wrong bin (of the order of that norm).
long double bound(const Transform& t, std::size_t n, long double inputNorm) {
  return 16.0L * t.epsilon * (1.0L + std::log2(static_cast<long double>(n))) * inputNorm;
}

void expectMatches(const Transform& t, const std::vector<std::complex<double>>& x,
                   const std::vector<LongComplex>& expected, const std::string& what) {
  const Run run = t.run(x);
  const std::size_t n = x.size();
  const long double tolerance = bound(t, n, std::max(norm2(x), 1.0L));
  ASSERT_EQ(run.bins.size(), n) << t.name << " " << what << " N=" << n;
  long double worst = 0, worstBack = 0;
  for (std::size_t k = 0; k < n; ++k) {
    worst = std::max(worst, std::abs(run.bins[k] - expected[k]));
    const LongComplex input(x[k].real(), t.realInput ? 0.0 : x[k].imag());
    worstBack = std::max(worstBack, std::abs(run.roundTrip[k] - input));
  }
  EXPECT_LE(worst, tolerance) << t.name << " " << what << " N=" << n;
  EXPECT_LE(worstBack, tolerance) << t.name << " " << what << " inverse, N=" << n;
  EXPECT_TRUE(run.guardsIntact) << t.name << " " << what << " wrote past a buffer, N=" << n;
}

TEST(TransformContract, ImpulseGivesAFlatSpectrum) {
  for (const Transform& t : everyTransform()) {
    for (std::size_t n : t.sizes) {
      std::vector<std::complex<double>> x(n);
      x[0] = 1.0;
      expectMatches(t, x, std::vector<LongComplex>(n, 1.0L), "impulse");
    }
  }
}

TEST(TransformContract, ConstantFillsOnlyBinZero) {
  for (const Transform& t : everyTransform()) {
    for (std::size_t n : t.sizes) {
      std::vector<std::complex<double>> x(n, 0.75);
      std::vector<LongComplex> expected(n);
      expected[0] = 0.75L * n;
      expectMatches(t, x, expected, "constant");
    }
  }
}

TEST(TransformContract, AlternatingSignsFillOnlyTheNyquistBin) {
  for (const Transform& t : everyTransform()) {
    for (std::size_t n : t.sizes) {
      if (n % 2 != 0) continue;
      std::vector<std::complex<double>> x(n);
      for (std::size_t i = 0; i < n; ++i) x[i] = i % 2 ? -1.0 : 1.0;
      std::vector<LongComplex> expected(n);
      expected[n / 2] = static_cast<long double>(n);
      expectMatches(t, x, expected, "nyquist");
    }
  }
}

TEST(TransformContract, RandomInputMatchesTheDefiningSum) {
  std::mt19937 random(11);
  std::uniform_real_distribution<double> value(-1.0, 1.0);
  for (const Transform& t : everyTransform()) {
    for (std::size_t n : t.sizes) {
      if (n > 2048) continue;  // the defining sum costs N^2
      std::vector<std::complex<double>> x(n);
      for (auto& v : x) v = {value(random), t.realInput ? 0.0 : value(random)};
      expectMatches(t, x, naiveDft(x), "random");
    }
  }
}

}  // namespace
}  // namespace sonarel
