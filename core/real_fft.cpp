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
  for (std::size_t length = 4; length <= half; length <<= 1) {
    for (std::size_t k = 0; k < length / 2; ++k) {
      const double angle = -2.0 * pi * static_cast<double>(k) / static_cast<double>(length);
      twiddleRe_.push_back(std::cos(angle));
      twiddleIm_.push_back(std::sin(angle));
      twiddleImInverse_.push_back(-std::sin(angle));
    }
  }
  for (std::size_t k = 0; k <= half; ++k) {
    const double angle = -2.0 * pi * static_cast<double>(k) / static_cast<double>(size);
    splitRe_.push_back(std::cos(angle));
    splitIm_.push_back(std::sin(angle));
  }
}

RealFft::Workspace RealFft::makeWorkspace() const {
  return {std::vector<double>(size_ / 2), std::vector<double>(size_ / 2)};
}

namespace {

// h butterflies of one stage: (top, bottom) -> (top + w bottom, top - w bottom). Split real
// and imaginary parts over contiguous, unaliased arrays let the compiler vectorise the loop.
void butterflies(std::size_t h, const double* __restrict wRe, const double* __restrict wIm,
                 double* __restrict topRe, double* __restrict topIm, double* __restrict bottomRe,
                 double* __restrict bottomIm) {
  for (std::size_t k = 0; k < h; ++k) {
    const double tr = wRe[k] * bottomRe[k] - wIm[k] * bottomIm[k];
    const double ti = wRe[k] * bottomIm[k] + wIm[k] * bottomRe[k];
    bottomRe[k] = topRe[k] - tr;
    bottomIm[k] = topIm[k] - ti;
    topRe[k] += tr;
    topIm[k] += ti;
  }
}

}  // namespace

void RealFft::complexTransform(double* re, double* im, bool inverse) const {
  const std::size_t n = size_ / 2;
  for (std::size_t p = 0; p < bitReversed_.size(); p += 2) {
    std::swap(re[bitReversed_[p]], re[bitReversed_[p + 1]]);
    std::swap(im[bitReversed_[p]], im[bitReversed_[p + 1]]);
  }
  for (std::size_t a = 0; a + 1 < n; a += 2) {  // length 2: no factors
    const double tr = re[a + 1], ti = im[a + 1];
    re[a + 1] = re[a] - tr;
    im[a + 1] = im[a] - ti;
    re[a] += tr;
    im[a] += ti;
  }
  const double* wRe = twiddleRe_.data();
  const double* wIm = inverse ? twiddleImInverse_.data() : twiddleIm_.data();
  for (std::size_t length = 4; length <= n; length <<= 1) {
    const std::size_t h = length / 2;
    for (std::size_t start = 0; start < n; start += length) {
      butterflies(h, wRe, wIm, re + start, im + start, re + start + h, im + start + h);
    }
    wRe += h;
    wIm += h;
  }
}

// The real transform runs a complex one of half the size over the even (real part) and odd
// (imaginary part) samples, then separates the two spectra: with Z the complex spectrum,
// E[k] = (Z[k] + conj Z[M-k]) / 2, O[k] = (Z[k] - conj Z[M-k]) / 2i and
// X[k] = E[k] + W^k O[k], X[M-k] = conj(E[k] - W^k O[k]), W = exp(-2 pi i / N).
void RealFft::forward(std::span<double> data, Workspace& workspace) const {
  assert(data.size() == size_);
  const std::size_t half = size_ / 2;
  double* d = data.data();
  double* re = workspace.re.data();
  double* im = workspace.im.data();
  for (std::size_t i = 0; i < half; ++i) re[i] = d[2 * i], im[i] = d[2 * i + 1];
  complexTransform(re, im, false);
  for (std::size_t k = 1; k <= half / 2; ++k) {
    const std::size_t j = half - k;
    const double ar = re[k], ai = im[k], br = re[j], bi = -im[j];
    const double er = 0.5 * (ar + br), ei = 0.5 * (ai + bi);
    const double orr = 0.5 * (ai - bi), oi = -0.5 * (ar - br);  // (a - b) / 2i
    const double wr = splitRe_[k], wi = splitIm_[k];
    const double tr = wr * orr - wi * oi, ti = wr * oi + wi * orr;
    d[2 * k] = er + tr;
    d[2 * k + 1] = ei + ti;
    d[2 * j] = er - tr;
    d[2 * j + 1] = -(ei - ti);
  }
  d[0] = re[0] + im[0];
  d[1] = re[0] - im[0];
}

// The steps of forward() undone: E[k] = (X[k] + conj X[M-k]) / 2,
// O[k] = (X[k] - conj X[M-k]) / 2 * W^-k, Z[k] = E[k] + i O[k], Z[M-k] = conj(E[k] - i O[k]).
void RealFft::inverse(std::span<double> data, Workspace& workspace) const {
  assert(data.size() == size_);
  const std::size_t half = size_ / 2;
  const double* d = data.data();
  double* re = workspace.re.data();
  double* im = workspace.im.data();
  for (std::size_t k = 1; k <= half / 2; ++k) {
    const std::size_t j = half - k;
    const double ar = d[2 * k], ai = d[2 * k + 1], br = d[2 * j], bi = -d[2 * j + 1];
    const double er = 0.5 * (ar + br), ei = 0.5 * (ai + bi);
    const double dr = 0.5 * (ar - br), di = 0.5 * (ai - bi);
    const double wr = splitRe_[k], wi = -splitIm_[k];
    const double orr = dr * wr - di * wi, oi = dr * wi + di * wr;
    re[k] = er - oi;  // E + i O
    im[k] = ei + orr;
    re[j] = er + oi;  // conj(E - i O)
    im[j] = -(ei - orr);
  }
  re[0] = 0.5 * (d[0] + d[1]);
  im[0] = 0.5 * (d[0] - d[1]);
  complexTransform(re, im, true);
  const double scale = 1.0 / static_cast<double>(half);
  double* out = data.data();
  for (std::size_t i = 0; i < half; ++i) {
    out[2 * i] = re[i] * scale;
    out[2 * i + 1] = im[i] * scale;
  }
}

void RealFft::forward(std::span<double> data) const {
  Workspace workspace = makeWorkspace();
  forward(data, workspace);
}

void RealFft::inverse(std::span<double> data) const {
  Workspace workspace = makeWorkspace();
  inverse(data, workspace);
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
