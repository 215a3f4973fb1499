// SPDX-License-Identifier: GPL-3.0-or-later
#include "spectral/fft_kernels.h"
#include "spectral/windows.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstring>
#include <numbers>
#include <random>
#include <vector>

namespace sonarel::spectral {
namespace {

std::vector<float> randomSignal(std::size_t n, unsigned seed) {
  std::mt19937 generator(seed);
  std::uniform_real_distribution<float> value(-1.0f, 1.0f);
  std::vector<float> x(n);
  for (auto& v : x) v = value(generator);
  return x;
}

// Straightforward O(N²) transform in double precision with kernel exp(sign·2πi kn/N).
std::vector<std::complex<double>> referenceDft(const std::vector<std::complex<double>>& x,
                                               int sign) {
  const std::size_t n = x.size();
  std::vector<std::complex<double>> out(n);
  for (std::size_t k = 0; k < n; ++k) {
    std::complex<double> sum = 0.0;
    for (std::size_t t = 0; t < n; ++t) {
      const double angle =
          sign * 2.0 * std::numbers::pi * static_cast<double>((k * t) % n) / static_cast<double>(n);
      sum += x[t] * std::polar(1.0, angle);
    }
    out[k] = sum;
  }
  return out;
}

double rms(const std::vector<std::complex<double>>& x) {
  double sum = 0.0;
  for (const auto& v : x) sum += std::norm(v);
  return std::sqrt(sum / static_cast<double>(x.size()));
}

TEST(FftOrderOf, PowersOfTwoUpTo65536AndNothingElse) {
  EXPECT_EQ(FftOrderOf(2), 1);
  EXPECT_EQ(FftOrderOf(1024), 10);
  EXPECT_EQ(FftOrderOf(16384), 14);
  EXPECT_EQ(FftOrderOf(65536), 16);
  EXPECT_EQ(FftOrderOf(0), 0);
  EXPECT_EQ(FftOrderOf(1), 0);
  EXPECT_EQ(FftOrderOf(1000), 0);
  EXPECT_EQ(FftOrderOf(131072), 0);
}

TEST(ComplexFft, ImpulseGivesFlatSpectrumAndInverseRestoresIt) {
  constexpr int kOrder = 9;
  constexpr std::size_t kN = 512;
  std::vector<float> re(kN, 0.0f), im(kN, 0.0f);
  re[0] = 1.0f;
  ComplexFft(re.data(), im.data(), kOrder, 1);
  for (std::size_t k = 0; k < kN; ++k) {
    ASSERT_FLOAT_EQ(re[k], 1.0f) << k;
    ASSERT_FLOAT_EQ(im[k], 0.0f) << k;
  }
  ComplexFft(re.data(), im.data(), kOrder, 0);
  EXPECT_NEAR(re[0], 1.0f, 1e-6);
  for (std::size_t k = 1; k < kN; ++k) ASSERT_NEAR(re[k], 0.0f, 1e-6) << k;
}

// Random data against the double-precision transform: the float kernels with their float
// twiddle recurrences stay within 1e-4 of the reference, relative to the spectrum's rms.
TEST(ComplexFft, MatchesReferenceTransformOnRandomDataBothWays) {
  for (const int order : {1, 4, 8, 10, 12}) {
    const std::size_t n = std::size_t{1} << order;
    auto re = randomSignal(n, 11u + static_cast<unsigned>(order));
    auto im = randomSignal(n, 99u + static_cast<unsigned>(order));
    std::vector<std::complex<double>> x(n);
    for (std::size_t i = 0; i < n; ++i) x[i] = {re[i], im[i]};
    const auto expected = referenceDft(x, -1);
    ComplexFft(re.data(), im.data(), order, 1);
    const double scale = rms(expected);
    for (std::size_t k = 0; k < n; ++k) {
      ASSERT_NEAR(re[k], expected[k].real(), 1e-4 * scale) << "order " << order << " bin " << k;
      ASSERT_NEAR(im[k], expected[k].imag(), 1e-4 * scale) << "order " << order << " bin " << k;
    }
    ComplexFft(re.data(), im.data(), order, -1);
    for (std::size_t i = 0; i < n; ++i) {
      ASSERT_NEAR(re[i], x[i].real(), 1e-4) << i;
      ASSERT_NEAR(im[i], x[i].imag(), 1e-4) << i;
    }
  }
}

TEST(BinPowers, SquaresInDoublePrecision) {
  const std::vector<float> re{3.0f, 0.0f, 65536.0f};
  const std::vector<float> im{4.0f, -2.0f, 1.0f};
  std::vector<float> out(3);
  BinPowers(re.data(), im.data(), out.data(), 3);
  EXPECT_FLOAT_EQ(out[0], 25.0f);
  EXPECT_FLOAT_EQ(out[1], 4.0f);
  EXPECT_FLOAT_EQ(out[2], static_cast<float>(65536.0 * 65536.0 + 1.0));
}

TEST(PackedRealFft, ConstantSequenceFillsOnlyTheDcElement) {
  constexpr std::size_t kN = 1024;
  std::vector<float> data(kN, 3.0f);
  PackedRealFft(data.data(), kN / 2, 1);
  EXPECT_FLOAT_EQ(data[0], 3.0f * kN);
  for (std::size_t i = 1; i < kN; ++i) ASSERT_NEAR(data[i], 0.0f, 1e-3) << i;
}

TEST(PackedRealFft, MatchesReferenceTransformInPackedLayoutAndInverts) {
  for (const std::size_t n : {4u, 16u, 512u, 4096u}) {
    auto data = randomSignal(n, static_cast<unsigned>(n));
    const std::vector<float> original = data;
    std::vector<std::complex<double>> x(original.begin(), original.end());
    const auto expected = referenceDft(x, +1);
    PackedRealFft(data.data(), n / 2, 1);
    const double tolerance = 1e-4 * rms(expected);
    EXPECT_NEAR(data[0], expected[0].real(), tolerance);
    EXPECT_NEAR(data[1], expected[n / 2].real(), tolerance);
    for (std::size_t k = 1; k < n / 2; ++k) {
      ASSERT_NEAR(data[2 * k], expected[k].real(), tolerance) << "n " << n << " bin " << k;
      ASSERT_NEAR(data[2 * k + 1], expected[k].imag(), tolerance) << "n " << n << " bin " << k;
    }
    PackedRealFft(data.data(), n / 2, -1);
    for (std::size_t i = 0; i < n; ++i)
      ASSERT_NEAR(data[i] / static_cast<float>(n / 2), original[i], 1e-4) << "n " << n;
  }
}

TEST(InterleavedComplexFft, RoundTripScalesByCount) {
  constexpr std::size_t kCount = 256;
  auto data = randomSignal(2 * kCount, 5);
  const auto original = data;
  InterleavedComplexFft(data.data(), kCount, 1);
  InterleavedComplexFft(data.data(), kCount, -1);
  for (std::size_t i = 0; i < data.size(); ++i)
    ASSERT_NEAR(data[i] / kCount, original[i], 1e-5) << i;
}

// The transform as the textbook loop runs it, stage by stage, twiddle by twiddle, block by
// block. The kernel reorders the butterflies of a stage and must give the same bits.
void textbookInterleavedFft(std::vector<float>& data, std::size_t count, int sign) {
  const std::size_t n = 2 * count;
  for (std::size_t i = 0, j = 0; i < n; i += 2) {
    if (j > i) {
      std::swap(data[j], data[i]);
      std::swap(data[j + 1], data[i + 1]);
    }
    std::size_t m = count;
    while (m >= 2 && j >= m) {
      j -= m;
      m /= 2;
    }
    j += m;
  }
  for (std::size_t mmax = 2; mmax < n; mmax *= 2) {
    const double theta = sign * 6.28318530717959 / static_cast<double>(mmax);
    const double half = std::sin(0.5 * theta);
    const double wpr = -2.0 * half * half, wpi = std::sin(theta);
    double wr = 1.0, wi = 0.0;
    for (std::size_t m = 0; m < mmax; m += 2) {
      for (std::size_t i = m; i < n; i += 2 * mmax) {
        const std::size_t k = i + mmax;
        const auto tr = static_cast<float>(wr * data[k] - wi * data[k + 1]);
        const auto ti = static_cast<float>(wr * data[k + 1] + wi * data[k]);
        data[k] = data[i] - tr;
        data[k + 1] = data[i + 1] - ti;
        data[i] += tr;
        data[i + 1] += ti;
      }
      const double old = wr;
      wr += wr * wpr - wi * wpi;
      wi += wi * wpr + old * wpi;
    }
  }
}

TEST(InterleavedComplexFft, SameBitsAsTheTextbookLoopAtEverySize) {
  for (std::size_t count = 1; count <= 8192; count *= 2) {
    for (const int sign : {1, -1}) {
      auto data = randomSignal(2 * count, static_cast<unsigned>(count) + 7);
      auto expected = data;
      InterleavedComplexFft(data.data(), count, sign);
      textbookInterleavedFft(expected, count, sign);
      ASSERT_EQ(0, std::memcmp(data.data(), expected.data(), data.size() * sizeof(float)))
          << "count " << count << " sign " << sign;
    }
  }
}

TEST(ApplyHamming, EndsCentreAndSymmetry) {
  std::vector<float> odd(101, 2.0f);
  ApplyHamming(odd.data(), odd.size());
  EXPECT_NEAR(odd.front(), 2.0f * 0.08f, 1e-6);
  EXPECT_NEAR(odd.back(), 2.0f * 0.08f, 1e-6);
  EXPECT_NEAR(odd[50], 2.0f, 1e-6);
  for (std::size_t i = 0; i < odd.size(); ++i) ASSERT_NEAR(odd[i], odd[odd.size() - 1 - i], 1e-6);

  float single = 3.0f;  // no division by zero for a one-sample window
  ApplyHamming(&single, 1);
  EXPECT_EQ(single, 3.0f);

  std::vector<float> two{1.0f, 1.0f};
  ApplyHamming(two.data(), two.size());
  EXPECT_NEAR(two[0], 0.08f, 1e-6);
  EXPECT_NEAR(two[1], 0.08f, 1e-6);
}

}  // namespace
}  // namespace sonarel::spectral
