// SPDX-License-Identifier: GPL-3.0-or-later
#include "dsp/fft_resample.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>

#include "dsp/fft.h"
#include "dsp/vector_clones.h"

namespace sonarel::dsp {
namespace {

constexpr int kDepth = 50;  // interpolation samples on each side
static_assert(kDepth % 2 == 0, "the weights are summed four at a time");
constexpr std::size_t kMargin = 1024;     // zeros after the sound before the transform wraps
constexpr std::size_t kMaxPhases = 4096;  // interpolation filters precomputed up to this many

// The low-passed sound: bins above `cutoffHz` set to zero.
std::vector<double> lowPassed(std::span<const float> x, double rate, double cutoffHz) {
  std::size_t size = 2;
  while (size < x.size() + kMargin) size *= 2;
  const RealFft& fft = RealFft::ofSize(size);
  AlignedVector<double> samples(size, 0.0);
  std::copy(x.begin(), x.end(), samples.begin());
  AlignedVector<Complex> spectrum(fft.binCount());
  fft.forward(samples, spectrum);
  const double binHz = rate / static_cast<double>(size);
  for (std::size_t k = 0; k < spectrum.size(); ++k)
    if (static_cast<double>(k) * binHz > cutoffHz) spectrum[k] = Complex(0.0, 0.0);
  fft.inverse(spectrum, samples);
  std::vector<double> out(x.size());
  const double scale = 1.0 / static_cast<double>(size);
  for (std::size_t n = 0; n < out.size(); ++n) out[n] = samples[n] * scale;
  return out;
}

// The 2 kDepth weights of the samples floor(p) - kDepth + 1 .. floor(p) + kDepth for a
// position p whose fraction is `fraction`.
void interpolationWeights(double fraction, double* weights) {
  for (int j = 0; j < 2 * kDepth; ++j) {
    const double d = fraction + static_cast<double>(kDepth - 1 - j);
    const double sinc = d == 0 ? 1.0 : std::sin(std::numbers::pi * d) / (std::numbers::pi * d);
    weights[j] = sinc * (0.5 + 0.5 * std::cos(std::numbers::pi * d / kDepth));
  }
}

}  // namespace

SONAREL_VECTOR_CLONES
std::vector<double> resampleBandLimited(std::span<const float> x, int sourceRate, int targetRate) {
  if (sourceRate <= 0 || targetRate <= 0 || x.empty()) return {};
  if (sourceRate == targetRate) return {x.begin(), x.end()};
  const auto source = static_cast<std::size_t>(sourceRate);
  const auto target = static_cast<std::size_t>(targetRate);
  const std::size_t count = (x.size() * target + source / 2) / source;
  const std::vector<double> z = targetRate < sourceRate ? lowPassed(x, sourceRate, 0.5 * targetRate)
                                                        : std::vector<double>(x.begin(), x.end());

  // Output m lies at source position (m + 1/2) source / target - 1/2; its fraction repeats
  // every target / gcd outputs, so the weights of each phase are computed once.
  const std::size_t g = std::gcd(source, target);
  const std::size_t phases = target / g;
  const bool tabled = phases <= kMaxPhases;
  std::vector<double> table(tabled ? phases * 2 * kDepth : 0);
  const auto positionOf = [&](std::size_t m) {
    // Twice the position, in whole numbers over 2 target: (2m + 1) source - target.
    const std::size_t twice = (2 * m + 1) * source;
    return (static_cast<double>(twice) - static_cast<double>(target)) /
           (2.0 * static_cast<double>(target));
  };
  if (tabled) {
    for (std::size_t p = 0; p < phases; ++p) {
      const double position = positionOf(p);
      interpolationWeights(position - std::floor(position), table.data() + p * 2 * kDepth);
    }
  }
  std::vector<double> out(count), weights(2 * kDepth);
  const auto total = static_cast<std::ptrdiff_t>(z.size());
  for (std::size_t m = 0; m < count; ++m) {
    const double position = positionOf(m);
    const auto base = static_cast<std::ptrdiff_t>(std::floor(position));
    const double* w = weights.data();
    if (tabled) {
      w = table.data() + (m % phases) * 2 * kDepth;
    } else {
      interpolationWeights(position - static_cast<double>(base), weights.data());
    }
    const std::ptrdiff_t first = base - kDepth + 1;
    double sum = 0;
    if (first >= 0 && first + 2 * kDepth <= total) {
      // Four running sums, so that the terms are added independently (and in pairs of
      // lanes) rather than in one chain.
      const double* from = z.data() + first;
      double s0 = 0, s1 = 0, s2 = 0, s3 = 0;
      for (int j = 0; j < 2 * kDepth; j += 4) {
        s0 += w[j] * from[j];
        s1 += w[j + 1] * from[j + 1];
        s2 += w[j + 2] * from[j + 2];
        s3 += w[j + 3] * from[j + 3];
      }
      sum = (s0 + s1) + (s2 + s3);
    } else {
      for (int j = 0; j < 2 * kDepth; ++j) {
        const std::ptrdiff_t i = first + j;
        if (i >= 0 && i < total) sum += w[j] * z[static_cast<std::size_t>(i)];
      }
    }
    out[m] = sum;
  }
  return out;
}

}  // namespace sonarel::dsp
