// SPDX-License-Identifier: GPL-3.0-or-later
#include "spectral/resample.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <new>
#include <numbers>

#include "core/wave_file.h"
#include "core/wave_format.h"

namespace sonarel::spectral {
namespace {

using core::Message;
using core::MessageId;

constexpr std::array<int, 175> kPrimes = [] {
  std::array<int, 175> primes{};
  std::size_t found = 0;
  for (int candidate = 2; found < primes.size(); ++candidate) {
    bool prime = true;
    for (std::size_t i = 0; i < found && primes[i] * primes[i] <= candidate; ++i) {
      if (candidate % primes[i] == 0) {
        prime = false;
        break;
      }
    }
    if (prime) primes[found++] = candidate;
  }
  return primes;
}();

// Prime factors of `value` from the table, smallest first; {1} for 1; empty when a factor
// lies beyond the table.
std::vector<int> PrimeFactors(int value) {
  if (value == 1) return {1};
  std::vector<int> factors;
  for (const int p : kPrimes) {
    while (value % p == 0) {
      factors.push_back(p);
      value /= p;
    }
    if (value == 1) return factors;
  }
  return {};
}

// The stage's factor as the design sees it: 0.5 / fc, rounded down.
int StageFactor(double fc) {
  return static_cast<int>(0.5 / fc + 0.000001);
}

// Sums of the nome series used for the elliptic poles: 2 q^(1/4) Σ (-1)^m q^(m(m+1)) f((2m+1)x)
// over 1 + 2 Σ (-1)^m q^(m²) g(2mx), six terms each.
template <typename Odd, typename Even>
double NomeQuotient(double q, double x, Odd odd, Even even) {
  double numerator = 0.0;
  double denominator = 1.0;
  for (int m = 0; m < 6; ++m) {
    const double sign = (m % 2 == 0) ? 1.0 : -1.0;
    numerator += sign * std::pow(q, m * (m + 1)) * odd((2 * m + 1) * x);
    if (m > 0) denominator += 2.0 * sign * std::pow(q, m * m) * even(2 * m * x);
  }
  return 2.0 * std::pow(q, 0.25) * numerator / denominator;
}

// A cascade of sections in direct form II, each with its own state. The numerators of the
// stage filters are symmetric (b2 = b0, zeros on the unit circle), so each section runs as
// b0 · (w + b1/b0 · w1 + w2) with the b0 of every section gathered into one gain, which
// Step leaves out: the caller applies gain() to the outputs it keeps.
class Cascade {
 public:
  explicit Cascade(const StageFilter& filter) {
    for (int r = 0; r < filter.repeats; ++r) {
      for (const FilterSection& s : filter.sections) {
        sections_.push_back({s.b1 / s.b0, s.a1, s.a2});
        gain_ *= s.b0;
      }
    }
    w1_.assign(sections_.size(), 0.0);
    w2_.assign(sections_.size(), 0.0);
  }

  double gain() const { return gain_; }

  struct Section {
    double b1, a1, a2;  // b1 over b0

    // One step of the section with state (w1, w2), leaving out b0.
    double step(double x, double& w1, double& w2) const {
      const double w = x - a1 * w1 - a2 * w2;
      const double y = w + b1 * w1 + w2;
      w2 = w1;
      w1 = w;
      return y;
    }
  };
  const std::vector<Section>& sections() const { return sections_; }

  void Clear() {
    std::fill(w1_.begin(), w1_.end(), 0.0);
    std::fill(w2_.begin(), w2_.end(), 0.0);
  }

  double Step(double x) {
    const std::size_t n = sections_.size();
    const Section* s = sections_.data();
    double* w1 = w1_.data();
    double* w2 = w2_.data();
    for (std::size_t i = 0; i < n; ++i) x = s[i].step(x, w1[i], w2[i]);
    return x;
  }

 private:
  std::vector<Section> sections_;
  double gain_ = 1.0;
  std::vector<double> w1_, w2_;
};

// The same cascade with its number of sections fixed when compiled, so that a local copy
// keeps its state in registers through the loops over the steps.
template <std::size_t N>
class FixedCascade {
 public:
  explicit FixedCascade(const Cascade& cascade) : gain_(cascade.gain()) {
    std::copy_n(cascade.sections().begin(), N, sections_.begin());
  }
  double gain() const { return gain_; }
  void Clear() {
    w1_.fill(0.0);
    w2_.fill(0.0);
  }
  double Step(double x) {
    for (std::size_t i = 0; i < N; ++i) x = sections_[i].step(x, w1_[i], w2_[i]);
    return x;
  }

