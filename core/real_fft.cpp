#include "core/real_fft.h"

#include <cassert>
#include <cmath>
#include <numbers>
#include <utility>

namespace sonarel::core {

std::size_t nextPowerOfTwo(std::size_t n) {
  std::size_t p = 1;
  while (p < n) p <<= 1;
  return p;
}

RealFft::RealFft(std::size_t size) : size_(size) {
  assert(size >= 2 && (size & (size - 1)) == 0);
  const std::size_t half = size / 2;
  for (std::size_t i = 0, j = 0; i < half; ++i) {
    if (i < j) {
      bitReversed_.push_back(i);
      bitReversed_.push_back(j);
    }
    std::size_t bit = half >> 1;
    while (bit && (j & bit)) {
      j ^= bit;
      bit >>= 1;
    }
    j |= bit;
  }
  const double pi = std::numbers::pi;
  for (std::size_t k = 0; k < half / 2; ++k) {
    twiddles_.push_back(std::polar(1.0, -2.0 * pi * static_cast<double>(k) / half));
  }
  for (std::size_t k = 0; k <= half; ++k) {
    splitTwiddles_.push_back(std::polar(1.0, -2.0 * pi * static_cast<double>(k) / size));
  }
}

void RealFft::complexTransform(double* data, bool inverse) const {
  const std::size_t n = size_ / 2;
  auto* z = reinterpret_cast<Complex*>(data);  // std::complex is layout-compatible
  for (std::size_t p = 0; p < bitReversed_.size(); p += 2) {
    std::swap(z[bitReversed_[p]], z[bitReversed_[p + 1]]);
  }
  for (std::size_t length = 2; length <= n; length <<= 1) {
    const std::size_t stride = n / length;
    const std::size_t halfLength = length / 2;
    for (std::size_t start = 0; start < n; start += length) {
      for (std::size_t k = 0; k < halfLength; ++k) {
        Complex w = twiddles_[k * stride];
        if (inverse) w = std::conj(w);
        const Complex t = w * z[start + k + halfLength];
        z[start + k + halfLength] = z[start + k] - t;
        z[start + k] += t;
      }
    }
  }
}

// The real transform runs a complex one of half the size over the even (real part) and odd
// (imaginary part) samples, then separates the two spectra.
void RealFft::forward(std::span<double> data) const {
  assert(data.size() == size_);
  const std::size_t half = size_ / 2;
  complexTransform(data.data(), false);
  auto* z = reinterpret_cast<Complex*>(data.data());
  const Complex z0 = z[0];
  for (std::size_t k = 1; k <= half / 2; ++k) {
    const Complex a = z[k];
    const Complex b = std::conj(z[half - k]);
    const Complex even = 0.5 * (a + b);
    const Complex odd = Complex(0.0, -0.5) * (a - b);
    z[k] = even + splitTwiddles_[k] * odd;
    // X[N/2 - k] = conj(E[k] - W^k O[k])
    z[half - k] = std::conj(even - splitTwiddles_[k] * odd);
  }
  data[0] = z0.real() + z0.imag();
  data[1] = z0.real() - z0.imag();
}

void RealFft::inverse(std::span<double> data) const {
  assert(data.size() == size_);
  const std::size_t half = size_ / 2;
  auto* z = reinterpret_cast<Complex*>(data.data());
  const double dc = data[0];
  const double nyquist = data[1];
  for (std::size_t k = 1; k <= half / 2; ++k) {
    const Complex a = z[k];
    const Complex b = std::conj(z[half - k]);
    const Complex even = 0.5 * (a + b);
    const Complex odd = 0.5 * (a - b) * std::conj(splitTwiddles_[k]);
    z[k] = even + Complex(0.0, 1.0) * odd;
    z[half - k] = std::conj(even - Complex(0.0, 1.0) * odd);
  }
  z[0] = Complex(0.5 * (dc + nyquist), 0.5 * (dc - nyquist));
  complexTransform(data.data(), true);
  const double scale = 1.0 / static_cast<double>(half);
  for (double& v : data) v *= scale;
}

void RealFft::squareMagnitudes(std::span<double> data) {
  data[0] *= data[0];
  data[1] *= data[1];
  for (std::size_t i = 2; i + 1 < data.size(); i += 2) {
    data[i] = data[i] * data[i] + data[i + 1] * data[i + 1];
    data[i + 1] = 0.0;
  }
}

}  // namespace sonarel::core
