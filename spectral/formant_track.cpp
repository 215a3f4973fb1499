// SPDX-License-Identifier: GPL-3.0-or-later
#include "spectral/formant_track.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

#include "spectral/lpc_analysis.h"
#include "spectral/polynomial_roots.h"
#include "spectral/windows.h"

namespace sonarel::spectral {
namespace {

constexpr double kBlockSeconds = 0.05;
constexpr int kMaxFormantOrder = 50;
constexpr double kMinFrequency = 100.0;   // Hz
constexpr double kMaxBandwidth = 3000.0;  // Hz
constexpr std::size_t kFormantsKept = 5;
constexpr float kEmphasis = 0.95f;

// The sample period as the block arithmetic uses it: single precision.
double periodOf(std::uint32_t sampleRate) {
  return static_cast<double>(1.0f / static_cast<float>(sampleRate));
}

// The dither's source: 15 random bits per sample, as a uniform value in -0.5..0.5.
class Dither {
 public:
  explicit Dither(std::uint32_t seed) : generator_(seed) {}
  float next() { return static_cast<float>(generator_() & 0x7FFF) / 32768.0f - 0.5f; }

 private:
  std::minstd_rand generator_;
};

// Hamming weights for one block length, rebuilt only when the length changes.
class WindowTable {
 public:
  const std::vector<float>& forLength(std::size_t length) {
    if (weights_.size() != length) {
      weights_.resize(length);
      for (std::size_t n = 0; n < length; ++n) weights_[n] = HammingWeight(n, length);
    }
    return weights_;
  }

 private:
  std::vector<float> weights_;
};

// Dither, pre-emphasis and window of one block into `x`. The emphasis runs from the last
// sample down, so every difference reads the dithered value before it.
void prepareBlock(std::span<const std::int16_t> samples, Dither& dither, WindowTable& window,
                  std::vector<float>& x) {
  x.resize(samples.size());
  for (std::size_t n = 0; n < samples.size(); ++n) x[n] = samples[n] + dither.next();
  if (x.size() < 2) return;
  const std::vector<float>& w = window.forLength(x.size());
  for (std::size_t n = x.size() - 1; n >= 1; --n) x[n] = w[n] * (x[n] - kEmphasis * x[n - 1]);
  x[0] = w[0] * x[0];
}

}  // namespace

std::vector<FormantBlock> FormantBlockTable(std::int64_t sampleCount, std::uint32_t sampleRate) {
  std::vector<FormantBlock> blocks;
  if (sampleCount <= 0 || sampleRate == 0) return blocks;
  const double period = periodOf(sampleRate);
  const auto blockLength = static_cast<std::int64_t>(kBlockSeconds / period + 0.5);
  blocks.push_back({0, blockLength});
  for (std::int64_t k = 1;; ++k) {
    const auto end = static_cast<std::int64_t>((k * kBlockSeconds + kBlockSeconds) / period);
    if (end > sampleCount) break;
    blocks.push_back({static_cast<std::int64_t>(k * kBlockSeconds / period + 0.5), blockLength});
  }
  blocks.back().length = sampleCount - blocks.back().start;
  return blocks;
}

int FormantLpcOrder(std::uint32_t sampleRate) {
  if (sampleRate == 0) return 0;
  return std::min(static_cast<int>(0.001 / periodOf(sampleRate) + 2), kMaxFormantOrder);
}

std::vector<FormantCandidate> FormantCandidates(std::span<const std::complex<double>> roots,
                                                double period) {
  const double radiansToHz = 1.0 / (2.0 * std::numbers::pi * period);
  std::vector<FormantCandidate> candidates;
  for (const std::complex<double>& root : roots) {
    if (root.imag() <= 1e-10) continue;
    const double frequency = std::abs(std::atan2(root.imag(), root.real())) * radiansToHz;
    const double bandwidth = std::abs(std::log(std::norm(root))) * radiansToHz / 2.0;
    if (frequency > kMinFrequency && bandwidth < kMaxBandwidth) {
      candidates.push_back({frequency, bandwidth});
    }
  }
  // Stable: of two equally narrow candidates the one found first stays first.
  std::stable_sort(candidates.begin(), candidates.end(),
                   [](const auto& a, const auto& b) { return a.bandwidth < b.bandwidth; });
  if (candidates.size() > kFormantsKept) candidates.resize(kFormantsKept);
  std::stable_sort(candidates.begin(), candidates.end(),
                   [](const auto& a, const auto& b) { return a.frequency < b.frequency; });
  return candidates;
}

std::array<float, 3> BlockFormants(std::span<const float> block, int order, double period) {
  std::array<float, 3> formants{};
  if (order < 1 || block.size() <= static_cast<std::size_t>(order)) return formants;
  LpcFilter filter;
  // A failed recursion still leaves usable coefficients; only a block without energy has
  // nothing to solve.
  if (LpcAnalysis(block.data(), block.size(), order, filter).status == LpcStatus::ZeroEnergy) {
    return formants;
  }
  std::vector<Complex> polynomial(static_cast<std::size_t>(order) + 1);
  polynomial[0] = 1.0;
  for (int k = 1; k <= order; ++k) {
    // The predictor is kept in single precision before it is solved.
    polynomial[static_cast<std::size_t>(k)] =
        static_cast<double>(static_cast<float>(filter.a[static_cast<std::size_t>(k)]));
  }
  const std::vector<FormantCandidate> candidates =
      FormantCandidates(PolynomialRoots(polynomial), period);
  for (std::size_t i = 0; i < formants.size() && i < candidates.size(); ++i) {
    formants[i] = static_cast<float>(candidates[i].frequency);
  }
  return formants;
}

FormantTrack TrackFormants(std::span<const std::int16_t> samples, std::uint32_t sampleRate,
                           std::uint32_t seed) {
  FormantTrack track;
  track.blocks = FormantBlockTable(static_cast<std::int64_t>(samples.size()), sampleRate);
  track.formants.reserve(track.blocks.size());
  const int order = FormantLpcOrder(sampleRate);
  const double period = periodOf(sampleRate);
  Dither dither(seed);
  WindowTable window;
  std::vector<float> x;
  for (const FormantBlock& block : track.blocks) {
    prepareBlock(samples.subspan(static_cast<std::size_t>(block.start),
                                 static_cast<std::size_t>(block.length)),
                 dither, window, x);
    track.formants.push_back(BlockFormants(x, order, period));
  }
  track.computed = true;
  return track;
}

}  // namespace sonarel::spectral