 private:
  std::array<Cascade::Section, N> sections_{};
  std::array<double, N> w1_{}, w2_{};
  double gain_;
};

// Steps between two progress reports.
constexpr std::int64_t kProgressChunk = 1 << 16;

}  // namespace

std::span<const int> ResamplePrimes() {
  return kPrimes;
}

std::variant<RateFactors, Message> RatioFactors(double ratio) {
  if (std::isfinite(ratio) && ratio > 0.0) {
    for (int down = 1; down <= 999; ++down) {
      const double up = std::trunc(0.5 + down * ratio);
      if (up >= 1.0 && up <= 1.0e9 && std::fabs(ratio - up / down) <= 0.000001)
        return RateFactors{static_cast<int>(up), down};
    }
  }
  return Message{MessageId::NoSimpleFactors};
}

std::vector<ResampleStage> PlanStages(int up, int down) {
  const std::vector<int> ups = up >= 1 ? PrimeFactors(up) : std::vector<int>{};
  const std::vector<int> downs = down >= 1 ? PrimeFactors(down) : std::vector<int>{};
  if (ups.empty() || downs.empty()) return {};

  std::vector<ResampleStage> stages;
  const auto emit = [&stages](int l, int m) { stages.push_back({l, m, 0.5 / std::max(l, m)}); };
  const std::size_t n = downs.size();
  int u = 1;
  double r = 1.0;  // the running quotient: up-primes so far over down-primes used
  std::size_t j = 0;
  int d = 1;
  bool last = false;
  for (const int p : ups) {
    u *= p;
    r *= p;
    // Once every down-prime is in the pending stage, the remaining up-primes join it; starting
    // a new stage there would drop the pending down factor and change the ratio.
    if (last) continue;
    d = 1;
    while (!last && r / downs[j] > 0.999999) {
      d *= downs[j];
      r /= downs[j];
      if (j == n - 1)
        last = true;
      else
        ++j;
    }
    if (!last && d != 1) {
      emit(u, d);
      u = 1;
    }
  }
  for (std::size_t k = j; k < n; ++k) {
    int m = downs[k];
    if (last) {
      m = d;
      last = false;
    }
    emit(u, m);
    u = 1;
  }
  return stages;
}

std::variant<StageFilter, Message> DesignStageFilter(double fc) {
  const int h = (fc > 0.0 && fc <= 0.5) ? StageFactor(fc) - 2 : -1;
  StageFilter filter;
  if (h >= 0 && h <= 17) {
    filter.rippleDb = 0.2;
    filter.attenuationDb = 80.0;
  } else if (h >= 18 && h <= 27) {
    filter.rippleDb = 0.1;
    filter.attenuationDb = 40.0;
    filter.repeats = 2;
  } else if (h >= 28 && h <= 39) {
    filter.rippleDb = 0.2 / 3.0;
    filter.attenuationDb = 80.0 / 3.0;
    filter.repeats = 3;
  } else {
    return Message{MessageId::FilterDesignTooDifficult};
  }
  const double ap = filter.rippleDb;
  const double as = filter.attenuationDb;

  // Band edges pre-warped for the bilinear transform s = (1 - z^-1) / (1 + z^-1).
  const double ws = 2.0 * std::numbers::pi * fc;
  const double wp = 0.9 * ws;
  const double omegaP = std::tan(wp / 2.0);
  const double omegaS = std::tan(ws / 2.0);
  const double k = omegaP / omegaS;

  // Order from the nome q of the modulus k.
  const double kc = std::sqrt(std::sqrt(1.0 - k * k));
  const double q0 = 0.5 * (1.0 - kc) / (1.0 + kc);
  const double q = q0 + 2.0 * std::pow(q0, 5) + 15.0 * std::pow(q0, 9) + 150.0 * std::pow(q0, 13);
  const double discrimination = (std::pow(10.0, 0.1 * as) - 1.0) / (std::pow(10.0, 0.1 * ap) - 1.0);
  int order = static_cast<int>(std::ceil(std::log(16.0 * discrimination) / std::log(1.0 / q)));
  if (order % 2 != 0) ++order;
  order = std::max(order, 2);

  // Poles and zeros of the prototype whose passband and stopband edges are sqrt(k) and
  // 1/sqrt(k); it is scaled to the pre-warped edges below.
  const double ep = std::pow(10.0, 0.05 * ap);
  const double lambda = std::log((ep + 1.0) / (ep - 1.0)) / (2.0 * order);
  const double sigma0 = std::fabs(NomeQuotient(
      q, lambda, [](double x) { return std::sinh(x); }, [](double x) { return std::cosh(x); }));
  const double w = std::sqrt((1.0 + k * sigma0 * sigma0) * (1.0 + sigma0 * sigma0 / k));
  const double c = 1.0 / std::sqrt(omegaP * omegaS);  // s of the prototype per s of the filter

  for (int i = 1; i <= order / 2; ++i) {
    const double mu = i - 0.5;
    const double omega = NomeQuotient(
        q, std::numbers::pi * mu / order, [](double x) { return std::sin(x); },
        [](double x) { return std::cos(x); });
    const double v = std::sqrt((1.0 - k * omega * omega) * (1.0 - omega * omega / k));
    const double spread = 1.0 + sigma0 * sigma0 * omega * omega;
    const double a0 = 1.0 / (omega * omega);  // zero at s² = -a0
    const double b0 = ((sigma0 * v) * (sigma0 * v) + (omega * w) * (omega * w)) / (spread * spread);
    const double b1 = 2.0 * sigma0 * v / spread;

    // (s² + a0) / (s² + b1 s + b0) through the bilinear transform, scaled to unit gain at 0 Hz.
    const double den0 = c * c + b1 * c + b0;
    const double gain = b0 / a0 / den0;
    FilterSection section;
    section.b0 = (c * c + a0) * gain;
    section.b1 = 2.0 * (a0 - c * c) * gain;
    section.b2 = section.b0;
    section.a1 = 2.0 * (b0 - c * c) / den0;
    section.a2 = (c * c - b1 * c + b0) / den0;

    // Poles this close to the unit circle let rounding sustain oscillations.
    const double cc = -section.a2;
    const double dd = -section.a1 / (1.0 - cc);
    if (!((1.0 - cc * cc) * (1.0 - dd * dd) > 0.00001))
      return Message{MessageId::FilterLimitCycles};
    filter.sections.push_back(section);
  }
  // The passband of an even-order design swings between 0 dB and -Ap from 0 Hz at its bottom;
  // half that gain centres the swing on 0 dB, so that stages and passes do not add up a loss.
  const double dcGain = std::pow(10.0, -0.025 * ap);
  filter.sections.front().b0 *= dcGain;
  filter.sections.front().b1 *= dcGain;
  filter.sections.front().b2 *= dcGain;
  return filter;
}

namespace {

template <class Kernel>
std::optional<std::vector<float>> RunStageWith(std::span<const float> input,
                                               const ResampleStage& stage, Kernel cascade,
                                               const ResampleProgress& progress) {
  const std::int64_t count = static_cast<std::int64_t>(input.size());
  const std::int64_t l = stage.up;
  const std::int64_t m = stage.down;
  const std::int64_t outCount = count * l / m;
  const std::int64_t forwardSteps = count * l + 1024;
  const std::int64_t storedCount = (forwardSteps + m - 1) / m;
  const double totalSteps = static_cast<double>(forwardSteps + storedCount * m);

  std::vector<float> stored(static_cast<std::size_t>(storedCount));
  std::vector<float> output(static_cast<std::size_t>(outCount));
  const double forwardGain = cascade.gain();

  // Forward: a source sample every L steps and zeros between, every M-th output kept.
  std::int64_t t = 0;
  std::int64_t phaseL = 0, phaseM = 0, next = 0, kept = 0;
  while (t < forwardSteps) {
    const std::int64_t end = std::min(forwardSteps, t + kProgressChunk);
    for (; t < end; ++t) {
      double x = 0.0;
      if (phaseL == 0 && next < count) x = input[static_cast<std::size_t>(next++)];
      const double y = cascade.Step(x);
      if (phaseM == 0)
        stored[static_cast<std::size_t>(kept++)] = static_cast<float>(y * forwardGain);
      if (++phaseL == l) phaseL = 0;
      if (++phaseM == m) phaseM = 0;
    }
    if (progress && !progress(static_cast<double>(t) / totalSteps)) return std::nullopt;
  }

  // Backward over the kept values, each followed by M - 1 zeros, at the filter's rate; the
  // output of the step that takes a kept value lands on that value's place.
  cascade.Clear();
  const double gain = static_cast<double>(l * m) * cascade.gain();
  std::int64_t i = storedCount - 1;
  while (i >= 0) {
    const std::int64_t stop =
        std::max<std::int64_t>(-1, i - std::max<std::int64_t>(1, kProgressChunk / m));
    for (; i > stop; --i) {
      const double y = cascade.Step(stored[static_cast<std::size_t>(i)]);
      if (i < outCount) output[static_cast<std::size_t>(i)] = static_cast<float>(y * gain);
      for (std::int64_t z = 1; z < m; ++z) cascade.Step(0.0);
    }
    if (progress &&
        !progress(static_cast<double>(forwardSteps + (storedCount - 1 - i) * m) / totalSteps))
      return std::nullopt;
  }
  return output;
}

}  // namespace

std::optional<std::vector<float>> RunStage(std::span<const float> input, const ResampleStage& stage,
                                           const StageFilter& filter,
                                           const ResampleProgress& progress) {
  const Cascade cascade(filter);
  // The designs have 5 or 6 sections, or 4 twice or 3 three times.
  switch (cascade.sections().size()) {
    case 5:
      return RunStageWith(input, stage, FixedCascade<5>(cascade), progress);
    case 6:
      return RunStageWith(input, stage, FixedCascade<6>(cascade), progress);
    case 8:
      return RunStageWith(input, stage, FixedCascade<8>(cascade), progress);
    case 9:
      return RunStageWith(input, stage, FixedCascade<9>(cascade), progress);
    default:
      return RunStageWith(input, stage, cascade, progress);
  }
}

std::variant<std::vector<std::int16_t>, ResampleFailure> Resample(
    std::span<const std::int16_t> samples, int sourceRate, int targetRate,
    const ResampleProgress& progress) {
  const auto factors =
      RatioFactors(sourceRate > 0 ? static_cast<double>(targetRate) / sourceRate : 0.0);
  if (const auto* refusal = std::get_if<Message>(&factors)) return ResampleFailure{*refusal};
  const RateFactors ratio = std::get<RateFactors>(factors);
  const std::vector<ResampleStage> stages = PlanStages(ratio.up, ratio.down);
  if (stages.empty()) return ResampleFailure{Message{MessageId::NoSimpleFactors}};
  for (const ResampleStage& stage : stages) {
    if (StageFactor(stage.fc) > kMaxStageFactor) return ResampleFailure{};
  }

  std::vector<float> signal;
  try {
    signal.assign(samples.begin(), samples.end());
  } catch (const std::bad_alloc&) {
    return ResampleFailure{Message{MessageId::ErrorAllocatingMemory}};
  }

  // Work shares of the stages, by the steps their two passes take.
  std::vector<double> shares;
  double total = 0.0;
  {
    double length = static_cast<double>(samples.size());
    for (const ResampleStage& stage : stages) {
      shares.push_back(2.0 * (length * stage.up + 1024.0));
      total += shares.back();
      length = length * stage.up / stage.down;
    }
  }
  double done = 0.0;
  for (std::size_t s = 0; s < stages.size(); ++s) {
    const auto design = DesignStageFilter(stages[s].fc);
    if (const auto* refusal = std::get_if<Message>(&design)) return ResampleFailure{*refusal};
    ResampleProgress stageProgress;
    if (progress) {
      stageProgress = [&](double share) { return progress((done + share * shares[s]) / total); };
    }
    try {
      auto next = RunStage(signal, stages[s], std::get<StageFilter>(design), stageProgress);
      if (!next) return ResampleFailure{std::nullopt, true};
      signal = std::move(*next);
    } catch (const std::bad_alloc&) {
      return ResampleFailure{Message{MessageId::CannotAllocateInterpolated}};
    }
    done += shares[s];
  }

  std::vector<std::int16_t> output;
  try {
    output.resize(signal.size());
  } catch (const std::bad_alloc&) {
    return ResampleFailure{Message{MessageId::ErrorAllocatingBuffer}};
  }
  for (std::size_t i = 0; i < signal.size(); ++i) {
    const float v = std::isnan(signal[i]) ? 0.0f : std::clamp(signal[i], -32767.0f, 32767.0f);
    output[i] = static_cast<std::int16_t>(v);  // toward zero
  }
  return output;
}

std::optional<ResampleFailure> ResampleToFile(std::span<const std::int16_t> samples, int sourceRate,
                                              int targetRate, const std::string& targetPath,
                                              const ResampleProgress& progress) {
  auto result = Resample(samples, sourceRate, targetRate, progress);
  if (auto* failure = std::get_if<ResampleFailure>(&result)) return std::move(*failure);
  const auto& converted = std::get<std::vector<std::int16_t>>(result);
  if (auto refusal =
          core::writeWave(targetPath, core::pcm16MonoFormat(static_cast<std::uint32_t>(targetRate)),
                          std::span<const std::int16_t>(converted)))
    return ResampleFailure{std::move(*refusal)};
  return std::nullopt;
}

}  // namespace sonarel::spectral
