#include "core/real_fft.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <random>

namespace sonarel::core {
namespace {

std::vector<double> randomSignal(std::size_t n, unsigned seed) {
  std::mt19937 random(seed);
  std::uniform_real_distribution<double> value(-1.0, 1.0);
  std::vector<double> x(n);
  for (double& v : x) v = value(random);
  return x;
}

// The packed spectrum by the defining sum, for comparison.
std::vector<double> naivePacked(const std::vector<double>& x) {
  const std::size_t n = x.size();
  std::vector<double> out(n);
  for (std::size_t k = 0; k <= n / 2; ++k) {
    std::complex<double> sum = 0;
    for (std::size_t j = 0; j < n; ++j) sum += x[j] * std::polar(1.0, -2 * M_PI * k * j / n);
    if (k == 0) {
      out[0] = sum.real();
    } else if (k == n / 2) {
      out[1] = sum.real();
    } else {
      out[2 * k] = sum.real();
      out[2 * k + 1] = sum.imag();
    }
  }
  return out;
}

TEST(RealFft, MatchesTheDefiningSumAndInvertsForEverySize) {
  for (std::size_t n = 2; n <= 512; n *= 2) {
    const std::vector<double> x = randomSignal(n, static_cast<unsigned>(n));
    std::vector<double> data = x;
    const RealFft fft(n);
    fft.forward(data);
    const std::vector<double> expected = naivePacked(x);
    // Rounding grows with log n; 1e-9 of the signal's scale is far above it.
    for (std::size_t i = 0; i < n; ++i) ASSERT_NEAR(data[i], expected[i], 1e-9) << n << " " << i;
    fft.inverse(data);
    for (std::size_t i = 0; i < n; ++i) ASSERT_NEAR(data[i], x[i], 1e-12) << n << " " << i;
  }
}

TEST(RealFft, SquaredMagnitudesGiveTheCircularAutocorrelation) {
  const std::size_t n = 64;
  const std::vector<double> x = randomSignal(n, 5);
  std::vector<double> data = x;
  const RealFft fft(n);
  fft.forward(data);
  RealFft::squareMagnitudes(data);
  fft.inverse(data);
  for (std::size_t lag = 0; lag < n; ++lag) {
    double expected = 0;
    for (std::size_t j = 0; j < n; ++j) expected += x[j] * x[(j + lag) % n];
    ASSERT_NEAR(data[lag], expected, 1e-10) << lag;
  }
}

TEST(NextPowerOfTwo, RoundsUp) {
  EXPECT_EQ(nextPowerOfTwo(0), 1u);
  EXPECT_EQ(nextPowerOfTwo(1), 1u);
  EXPECT_EQ(nextPowerOfTwo(3), 4u);
  EXPECT_EQ(nextPowerOfTwo(2832), 4096u);
  EXPECT_EQ(nextPowerOfTwo(4096), 4096u);
}

}  // namespace
}  // namespace sonarel::core
