// SPDX-License-Identifier: GPL-3.0-or-later
#include "spectral/fft_kernels.h"

#include <array>
#include <cassert>
#include <cmath>
#include <numbers>
#include <utility>

namespace sonarel::spectral {

namespace {

// Rotation of one butterfly stage: row s belongs to the stage of span 2^s and holds
// cos(π / 2^s) and ∓sin(π / 2^s) rounded to float (minus forward, plus inverse).
struct StageRotation {
  float c;
  float d;
};

using StageTable = std::array<StageRotation, 2 * kMaxComplexFftOrder>;

const StageTable& stageTable() {
  static const StageTable table = [] {
    StageTable t{};
    for (int s = 0; s < kMaxComplexFftOrder; ++s) {
      const double angle = std::numbers::pi / std::ldexp(1.0, s);
      const auto c = static_cast<float>(std::cos(angle));
      const auto d = static_cast<float>(std::sin(angle));
      t[static_cast<std::size_t>(s)] = {c, -d};
      t[static_cast<std::size_t>(s + kMaxComplexFftOrder)] = {c, d};
    }
    return t;
  }();
  return table;
}

void bitReverse(float* re, float* im, std::size_t n, int order) {
  for (std::size_t i = 0; i < n; ++i) {
    std::size_t bits = i;
    std::size_t r = 0;
    for (int b = 0; b < order; ++b) {
      r = (r << 1) | (bits & 1u);
      bits >>= 1;
    }
    if (r > i) {
      std::swap(re[i], re[r]);
      std::swap(im[i], im[r]);
    }
  }
}

// The twiddle recurrence of the packed transforms: w ← w + w·wp, in double.
struct Rotator {
  double wr, wi, wpr, wpi;
  void advance() {
    const double old = wr;
    wr += wr * wpr - wi * wpi;
    wi += wi * wpr + old * wpi;
  }
};

Rotator rotatorFor(double theta, double wr, double wi) {
  const double half = std::sin(0.5 * theta);
  return {wr, wi, -2.0 * half * half, std::sin(theta)};
}

}  // namespace

int FftOrderOf(std::size_t size) {
  for (int order = 1; order <= 16; ++order)
    if (size == (std::size_t{1} << order)) return order;
  return 0;
}

void ComplexFft(float* re, float* im, int order, int direction) {
  assert(order >= 1 && order <= kMaxComplexFftOrder);
  if (order < 1 || order > kMaxComplexFftOrder) return;
  std::size_t n = 1;
  for (int i = 0; i < order; ++i) n *= 2;
  bitReverse(re, im, n, order);

  const StageTable& table = stageTable();
  const int block = direction >= 1 ? 0 : kMaxComplexFftOrder;
  // The twiddles of one stage, from the float recurrence, so that the butterflies can then
  // run through each block in memory order.
  thread_local std::array<float, std::size_t{1} << (kMaxComplexFftOrder - 1)> twiddleRe, twiddleIm;
  for (int s = 0; s < order; ++s) {
    const std::size_t span = std::size_t{1} << s;
    const StageRotation rotation = table[static_cast<std::size_t>(block + s)];
    float wr = 1.0f;
    float wi = 0.0f;
    for (std::size_t j = 0; j < span; ++j) {
      twiddleRe[j] = wr;
      twiddleIm[j] = wi;
      const float old = wr;
      wr = wr * rotation.c - wi * rotation.d;
      wi = wi * rotation.c + old * rotation.d;
    }
    for (std::size_t base = 0; base < n; base += 2 * span) {
      float* lowRe = re + base;
      float* lowIm = im + base;
      float* highRe = lowRe + span;
      float* highIm = lowIm + span;
      const float* wRe = twiddleRe.data();
      const float* wIm = twiddleIm.data();
      for (std::size_t j = 0; j < span; ++j) {
        const float tr = wRe[j] * highRe[j] - wIm[j] * highIm[j];
        const float ti = wRe[j] * highIm[j] + wIm[j] * highRe[j];
        highRe[j] = lowRe[j] - tr;
        highIm[j] = lowIm[j] - ti;
        lowRe[j] += tr;
        lowIm[j] += ti;
      }
    }
  }

  if (direction < 1) {
    const float scale = 1.0f / static_cast<float>(n);
    for (std::size_t i = 0; i < n; ++i) {
      re[i] *= scale;
      im[i] *= scale;
    }
  }
}

void BinPowers(const float* re, const float* im, float* out, std::size_t count) {
  for (std::size_t k = 0; k < count; ++k) {
    const double r = re[k];
    const double i = im[k];
    out[k] = static_cast<float>(r * r + i * i);
  }
}

// Indices below follow the 1-based pair numbering of the recurrences: element e is data[e - 1].
void InterleavedComplexFft(float* data, std::size_t count, int sign) {
  const std::size_t n = 2 * count;
  auto at = [data](std::size_t e) -> float& { return data[e - 1]; };

  std::size_t j = 1;
  for (std::size_t i = 1; i < n; i += 2) {
    if (j > i) {
      std::swap(at(j), at(i));
      std::swap(at(j + 1), at(i + 1));
    }
    std::size_t m = count;
    while (m >= 2 && j > m) {
      j -= m;
      m /= 2;
    }
    j += m;
  }

  constexpr double kTwoPi = 6.28318530717959;
  for (std::size_t mmax = 2; n > mmax; mmax *= 2) {
    const std::size_t step = 2 * mmax;
    Rotator w = rotatorFor(sign * kTwoPi / static_cast<double>(mmax), 1.0, 0.0);
    for (std::size_t m = 1; m < mmax; m += 2) {
      for (std::size_t i = m; i <= n; i += step) {
        const std::size_t k = i + mmax;
        const auto tr = static_cast<float>(w.wr * at(k) - w.wi * at(k + 1));
        const auto ti = static_cast<float>(w.wr * at(k + 1) + w.wi * at(k));
        at(k) = at(i) - tr;
        at(k + 1) = at(i + 1) - ti;
        at(i) += tr;
        at(i + 1) += ti;
      }
      w.advance();
    }
  }
}

void PackedRealFft(float* data, std::size_t half, int direction) {
  const bool forward = direction == 1;
  auto at = [data](std::size_t e) -> float& { return data[e - 1]; };
  const double theta = (forward ? std::numbers::pi : -std::numbers::pi) / static_cast<double>(half);
  const float c1 = 0.5f;
  const float c2 = forward ? -0.5f : 0.5f;
  if (forward) InterleavedComplexFft(data, half, 1);

  Rotator w = rotatorFor(theta, 1.0, 0.0);
  w.wr = 1.0 + w.wpr;
  w.wi = w.wpi;
  for (std::size_t i = 2; i <= half / 2; ++i) {
    const std::size_t i1 = 2 * i - 1;
    const std::size_t i2 = i1 + 1;
    const std::size_t i3 = 2 * half + 3 - i2;
    const std::size_t i4 = i3 + 1;
    const float h1r = c1 * (at(i1) + at(i3));
    const float h1i = c1 * (at(i2) - at(i4));
    const float h2r = -c2 * (at(i2) + at(i4));
    const float h2i = c2 * (at(i1) - at(i3));
    at(i1) = static_cast<float>(h1r + w.wr * h2r - w.wi * h2i);
    at(i2) = static_cast<float>(h1i + w.wr * h2i + w.wi * h2r);
    at(i3) = static_cast<float>(h1r - w.wr * h2r + w.wi * h2i);
    at(i4) = static_cast<float>(-h1i + w.wr * h2i + w.wi * h2r);
    w.advance();
  }

  const float first = at(1);
  const float second = at(2);
  if (forward) {
    at(1) = first + second;
    at(2) = first - second;
  } else {
    at(1) = c1 * (first + second);
    at(2) = c1 * (first - second);
    InterleavedComplexFft(data, half, -1);
  }
}

}  // namespace sonarel::spectral
