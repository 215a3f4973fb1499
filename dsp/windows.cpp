// SPDX-License-Identifier: GPL-3.0-or-later
#include "dsp/windows.h"

#include <cmath>
#include <numbers>

namespace sonarel::dsp {

double hammingWeight(std::size_t n, std::size_t length) {
  if (length < 2) return 1.0;
  const double twoPi = 8.0 * std::atan(1.0);
  return 0.54 - 0.46 * std::cos(static_cast<double>(n) * twoPi / static_cast<double>(length - 1));
}

double hannWeight(std::size_t n, std::size_t length) {
  if (length < 2) return 1.0;
  return 0.5 - 0.5 * std::cos(2 * std::numbers::pi * static_cast<double>(n) /
                              static_cast<double>(length - 1));
}

double hannWithOpenEnds(std::size_t n, std::size_t length) {
  const double i = static_cast<double>(n + 1);
  return 0.5 - 0.5 * std::cos(2 * std::numbers::pi * i / (static_cast<double>(length) + 1));
}

double hannAtMidpoints(std::size_t n, std::size_t length) {
  return 0.5 -
         0.5 * std::cos(2 * M_PI * (static_cast<double>(n) + 0.5) / static_cast<double>(length));
}

double gaussianWeight(std::size_t n, std::size_t length) {
  const double u = (static_cast<double>(n) + 0.5) / static_cast<double>(length) - 0.5;
  const double edge = std::exp(-12.0);
  return (std::exp(-48.0 * u * u) - edge) / (1.0 - edge);
}

}  // namespace sonarel::dsp
