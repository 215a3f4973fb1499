// SPDX-License-Identifier: GPL-3.0-or-later
// Band-limited resampling: tones below the lower Nyquist frequency keep their amplitude and
// land at the times of the new grid; tones above it vanish. The tabled logarithm the
// cepstral analyses use agrees with the library's.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "dsp/fast_log.h"
#include "dsp/fft_resample.h"

namespace sonarel::dsp {
namespace {

std::vector<float> tone(double hz, int rate, std::size_t count) {
  std::vector<float> x(count);
  for (std::size_t n = 0; n < count; ++n)
    x[n] = static_cast<float>(std::sin(2 * M_PI * hz * (static_cast<double>(n) + 0.5) / rate));
  return x;
}

// The largest difference from the tone at the new grid's sample times, away from the ends.
double worstError(const std::vector<double>& y, double hz, int rate) {
  double worst = 0;
  for (std::size_t m = y.size() / 10; m < y.size() * 9 / 10; ++m) {
    const double expected = std::sin(2 * M_PI * hz * (static_cast<double>(m) + 0.5) / rate);
    worst = std::max(worst, std::abs(y[m] - expected));
  }
  return worst;
}

TEST(FftResample, KeepsTonesBelowTheNyquistFrequencyOnTheNewGrid) {
  // Down, up and by an odd ratio; both grids put sample i at (i + 1/2) / rate.
  struct Case {
    int from, to;
    double hz;
  };
  for (const Case c : {Case{44100, 10000, 1000.3}, Case{10000, 44100, 2345.6},
                       Case{48000, 22050, 7000.0}, Case{22050, 44100, 150.0}}) {
    const std::vector<float> x = tone(c.hz, c.from, static_cast<std::size_t>(c.from));
    const std::vector<double> y = resampleBandLimited(x, c.from, c.to);
    ASSERT_EQ(y.size(), static_cast<std::size_t>(c.to)) << c.from << " to " << c.to;
    EXPECT_LT(worstError(y, c.hz, c.to), 2e-3) << c.from << " to " << c.to;
  }
}

TEST(FftResample, RemovesTonesAboveTheNewNyquistFrequency) {
  const std::vector<float> x = tone(6000, 44100, 30000);
  const std::vector<double> y = resampleBandLimited(x, 44100, 10000);
  ASSERT_EQ(y.size(), 6803u);  // 30000 x 100 / 441, rounded
  double worst = 0;
  for (std::size_t m = 700; m + 700 < y.size(); ++m) worst = std::max(worst, std::abs(y[m]));
  EXPECT_LT(worst, 2e-3);
}

TEST(FftResample, SameRateCopiesAndBadRatesGiveNothing) {
  const std::vector<float> x = {1, -2, 3};
  EXPECT_EQ(resampleBandLimited(x, 8000, 8000), (std::vector<double>{1, -2, 3}));
  EXPECT_TRUE(resampleBandLimited(x, 0, 8000).empty());
  EXPECT_TRUE(resampleBandLimited(x, 8000, -1).empty());
  EXPECT_TRUE(resampleBandLimited({}, 8000, 16000).empty());
}

TEST(FastLog, AgreesWithTheLibraryAcrossMantissasAndExponents) {
  // A fine sweep of the mantissa, over powers spanning the normal range.
  double worst = 0;
  for (int e = -1000; e <= 1000; e += 37) {
    for (int k = 0; k <= 1024; ++k) {
      const double x = std::ldexp(1 + k / 1024.0, e);
      worst = std::max(worst, std::abs(fastLog(x) - std::log(x)));
    }
  }
  EXPECT_LT(worst, 1e-11);
  EXPECT_NEAR(fastLog(1.0), 0.0, 1e-12);
  EXPECT_NEAR(fastLog(std::nextafter(2.0, 1.0)), std::log(2.0), 1e-12);
  EXPECT_NEAR(fastLog(1e-300), std::log(1e-300), 1e-11);
  EXPECT_NEAR(fastLog(std::numeric_limits<double>::min()),
              std::log(std::numeric_limits<double>::min()), 1e-11);
  // Either side of the mantissa's fold at sqrt(2), where the exponent moves up by one.
  for (double x : {std::sqrt(2.0), std::sqrt(0.5), std::sqrt(8.0)}) {
    for (double y : {std::nextafter(x, 0.0), x, std::nextafter(x, 4.0)})
      EXPECT_NEAR(fastLog(y), std::log(y), 1e-12) << y;
  }
}

}  // namespace
}  // namespace sonarel::dsp
