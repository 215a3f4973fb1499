// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/amdf.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "dsp/windows.h"

namespace sonarel::core {
namespace {

constexpr int kValleys = 5;
constexpr int kVoicedDegree = 5;          // on the file-wide 0..200 scale
constexpr int kSilentDb = 35;             // frames quieter than this (mean square, dB) are skipped
constexpr double kNoisyCrossings = 2600;  // zero crossings per second of the low-passed
                                          // signal that mark noise (periodic F0 below 1 kHz
                                          // gives fewer than 2100)
constexpr double kReferenceWeight = 0.2;  // per octave away from the mean period
constexpr double kJumpWeight = 1.0;       // per octave between neighbouring frames

struct Valley {
  int lag = 0;         // samples
  std::int64_t d = 0;  // the difference at that lag
};

struct FrameValleys {
  int count = 0;  // 0 for a skipped frame or one with no valley
  std::array<Valley, kValleys> valleys{};
  std::int64_t depth = 0;  // the deepest valley's depth, in units of D
};

// Every interior local minimum of d, the kValleys lowest in ascending order (an equal one
// goes after those already kept), and the largest depth among them.
FrameValleys findValleys(const std::vector<std::int64_t>& d, int shortestLag) {
  FrameValleys f;
  const auto size = static_cast<int>(d.size());
  for (int k = 1; k + 1 < size; ++k) {
    if (!(d[k - 1] > d[k] && d[k] <= d[k + 1])) continue;
    int left = k;
    while (left > 0 && d[left - 1] >= d[left]) --left;
    int right = k;
    while (right + 1 < size && d[right + 1] >= d[right]) ++right;
    const std::int64_t depth = std::min(d[left], d[right]) - d[k];
    f.depth = std::max(f.depth, depth);
    int at = 0;
    while (at < f.count && f.valleys[at].d <= d[k]) ++at;
    if (at >= kValleys) continue;
    const int last = std::min(f.count, kValleys - 1);
    for (int i = last; i > at; --i) f.valleys[i] = f.valleys[i - 1];
    f.valleys[at] = {k + shortestLag, d[k]};
    f.count = std::min(f.count + 1, kValleys);
  }
  return f;
}

double octaves(double a, double b) {
  return std::abs(std::log2(a / b));
}

// One lag per frame of a voiced run: the cheapest path by valley height, distance from the
// reference period and jumps between neighbours.
void choosePath(const std::vector<FrameValleys>& frames, std::size_t first, std::size_t end,
                double reference, double scale, std::vector<int>& lags) {
  const std::size_t n = end - first;
  std::vector<std::array<double, kValleys>> cost(n);
  std::vector<std::array<int, kValleys>> from(n);
  for (std::size_t i = 0; i < n; ++i) {
    const FrameValleys& f = frames[first + i];
    for (int c = 0; c < f.count; ++c) {
      const double local = static_cast<double>(f.valleys[c].d) * scale / 200.0 +
                           kReferenceWeight * octaves(f.valleys[c].lag, reference);
      double best = 0;
      int bestFrom = 0;
      if (i > 0) {
        const FrameValleys& p = frames[first + i - 1];
        best = std::numeric_limits<double>::max();
        for (int q = 0; q < p.count; ++q) {
          const double v =
              cost[i - 1][q] + kJumpWeight * octaves(f.valleys[c].lag, p.valleys[q].lag);
          if (v < best) {
            best = v;
            bestFrom = q;
          }
        }
      }
      cost[i][c] = best + local;
      from[i][c] = bestFrom;
    }
  }
  int c = 0;
  const FrameValleys& last = frames[end - 1];
  for (int q = 1; q < last.count; ++q) {
    if (cost[n - 1][q] < cost[n - 1][c]) c = q;
  }
  for (std::size_t i = n; i-- > 0;) {
    lags[first + i] = frames[first + i].valleys[c].lag;
    c = from[i][c];
  }
}

}  // namespace

std::optional<AmdfParameters> amdfParameters(int sampleRate, int minPitch, int maxPitch) {
  AmdfParameters p;
  p.lowestF0 = std::max(minPitch - 20, 50);
  p.highestF0 = maxPitch;
  if (sampleRate < 100 || p.highestF0 <= p.lowestF0) return std::nullopt;
  p.frameStep = sampleRate / 100;
  p.window = static_cast<int>(std::floor(2.5 * sampleRate)) / p.lowestF0;
  p.shortestLag = sampleRate / p.highestF0;
  p.longestLag = sampleRate / p.lowestF0;
  if (p.shortestLag < 1 || p.longestLag - p.shortestLag < 2 || p.window <= p.longestLag ||
      p.window >= (1 << 15)) {
    return std::nullopt;
  }
  return p;
}

std::optional<std::vector<float>> trackAmdf(std::span<const std::int16_t> samples, int sampleRate,
                                            int minPitch, int maxPitch,
                                            const AnalysisControl& control) {
  const std::optional<AmdfParameters> parameters = amdfParameters(sampleRate, minPitch, maxPitch);
  if (!parameters) return std::nullopt;
  const AmdfParameters& p = *parameters;
  const auto count = static_cast<std::int64_t>(samples.size());
  const std::int64_t frameCount = count >= p.window ? (count - p.window) / p.frameStep + 1 : 0;
  std::vector<float> values(static_cast<std::size_t>(frameCount), 0.0f);
  if (frameCount == 0) return values;

  const int n = p.window;
  std::vector<double> hamming(n);
  for (int i = 0; i < n; ++i) hamming[i] = dsp::hammingWeight(i, n + 1);  // 0.54-0.46cos(2πi/N)
  const double a = std::min(1.0, 2 * M_PI * p.lowPassHz / sampleRate);
  const int lags = p.longestLag - p.shortestLag + 1;
  const int stateAt = std::min(p.frameStep, n) - 1;

  std::vector<FrameValleys> frames(static_cast<std::size_t>(frameCount));
  std::vector<std::int32_t> v(n);
  std::vector<std::int64_t> d(lags);
  std::int64_t dMin = std::numeric_limits<std::int64_t>::max();
  std::int64_t dMax = std::numeric_limits<std::int64_t>::min();
  double state = 0;
  for (std::int64_t f = 0; f < frameCount; ++f) {
    if (control.stopRequested()) return std::nullopt;
    if (control.progress && f % 64 == 0) {
      control.progress(static_cast<std::int32_t>(f), static_cast<std::int32_t>(frameCount));
    }
    // The low-pass runs over every frame, so that its state passes from each to the next.
    const std::int16_t* x = samples.data() + f * p.frameStep;
    double energy = 0;
    int crossings = 0;
    double y = state;
    double previous = 0;
    for (int i = 0; i < n; ++i) {
      energy += static_cast<double>(x[i]) * x[i];
      y = a * x[i] + (1 - a) * y;
      if (i == stateAt) state = y;
      if (i > 0) crossings += (y >= 0) != (previous >= 0);
      previous = y;
      v[i] = static_cast<std::int32_t>(y * hamming[i]);
    }
    energy /= n;
    const double db = energy > 0 ? std::floor(10 * std::log10(energy)) : -1.0;
    if (db < kSilentDb || crossings * static_cast<double>(sampleRate) / n > kNoisyCrossings) {
      continue;
    }
    for (int j = 0; j < lags; ++j) {
      const int k = p.shortestLag + j;
      // |v| stays below 2^15, so a window of fewer than 2^15 samples sums in 32 bits.
      std::uint32_t sum = 0;
      const std::int32_t* first = v.data();
      const std::int32_t* shifted = v.data() + k;
      for (int i = 0; i + k < n; ++i)
        sum += static_cast<std::uint32_t>(std::abs(shifted[i] - first[i]));
      d[j] = 50 * static_cast<std::int64_t>(sum) / (n - k);
      dMin = std::min(dMin, d[j]);
      dMax = std::max(dMax, d[j]);
    }
    frames[f] = findValleys(d, p.shortestLag);
  }
  if (control.progress) {
    control.progress(static_cast<std::int32_t>(frameCount), static_cast<std::int32_t>(frameCount));
  }

  // Voicing on the file-wide scale: a valley's depth in units of D times 200 / (Dmax - Dmin).
  const double scale = dMax > dMin ? 200.0 / static_cast<double>(dMax - dMin) : 0.0;
  std::vector<bool> voiced(frames.size());
  double lagSum = 0;
  std::int64_t voicedCount = 0;
  for (std::size_t f = 0; f < frames.size(); ++f) {
    voiced[f] =
        frames[f].count > 0 && static_cast<double>(frames[f].depth) * scale >= kVoicedDegree;
    if (voiced[f]) {
      lagSum += frames[f].valleys[0].lag;
      ++voicedCount;
    }
  }
  if (voicedCount == 0) return values;
  const double reference = lagSum / static_cast<double>(voicedCount);
  std::vector<int> chosen(frames.size(), 0);
  for (std::size_t f = 0; f < frames.size();) {
    if (!voiced[f]) {
      ++f;
      continue;
    }
    std::size_t end = f;
    while (end < frames.size() && voiced[end]) ++end;
    choosePath(frames, f, end, reference, scale, chosen);
    f = end;
  }
  for (std::size_t f = 0; f < frames.size(); ++f) {
    if (voiced[f] && chosen[f] > 0) values[f] = static_cast<float>(sampleRate / chosen[f]);
  }
  return values;
}

}  // namespace sonarel::core
