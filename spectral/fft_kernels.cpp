// SPDX-License-Identifier: GPL-3.0-or-later
#include "spectral/fft_kernels.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cmath>
#include <cstring>
#include <numbers>
#include <utility>
#include <vector>

#include "dsp/lanes.h"

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

// The twiddles of every stage of an interleaved transform of `count` values, as (real,
// imaginary) doubles from the recurrence of each stage: the stage of span s starts at pair
// s − 1. Kept per thread for the last size and sign, since a spectrogram repeats them.
const std::vector<double>& twiddleTable(std::size_t count, int sign) {
  struct Table {
    std::size_t count = 0;
    int sign = 0;
    std::vector<double> values;
  };
  thread_local Table table;
  if (table.count == count && table.sign == sign) return table.values;
  constexpr double kTwoPi = 6.28318530717959;
  table.values.assign(2 * std::max<std::size_t>(count, 1), 0.0);
  for (std::size_t span = 1; span < count; span *= 2) {
    Rotator w = rotatorFor(sign * kTwoPi / static_cast<double>(2 * span), 1.0, 0.0);
    double* stage = table.values.data() + 2 * (span - 1);
    for (std::size_t k = 0; k < span; ++k) {
      stage[2 * k] = w.wr;
      stage[2 * k + 1] = w.wi;
      w.advance();
    }
  }
  table.count = count;
  table.sign = sign;
  return table.values;
}

// The butterfly of the textbook loop on one pair of complex values: the product with the
// twiddle in double, rounded to float, then the sum and the difference in float.
void butterfly(float* low, float* high, double wr, double wi) {
  const auto tr = static_cast<float>(wr * high[0] - wi * high[1]);
  const auto ti = static_cast<float>(wr * high[1] + wi * high[0]);
  high[0] = low[0] - tr;
  high[1] = low[1] - ti;
  low[0] += tr;
  low[1] += ti;
}

using FloatLanes = float __attribute__((vector_size(16)));
using FloatPair = float __attribute__((vector_size(8)));

// (wr·a − wi·b, wr·b + wi·a) for the value (a, b), each lane rounded as butterfly() rounds:
// wi·(−b) is −(wi·b) exactly, and adding it is subtracting wi·b.
FloatPair rotated(FloatPair value, const double* twiddle) {
  const dsp::Lanes v = __builtin_convertvector(value, dsp::Lanes);
  const dsp::Lanes turned = __builtin_shufflevector(v, v, 1, 0) * dsp::Lanes{-1.0, 1.0};
  return __builtin_convertvector(twiddle[0] * v + twiddle[1] * turned, FloatPair);
}

// butterfly() on two neighbouring pairs, whose twiddles follow each other in `twiddles`.
void butterflyPair(float* low, float* high, const double* twiddles) {
  FloatLanes h, l;
  std::memcpy(&h, high, sizeof h);
  std::memcpy(&l, low, sizeof l);
  const FloatPair first = rotated(__builtin_shufflevector(h, h, 0, 1), twiddles);
  const FloatPair second = rotated(__builtin_shufflevector(h, h, 2, 3), twiddles + 2);
  const FloatLanes t = __builtin_shufflevector(first, second, 0, 1, 2, 3);
  const FloatLanes newHigh = l - t;
  const FloatLanes newLow = l + t;
  std::memcpy(high, &newHigh, sizeof newHigh);
  std::memcpy(low, &newLow, sizeof newLow);
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

  // The butterflies of a stage are independent, so they run through each block in memory
  // order, two at a time, with the twiddles the textbook loop would meet.
  const std::vector<double>& twiddles = twiddleTable(count, sign);
  for (std::size_t span = 1; span < count; span *= 2) {
    const double* stage = twiddles.data() + 2 * (span - 1);
    for (std::size_t block = 0; block < n; block += 4 * span) {
      float* low = data + block;
      float* high = low + 2 * span;
      if (span == 1) {
        butterfly(low, high, stage[0], stage[1]);
        continue;
      }
      for (std::size_t k = 0; k < span; k += 2)
        butterflyPair(low + 2 * k, high + 2 * k, stage + 2 * k);
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
