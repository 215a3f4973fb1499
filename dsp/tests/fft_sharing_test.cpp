// SPDX-License-Identifier: GPL-3.0-or-later
// The shared plans: one per size, made safely when threads ask for them at once, and giving
// the same results on every thread.

#include <gtest/gtest.h>

#include <cmath>
#include <thread>
#include <vector>

#include "dsp/autocorrelation.h"
#include "dsp/fft.h"

namespace sonarel::dsp {
namespace {

TEST(FftPlans, ThreadsAskingAtOnceShareOnePlanPerSizeAndAgreeBitForBit) {
  constexpr int kThreads = 4;
  const std::vector<std::size_t> sizes = {512, 768, 1024, 2048, 4000};
  std::vector<std::vector<const RealFft*>> seen(kThreads);
  std::vector<std::vector<double>> results(kThreads);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] {
      for (std::size_t n : sizes) {
        seen[t].push_back(&RealFft::ofSize(n));
        FftAutocorrelation ac(n);
        for (std::size_t i = 0; i < n / 2; ++i) ac.input()[i] = std::sin(0.1 * double(i));
        const auto r = ac.compute();
        results[t].insert(results[t].end(), r.begin(), r.end());
      }
    });
  }
  for (auto& thread : threads) thread.join();
  for (int t = 1; t < kThreads; ++t) {
    EXPECT_EQ(seen[t], seen[0]);
    EXPECT_EQ(results[t], results[0]);  // exact: the same plan on the same input
  }
  for (std::size_t i = 0; i < sizes.size(); ++i) EXPECT_EQ(seen[0][i]->size(), sizes[i]);
}

// Arrays not from fftw_malloc (here one double past an aligned start) go through aligned
// copies and give the very same values.
TEST(FftPlans, MisalignedArraysGiveTheSameResult) {
  constexpr std::size_t n = 256;
  const RealFft& real = RealFft::ofSize(n);
  const ComplexFft& complex = ComplexFft::ofSize(n);
  AlignedVector<double> x(n + 1);
  for (std::size_t i = 0; i <= n; ++i) x[i] = std::sin(0.3 * double(i)) + 0.1 * double(i % 7);
  AlignedVector<Complex> bins(real.binCount() + 1), shiftedBins(real.binCount() + 1);
  real.forward(std::span(x).subspan(1, n), std::span(shiftedBins).subspan(1));
  AlignedVector<double> aligned(x.begin() + 1, x.end());
  real.forward(aligned, std::span(bins).first(real.binCount()));
  for (std::size_t k = 0; k < real.binCount(); ++k) EXPECT_EQ(shiftedBins[k + 1], bins[k]);

  AlignedVector<double> back(n + 1);
  real.inverse(std::span(shiftedBins).subspan(1), std::span(back).subspan(1));
  for (std::size_t i = 0; i < n; ++i) EXPECT_NEAR(back[i + 1] / n, x[i + 1], 1e-12);

  AlignedVector<Complex> z(n + 1), spectrum(n + 1), alignedSpectrum(n);
  for (std::size_t i = 0; i <= n; ++i) z[i] = {x[i], -x[n - i]};
  complex.forward(std::span(z).subspan(1), std::span(spectrum).first(n));
  AlignedVector<Complex> alignedZ(z.begin() + 1, z.end());
  complex.forward(alignedZ, alignedSpectrum);
  for (std::size_t k = 0; k < n; ++k) EXPECT_EQ(spectrum[k], alignedSpectrum[k]);
}

TEST(FftAutocorrelation, GivesTheCircularAutocorrelationTimesTheSize) {
  constexpr std::size_t n = 64;
  FftAutocorrelation ac(n);
  std::vector<double> x(n, 0.0);
  for (std::size_t i = 0; i < 40; ++i) x[i] = std::cos(0.3 * double(i)) + 0.01 * double(i);
  std::copy(x.begin(), x.end(), ac.input().begin());
  const auto r = ac.compute();
  for (std::size_t lag = 0; lag < n; ++lag) {
    double direct = 0;
    for (std::size_t i = 0; i < n; ++i) direct += x[i] * x[(i + lag) % n];
    EXPECT_NEAR(r[lag] / double(n), direct, 1e-12) << "lag " << lag;
  }
  // The input is kept, so a second run gives the same.
  const std::vector<double> first(r.begin(), r.end());
  const auto again = ac.compute();
  EXPECT_EQ(std::vector<double>(again.begin(), again.end()), first);
}

TEST(FastFftSize, PicksThePowerOfTwoOrThreeTimesOneThatWastesLess) {
  EXPECT_EQ(fastFftSize(1), 1u);
  EXPECT_EQ(fastFftSize(3), 3u);
  EXPECT_EQ(fastFftSize(5), 6u);
  EXPECT_EQ(fastFftSize(1024), 1024u);
  EXPECT_EQ(fastFftSize(1025), 1536u);
  EXPECT_EQ(fastFftSize(1536), 1536u);
  EXPECT_EQ(fastFftSize(1537), 2048u);
  EXPECT_EQ(fastFftSize(2832), 3072u) << "a 3-period window at 44100 Hz and 70 Hz";
  for (std::size_t n = 1; n < 5000; ++n) {
    const std::size_t size = fastFftSize(n);
    ASSERT_GE(size, n);
    ASSERT_LE(size, n + n / 2 + 1) << n;
  }
}

}  // namespace
}  // namespace sonarel::dsp
