// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/srpd.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>

#include "dsp/fft.h"
#include "dsp/peaks.h"

namespace sonarel::core {
namespace {

constexpr int kPreFilterTaps = 99;
// The largest ratio between the pitches of a voiced onset and the frame after it.
constexpr double kOnsetSpread = 1.25;

std::int16_t saturate16(double v) {
  const double r = std::nearbyint(v);
  if (r > 32767) return 32767;
  if (r < -32768) return -32768;
  return static_cast<std::int16_t>(r);
}

// The normalised correlation, at lag n, of the stretch of n samples before the reference
// point r with the n samples from r, both taken every stride-th sample (x[r - n + j] against
// x[r + j], j = 0, stride, ...). The lags of one pass grow by a fixed step, each stretch then
// gains one sample, so the energies are carried from lag to lag; the sums are exact integers,
// so the result does not depend on the order of the lags.
class StretchCorrelation {
 public:
  StretchCorrelation(const std::int16_t* x, std::int64_t r, int stride)
      : x_(x), r_(r), stride_(stride) {}

  double at(int n) {
    const std::int16_t* before = x_ + r_ - n;
    const std::int16_t* after = x_ + r_;
    if (n == lag_ + stride_ && (n - 1) / stride_ == (lag_ - 1) / stride_ + 1) {
      const std::int64_t a = before[0];
      const std::int64_t b = after[(n - 1) / stride_ * stride_];
      xx_ += a * a;
      yy_ += b * b;
    } else {
      xx_ = yy_ = 0;
      for (int j = 0; j < n; j += stride_) {
        xx_ += std::int64_t{before[j]} * before[j];
        yy_ += std::int64_t{after[j]} * after[j];
      }
    }
    lag_ = n;
    std::int64_t xy = 0;
    for (int j = 0; j < n; j += stride_) xy += std::int32_t{before[j]} * after[j];
    const double e = static_cast<double>(xx_) * static_cast<double>(yy_);
    return e > 0 ? static_cast<double>(xy) / std::sqrt(e) : 0.0;
  }

 private:
  const std::int16_t* x_;
  std::int64_t r_;
  int stride_;
  int lag_ = -1;
  std::int64_t xx_ = 0, yy_ = 0;
};

// The zero crossings of every stride-th sample from r - m to r + m. Over m growing by the
// stride the grid keeps its phase and gains one sample at each end, so the count is carried.
class StretchCrossings {
 public:
  StretchCrossings(const std::int16_t* x, std::int64_t r, int stride)
      : x_(x), r_(r), stride_(stride) {}

  int at(int m) {
    if (m == m_ + stride_) {
      count_ += (x_[r_ - m] >= 0) != (x_[r_ - m + stride_] >= 0);
      const std::int64_t next = last_ + stride_;
      if (next < r_ + m) {
        count_ += (x_[last_] >= 0) != (x_[next] >= 0);
        last_ = next;
      }
    } else {
      count_ = 0;
      last_ = r_ - m;
      for (std::int64_t i = r_ - m + stride_; i < r_ + m; i += stride_) {
        count_ += (x_[last_] >= 0) != (x_[i] >= 0);
        last_ = i;
      }
    }
    m_ = m;
    return count_;
  }

