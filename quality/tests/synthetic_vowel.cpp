// SPDX-License-Identifier: GPL-3.0-or-later
#include "quality/tests/synthetic_vowel.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <random>

namespace sonarel::testing {
namespace {

constexpr double kOpening = 0.40;  // of the nominal period
constexpr double kClosing = 0.16;

double rosenberg(double t, double opening, double closing) {
  if (t < 0) return 0;
  if (t < opening) return 0.5 * (1 - std::cos(M_PI * t / opening));
  if (t < opening + closing) return std::cos(M_PI * (t - opening) / (2 * closing));
  return 0;
}

// Glottal flow: the sum of the pulses, each ending at its closure instant.
std::vector<double> glottalFlow(const VowelRecipe& r, std::size_t count) {
  std::mt19937 random(r.seed);
  std::normal_distribution<double> normal(0.0, 1.0);
  const double period = 1.0 / r.f0Hz;
  const double opening = kOpening * period, closing = kClosing * period;
  std::vector<double> flow(count, 0.0);
  const double duration = static_cast<double>(count) / r.sampleRate;
  double closure = opening + closing;
  while (closure - opening - closing < duration) {
    const double amplitude = 1.0 + r.shimmer * normal(random);
    const double begin = closure - opening - closing;
    const auto first = static_cast<std::size_t>(std::max(0.0, std::ceil(begin * r.sampleRate)));
    const auto last = std::min(count, static_cast<std::size_t>(closure * r.sampleRate) + 1);
    for (std::size_t n = first; n < last; ++n) {
      flow[n] += amplitude * rosenberg(n / r.sampleRate - begin, opening, closing);
    }
    closure += period * (1.0 + r.jitter * normal(random));
  }
  return flow;
}

void resonate(std::vector<double>& x, double hz, double bandwidth, double fs) {
  const double c = -std::exp(-2 * M_PI * bandwidth / fs);
  const double b = 2 * std::exp(-M_PI * bandwidth / fs) * std::cos(2 * M_PI * hz / fs);
  const double a = 1 - b - c;
  double y1 = 0, y2 = 0;
  for (double& v : x) {
    const double y = a * v + b * y1 + c * y2;
    y2 = y1;
    y1 = y;
    v = y;
  }
}

}  // namespace

std::vector<std::int16_t> syntheticVowel(const VowelRecipe& r) {
  const auto count = static_cast<std::size_t>(std::llround(r.seconds * r.sampleRate));
  std::vector<double> x(count);
  if (r.whispered) {
    std::mt19937 random(r.seed);
    std::normal_distribution<double> turbulence(0.0, 1.0);
    for (double& v : x) v = turbulence(random);
  } else {
    x = glottalFlow(r, count);
  }
  for (std::size_t n = count; n-- > 1;) x[n] -= x[n - 1];  // lip radiation
  if (!x.empty()) x[0] = 0;
  constexpr std::array<std::array<double, 2>, 5> formants{
      {{730, 90}, {1090, 110}, {2440, 170}, {3400, 250}, {4200, 300}}};
  for (const auto& [hz, bandwidth] : formants) {
    resonate(x, hz * r.formantScale, bandwidth, r.sampleRate);
  }
  if (std::isfinite(r.snrDb) && count > 0) {
    double power = 0;
    for (double v : x) power += v * v;
    const double sd = std::sqrt(power / count / std::pow(10.0, r.snrDb / 10));
    std::mt19937 random(r.seed * 7919u + 17u);
    std::normal_distribution<double> noise(0.0, sd);
    for (double& v : x) v += noise(random);
  }
  double peak = 0;
  for (double v : x) peak = std::max(peak, std::fabs(v));
  const double gain = peak > 0 ? 0.5 * 32767 / peak : 0;  // -6 dBFS
  std::vector<std::int16_t> out(count);
  for (std::size_t n = 0; n < count; ++n) {
    const double v = (r.invert ? -1 : 1) * gain * x[n];
    out[n] = static_cast<std::int16_t>(std::lround(v));
  }
  return out;
}

VowelRecipe healthyLikeVowel() {
  VowelRecipe r;
  r.jitter = 0.003;
  r.shimmer = 0.03;
  r.snrDb = 30;
  r.seconds = 1.5;
  return r;
}

VowelRecipe roughVowel() {
  VowelRecipe r;
  r.jitter = 0.04;
  r.seconds = 1.5;
  return r;
}

VowelRecipe whisperedVowel() {
  VowelRecipe r;
  r.whispered = true;
  r.seconds = 1.5;
  return r;
}

VowelRecipe breathyVowel() {
  VowelRecipe r;
  r.snrDb = 10;
  r.seconds = 1.5;
  return r;
}

}  // namespace sonarel::testing
