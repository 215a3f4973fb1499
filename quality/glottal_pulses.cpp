// SPDX-License-Identifier: GPL-3.0-or-later
#include "quality/glottal_pulses.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace sonarel::quality {
namespace pulse_stages {
namespace {

constexpr float kFullScale = 2047.0f;
constexpr int kLogTableSize = 2047;
constexpr double kLowPassHz = 450.0;

}  // namespace

void lowPass450(std::vector<float>& x, double fs) {
  const double angle = M_PI * kLowPassHz / fs;
  if (std::cos(angle) == 0.0) return;
  const double u = 1.0 / std::tan(angle);
  const double u2 = u * u, u3 = u2 * u, u4 = u2 * u2;
  // The prototype's coefficients are 2.6131 and 3.141 (not the Butterworth 3.4142): the
  // circuit's values, kept as they are because the detector's timing depends on them.
  const double a0 = u4 + 3.141 * u2 + 2.6131 * (u + u3) + 1.0;
  const double a1 = 4.0 * (1.3066 * (u - u3) + 1.0 - u4);
  const double a2 = 6.0 * (u4 + 1.0 - 1.047 * u2);
  const double a3 = 4.0 * (1.3066 * (u3 - u) + 1.0 - u4);
  const double a4 = u4 + 3.141 * u2 + 1.0 - 2.6131 * (u + u3);
  const std::size_t n = x.size();
  if (n < 5) return;
  // The output lags four samples behind the input it overwrites, so the inputs read at each
  // step are still the original ones; y[0..3] are the zero history.
  std::array<double, 4> y{};  // y[n-1], y[n-2], y[n-3], y[n-4]
  for (std::size_t i = 4; i < n; ++i) {
    const double out = (x[i] + 4.0 * x[i - 1] + 6.0 * x[i - 2] + 4.0 * x[i - 3] + x[i - 4] -
                        a1 * y[0] - a2 * y[1] - a3 * y[2] - a4 * y[3]) /
                       a0;
    x[i - 4] = static_cast<float>(y[3]);
    y = {out, y[0], y[1], y[2]};
  }
}

void normalisePeak(std::vector<float>& x) {
  float peak = 0.0f;
  for (float v : x) peak = std::max(peak, std::fabs(v));
  if (peak <= 0.0f) return;
  const float gain = 0.25f * kFullScale / (peak * 5.0f);
  for (float& v : x) v *= gain;
}

void compressLogarithmically(std::vector<float>& x) {
  std::array<float, kLogTableSize> table{};
  for (int i = 7; i <= 1022; ++i) table[i] = static_cast<float>(91.0 * std::log(i) - 29.0);
  for (int i = 1023; i < kLogTableSize; ++i) table[i] = table[1022];
  auto lookup = [&](float magnitude) {
    const long index = std::min<long>(static_cast<long>(magnitude), kLogTableSize - 1);
    return table[index];
  };
  for (float& v : x) v = v >= 0.0f ? lookup(v) : -lookup(-v);
}

void differentiate(std::vector<float>& x, double fs, double ohms, double farads) {
  const std::size_t n = x.size();
  if (n < 3) return;
  const double k = 1.0 / (fs * ohms * farads) + 1.0;
  double previousOut = 0.0;  // y[1]
  for (std::size_t i = 2; i < n; ++i) {
    const double out = (static_cast<double>(x[i]) - x[i - 1] + previousOut) / k;
    x[i - 1] = static_cast<float>(previousOut);
    previousOut = out;
  }
}

void holdPeaks(std::vector<float>& x, double fs) {
  const float decay = static_cast<float>(1228.2 / (fs * (1.0 / 70.0)));
  for (std::size_t i = 1; i < x.size(); ++i) x[i] = std::max(x[i], x[i - 1] - decay);
}

void compare(std::vector<float>& x) {
  const float level = kFullScale / 560.0f;
  for (float& v : x) v = v > level ? kFullScale : 0.0f;
}

PulseIntervals markPulses(std::vector<float>& x) {
  PulseIntervals intervals;
  const std::int64_t n = static_cast<std::int64_t>(x.size());
  std::int64_t last = 0;
  for (std::int64_t p = 0; p + 1 < n; ++p) {
    if (x[p] != kFullScale) continue;
    intervals.push_back(static_cast<std::int32_t>(p - last));
    last = p;
    for (std::int64_t q = p + 1; q < n && x[q] == kFullScale; ++q) x[q] = 0.0f;
  }
  if (last != n) intervals.push_back(static_cast<std::int32_t>(n - last));
  return intervals;
}

}  // namespace pulse_stages

PulseIntervals detectGlottalPulses(std::span<const std::int16_t> samples, double sampleRate) {
  using namespace pulse_stages;
  if (samples.empty()) return {};
  if (!(sampleRate > 0.0)) return {static_cast<std::int32_t>(samples.size())};
  std::vector<float> x(samples.begin(), samples.end());
  lowPass450(x, sampleRate);
  normalisePeak(x);
  compressLogarithmically(x);
  differentiate(x, sampleRate, 47000.0, 2.2e-7);
  for (float& v : x) v *= 2.0f;
  holdPeaks(x, sampleRate);
  differentiate(x, sampleRate, 100000.0, 2.2e-8);
  for (float& v : x) v *= 2.2f;
  holdPeaks(x, sampleRate);
  differentiate(x, sampleRate, 100000.0, 2.2e-8);
  compare(x);
  return markPulses(x);
}

}  // namespace sonarel::quality