 private:
  const std::int16_t* x_;
  std::int64_t r_;
  int stride_;
  int m_ = -1;
  int count_ = 0;
  std::int64_t last_ = 0;  // the last sample of the grid below r + m
};

enum class VoicingState { Unvoiced, Voiced, Held };

struct Candidate {
  double lag;          // samples, with the sub-sample refinement
  double coefficient;  // full-resolution correlation
};

}  // namespace

SrpdGeometry srpdGeometry(const SrpdParameters& p) {
  SrpdGeometry g;
  if (!(p.sampleFreq >= 1) || !(p.minPitch > 0) || !(p.maxPitch > 0) || p.decimation < 1) {
    return g;
  }
  const double nMax = std::ceil(p.sampleFreq / p.minPitch);
  const double nMin = std::floor(p.sampleFreq / p.maxPitch);
  if (nMin < p.decimation || nMax < nMin || nMax > 1e6) return g;
  const auto rate = static_cast<std::int64_t>(p.sampleFreq);
  g.nMax = static_cast<int>(nMax);
  g.nMin = static_cast<int>(nMin);
  g.segment = 3 * g.nMax;
  g.shift = static_cast<int>(std::floor(p.shiftMs / 1000.0 * p.sampleFreq)) + 1;
  g.length = static_cast<int>(std::floor(p.lengthMs / 1000.0 * p.sampleFreq));
  g.minPitch = static_cast<double>(rate / g.nMax);
  g.maxPitch = static_cast<double>(rate / g.nMin);
  return g;
}

std::vector<double> srpdPreFilter(double sampleRate, double cutoffHz) {
  std::size_t n = std::bit_ceil(static_cast<std::size_t>(4 * kPreFilterTaps));
  n = std::max<std::size_t>(n, 1024);
  // The ideal response, 1 below the cut-off and 0 above, zero phase, on the grid's bins.
  const dsp::RealFft& fft = dsp::RealFft::ofSize(n);
  dsp::AlignedVector<dsp::Complex> bins(fft.binCount());
  for (std::size_t k = 0; k < bins.size(); ++k) {
    bins[k] = (k * sampleRate / static_cast<double>(n) < cutoffHz) ? 1.0 : 0.0;
  }
  dsp::AlignedVector<double> impulse(n);
  fft.inverse(bins, impulse);
  // The 99 coefficients around time 0 of the periodic impulse response.
  constexpr int half = kPreFilterTaps / 2;
  std::vector<double> taps(kPreFilterTaps);
  for (int i = 0; i < kPreFilterTaps; ++i) {
    const auto index =
        static_cast<std::size_t>((i - half + static_cast<int>(n)) % static_cast<int>(n));
    taps[i] = impulse[index] / static_cast<double>(n);
  }
  return taps;
}

std::vector<std::int16_t> srpdLowPass(std::span<const std::int16_t> samples, double sampleRate) {
  const std::vector<double> designed = srpdPreFilter(sampleRate);
  // The taps are symmetric, so output i is the plain dot product of the taps with the 99
  // inputs centred on input i (the delay of half the order taken back); the input is
  // padded with zeros at both ends.
  const std::vector<float> taps(designed.begin(), designed.end());
  const std::size_t half = kPreFilterTaps / 2;
  std::vector<float> padded(samples.size() + 2 * half, 0.0f);
  std::copy(samples.begin(), samples.end(), padded.begin() + static_cast<std::ptrdiff_t>(half));
  // A block of outputs at a time, tap by tap: each output still adds its products in tap
  // order, as a plain dot product would, but the loop over outputs runs in vector registers.
  constexpr std::size_t kBlock = 2048;
  std::vector<std::int16_t> out(samples.size());
  std::vector<float> sums(kBlock);
  for (std::size_t begin = 0; begin < samples.size(); begin += kBlock) {
    const std::size_t size = std::min(kBlock, samples.size() - begin);
    std::fill(sums.begin(), sums.end(), 0.0f);
    for (int k = 0; k < kPreFilterTaps; ++k) {
      const float tap = taps[static_cast<std::size_t>(k)];
      const float* x = padded.data() + begin + static_cast<std::size_t>(k);
      float* sum = sums.data();
      for (std::size_t i = 0; i < size; ++i) sum[i] += tap * x[i];
    }
    for (std::size_t i = 0; i < size; ++i) out[begin + i] = saturate16(sums[i]);
  }
  return out;
}

std::vector<float> srpdFrames(std::span<const std::int16_t> x, const SrpdParameters& p) {
  const SrpdGeometry g = srpdGeometry(p);
  std::vector<float> values;
  if (g.segment == 0) return values;
  const auto count = static_cast<std::int64_t>(x.size());
  if (count < g.segment) return values;
  values.reserve(static_cast<std::size_t>(count / g.shift));
  const int stride = p.decimation;
  const double rate = p.sampleFreq;

  VoicingState state = VoicingState::Unvoiced;
  double lastPitch = 0;       // Hz, the pitch of the previous frame when it was voiced
  double earlierPitch = 0;    // Hz, the last non-zero pitch before that
  double lastBest = 0;        // the previous frame's best coefficient
  std::size_t heldIndex = 0;  // the held frame's value, decided by the next frame
  double heldPitch = 0;
  std::vector<int> coarseLags;
  std::vector<Candidate> candidates;
  std::vector<double> fine;   // one candidate's full-resolution coefficients
  bool onsetPending = false;  // the first voiced frame after unvoiced ones, not yet confirmed
  std::size_t onsetIndex = 0;

  for (std::int64_t start = 0; start < count && start + g.segment <= count; start += g.shift) {
    const std::int64_t r = start + g.nMax;
    const double threshold =
        (state == VoicingState::Voiced) ? std::max(p.tMin, p.tMaxRatio * lastBest) : p.tHigh;
    const bool tracking = p.peakTracking && state == VoicingState::Voiced && earlierPitch > 0 &&
                          lastPitch > 0.625 * earlierPitch && lastPitch < 1.75 * earlierPitch;
    const double trackLow = tracking ? rate / (1.25 * lastPitch) : 0;
    const double trackHigh = tracking ? rate / (0.8 * lastPitch) : 0;

    // Silence: around the reference, both stretches of nMin samples must reach 2 tSilent in
    // |max| + |min|, so that a stretch on one flank of a loud low tone still counts as sound.
    int beforeMin = std::numeric_limits<int>::max(), beforeMax = std::numeric_limits<int>::min();
    int afterMin = beforeMin, afterMax = beforeMax;
    for (int j = 0; j < g.nMin; j += stride) {
      const int a = x[r - g.nMin + j];
      const int b = x[r + j];
      beforeMin = std::min(beforeMin, a);
      beforeMax = std::max(beforeMax, a);
      afterMin = std::min(afterMin, b);
      afterMax = std::max(afterMax, b);
    }
    const bool silent = std::abs(beforeMax) + std::abs(beforeMin) < 2 * p.tSilent ||
                        std::abs(afterMax) + std::abs(afterMin) < 2 * p.tSilent;

    double pitch = 0;
    double best = 0;
    if (!silent) {
      // Coarse pass: the best coefficient of each positive lobe that reaches the threshold.
      // A lobe still open at nMax is no candidate: its peak may lie beyond the range.
      coarseLags.clear();
      double previous = 0;
      int signChanges = 0;
      int bestSignChanges = -1;
      double lobeBest = 0;
      int lobeLag = 0;
      StretchCorrelation coarse(x.data(), r, stride);
      StretchCrossings crossingsAt(x.data(), r, stride);
      for (int n = g.nMin; n <= g.nMax; n += stride) {
        const double c = coarse.at(n);
        // Stretches of about one period each hold two periods, four zero crossings, but
        // sampled every stride-th sample just short of two periods they may show three: the
        // count is taken one stride further on.
        const int crossings = crossingsAt.at(std::min(n + stride, g.nMax));
        if (n > g.nMin && (c >= 0) != (previous >= 0)) ++signChanges;
        if (lobeLag > 0 && signChanges > bestSignChanges) {
          coarseLags.push_back(lobeLag);
          lobeBest = 0;
          lobeLag = 0;
        }
        const double weight = (tracking && n >= trackLow && n <= trackHigh) ? 2.0 : 1.0;
        const bool peak = n > g.nMin && c > previous && crossings > 3;
        if (peak && c > lobeBest && c * weight >= threshold) {
          lobeBest = c;
          lobeLag = n;
          bestSignChanges = signChanges;
        }
        previous = c;
      }

      // Fine pass: every lag within one stride of a coarse candidate at full resolution,
      // the best placed between samples by a parabola.
      candidates.clear();
      for (int lag : coarseLags) {
        // The lags lo - 1 .. hi + 1, so that the parabola finds its neighbours computed.
        const int lo = std::max(g.nMin, lag - stride + 1);
        const int hi = std::min(g.nMax, lag + stride - 1);
        const int first = std::max(g.nMin, lo - 1);
        const int last = std::min(g.nMax, hi + 1);
        fine.clear();
        StretchCorrelation full(x.data(), r, 1);
        for (int n = first; n <= last; ++n) fine.push_back(full.at(n));
        const auto c = [&](int n) { return fine[static_cast<std::size_t>(n - first)]; };
        int bestLag = lo;
        double bestC = -2;
        for (int n = lo; n <= hi; ++n) {
          if (c(n) > bestC) {
            bestC = c(n);
            bestLag = n;
          }
        }
        double offset = 0;
        if (bestLag > g.nMin && bestLag < g.nMax) {
          offset = dsp::parabolicPeakOffset(c(bestLag - 1), bestC, c(bestLag + 1));
        }
        candidates.push_back({bestLag + offset, bestC});
        best = std::max(best, bestC);
      }

      // The decision: the strongest candidate above the threshold, unless a candidate at
      // half its period is also strong (period doubling), or peak tracking finds a strong
      // one near the previous pitch. Other fractions are not looked for: at three or five
      // times the pitch, a formant's ringing over a short stretch correlates as well as the
      // period does.
      const Candidate* chosen = nullptr;
      for (const Candidate& c : candidates) {
        if (c.coefficient >= threshold && (!chosen || c.coefficient > chosen->coefficient)) {
          chosen = &c;
        }
      }
      if (chosen) {
        // A candidate at half the chosen lag that reaches tDh takes its place, as often as
        // that holds: a tone's multiples all correlate alike, and the fourth may come out
        // strongest by a hair.
        for (bool moved = true; moved;) {
          moved = false;
          for (const Candidate& c : candidates) {
            if (c.lag < chosen->lag && c.coefficient >= p.tDh &&
                std::abs(chosen->lag / c.lag - 2) < 0.2) {
              chosen = &c;
              moved = true;
              break;
            }
          }
        }
        if (tracking) {
          // The strongest near the previous pitch: the first one found there may be a
          // weaker, shorter lag that only grazes the range.
          const Candidate* near = nullptr;
          for (const Candidate& c : candidates) {
            if (c.coefficient >= p.tDh && c.lag >= trackLow && c.lag <= trackHigh &&
                (!near || c.coefficient > near->coefficient)) {
              near = &c;
            }
          }
          if (near) chosen = near;
        }
        pitch = rate / chosen->lag;
      }
    }

    // The state machine; a held frame is settled by the frame after it, and so is the first
    // voiced frame after an unvoiced one: it stands when the next frame is voiced within a
    // quarter of its pitch. Noise, whose short stretches correlate well now and then, gives
    // single frames or runs whose pitch leaps from frame to frame; a voice does not.
    const bool heldBefore = state == VoicingState::Held;
    const std::size_t index = values.size();
    values.push_back(0.0f);
    if (pitch > 0) {
      if (heldBefore && heldPitch > 0.625 * pitch && heldPitch < 1.75 * pitch) {
        values[heldIndex] = static_cast<float>(heldPitch);
      }
      if (onsetPending) {
        const double ratio = pitch / values[onsetIndex];
        if (ratio > 1 / kOnsetSpread && ratio < kOnsetSpread) {
          onsetPending = false;
        } else {
          values[onsetIndex] = 0.0f;  // a leap: this frame is the onset to be confirmed
          onsetIndex = index;
        }
      } else if (state == VoicingState::Unvoiced) {
        onsetPending = true;
        onsetIndex = index;
      }
      values[index] = static_cast<float>(pitch);
      if (lastPitch > 0) earlierPitch = lastPitch;
      lastPitch = pitch;
      state = VoicingState::Voiced;
    } else if (!silent && state == VoicingState::Voiced && !candidates.empty() &&
               best >= p.tMaxRatio * threshold) {
      // Just failed: hold with the strongest candidate and let the next frame decide.
      const auto strongest = std::max_element(
          candidates.begin(), candidates.end(),
          [](const Candidate& a, const Candidate& b) { return a.coefficient < b.coefficient; });
      heldIndex = index;
      heldPitch = rate / strongest->lag;
      state = VoicingState::Held;
    } else {
      if (lastPitch > 0) earlierPitch = lastPitch;
      lastPitch = 0;
      state = VoicingState::Unvoiced;
    }
    if (onsetPending && index != onsetIndex) {
      values[onsetIndex] = 0.0f;  // the frame after the onset was not voiced
      onsetPending = false;
    }
    if (heldBefore && state != VoicingState::Voiced) {
      // The held frame is closed as unvoiced; its value stays 0.
      if (lastPitch > 0) earlierPitch = lastPitch;
      lastPitch = 0;
      if (state == VoicingState::Held) state = VoicingState::Unvoiced;
    }
    lastBest = best;
  }
  if (onsetPending) values[onsetIndex] = 0.0f;
  return values;
}

std::vector<float> smoothContour(std::span<const float> values, const SmoothingParameters& p) {
  const auto n = static_cast<std::int64_t>(values.size());
  std::vector<float> out(values.begin(), values.end());
  if (n == 0) return out;
  // Ends extended by their end values so that the output keeps its length and alignment.
  const auto at = [&](const std::vector<float>& v, std::int64_t i) {
    return v[static_cast<std::size_t>(std::clamp<std::int64_t>(i, 0, n - 1))];
  };
  const auto median = [&](const std::vector<float>& in, int length) {
    if (length <= 1) return in;
    std::vector<float> result(in.size());
    std::vector<float> window(static_cast<std::size_t>(length));
    const int half = length / 2;
    for (std::int64_t i = 0; i < n; ++i) {
      for (int k = 0; k < length; ++k) window[k] = at(in, i - half + k);
      std::nth_element(window.begin(), window.begin() + half, window.end());
      result[i] = window[half];
    }
    return result;
  };
  out = median(out, p.firstMedian);
  if (p.doubleSmoothing) out = median(out, p.secondMedian);
  if (p.hanning && p.hanningLength > 1) {
    const int length = p.hanningLength;
    const int half = length / 2;
    const auto weight = [](int k, int points) {
      return (1.0 - std::cos(2 * M_PI * (k + 1) / (points + 1))) / (points + 1);
    };
    std::vector<float> smoothed(out.size());
    std::vector<float> kept;
    for (std::int64_t i = 0; i < n; ++i) {
      kept.clear();
      for (int k = 0; k < length; ++k) {
        const float v = at(out, i - half + k);
        if (v != p.breakValue) kept.push_back(v);
      }
      const int gaps = length - static_cast<int>(kept.size());
      if (gaps > length / 2) {
        smoothed[i] = p.breakValue;
        continue;
      }
      const int points = static_cast<int>(kept.size());
      double sum = 0;
      for (int k = 0; k < points; ++k) sum += weight(k, points) * kept[k];
      smoothed[i] = static_cast<float>(sum);
    }
    out = std::move(smoothed);
  }
  return out;
}

std::vector<float> trackSrpd(std::span<const std::int16_t> samples, double sampleRate,
                             double minPitch, double maxPitch) {
  SrpdParameters p;
  p.sampleFreq = sampleRate;
  p.minPitch = minPitch;
  p.maxPitch = maxPitch;
  const SrpdGeometry g = srpdGeometry(p);
  if (g.segment == 0 || static_cast<std::int64_t>(samples.size()) < g.segment) return {};
  const std::vector<std::int16_t> filtered = srpdLowPass(samples, sampleRate);
  return smoothContour(srpdFrames(filtered, p));
}

}  // namespace sonarel::core
