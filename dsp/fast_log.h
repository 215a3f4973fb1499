// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The natural logarithm without a library call, for loops over whole spectra. The exponent
// comes from the bits; the mantissa m in [1, 2) is split by its top 7 bits into one of 128
// cells with centre c, whose log c and 1/c are tabled; then log m = log c + log(1 + r),
// r = m / c - 1 (|r| < 1/256), summed to r^4: within 1e-12 of std::log. For positive normal
// numbers only: the caller keeps zeros, denormals, infinities and NaN away.

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>

namespace sonarel::dsp {

namespace fast_log_detail {
struct Cell {
  double inverse;
  double log;
};
inline const std::array<Cell, 128> kCells = [] {
  std::array<Cell, 128> cells{};
  for (int k = 0; k < 128; ++k) {
    const double centre = 1 + (k + 0.5) / 128;
    cells[k] = {1 / centre, std::log(centre)};
  }
  return cells;
}();
}  // namespace fast_log_detail

inline double fastLog(double x) {
  const auto bits = std::bit_cast<std::uint64_t>(x);
  const auto exponent = static_cast<std::int64_t>((bits >> 52) & 0x7ff) - 1023;
  const double m = std::bit_cast<double>((bits & 0x000fffffffffffffULL) | 0x3ff0000000000000ULL);
  const fast_log_detail::Cell& cell = fast_log_detail::kCells[(bits >> 45) & 0x7f];
  const double r = m * cell.inverse - 1;
  const double log1p = r * (1 + r * (-0.5 + r * (1.0 / 3 - r * 0.25)));
  return static_cast<double>(exponent) * 0.6931471805599453 + cell.log + log1p;
}

}  // namespace sonarel::dsp
