#include "quality/analysis/radix2_fft.h"

#include <cmath>
#include <utility>

namespace sonarel::quality {

std::size_t nextPowerOfTwo(std::size_t n) {
  std::size_t p = 1;
  while (p < n) p <<= 1;
  return p;
}

void radix2Fft(std::vector<std::complex<double>>& data, bool inverse) {
  const std::size_t n = data.size();
  if (n < 2 || (n & (n - 1)) != 0) return;
  for (std::size_t i = 1, j = 0; i < n; ++i) {  // bit-reversal permutation
    std::size_t bit = n >> 1;
    for (; j & bit; bit >>= 1) j ^= bit;
    j ^= bit;
    if (i < j) std::swap(data[i], data[j]);
  }
  const double sign = inverse ? 1.0 : -1.0;
  for (std::size_t len = 2; len <= n; len <<= 1) {
    const double angle = sign * 2.0 * M_PI / static_cast<double>(len);
    const std::size_t half = len / 2;
    // Twiddles computed directly, not by repeated multiplication, to keep the error flat.
    std::vector<std::complex<double>> twiddle(half);
    for (std::size_t k = 0; k < half; ++k) twiddle[k] = std::polar(1.0, angle * double(k));
    for (std::size_t i = 0; i < n; i += len) {
      for (std::size_t k = 0; k < half; ++k) {
        const std::complex<double> u = data[i + k];
        const std::complex<double> v = data[i + k + half] * twiddle[k];
        data[i + k] = u + v;
        data[i + k + half] = u - v;
      }
    }
  }
  if (inverse) {
    for (auto& v : data) v /= static_cast<double>(n);
  }
}

}  // namespace sonarel::quality
