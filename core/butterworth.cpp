// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/butterworth.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <new>

#include "dsp/lanes.h"

namespace sonarel::core {
namespace {

// The designer's value of pi, kept so that coefficients match designs made elsewhere with it.
constexpr double kPi = 3.141592653589;

using Polynomial = std::vector<double>;  // coefficients of z^-0, z^-1, ...

Polynomial multiply(const Polynomial& p, const Polynomial& q) {
  Polynomial out(p.size() + q.size() - 1, 0.0);
  for (std::size_t i = 0; i < p.size(); ++i) {
    for (std::size_t j = 0; j < q.size(); ++j) out[i + j] += p[i] * q[j];
  }
  return out;
}

// Substitutes z^-1 = P/Q into the quadratic c0 + c1 z^-1 + c2 z^-2 and multiplies by Q^2,
// which cancels between the numerator and the denominator of a section.
Polynomial substitute(const Polynomial& c, const Polynomial& p, const Polynomial& q) {
  const Polynomial qq = multiply(q, q);
  const Polynomial pq = multiply(p, q);
  const Polynomial pp = multiply(p, p);
  Polynomial out(qq.size(), 0.0);
  for (std::size_t i = 0; i < out.size(); ++i) out[i] = c[0] * qq[i] + c[1] * pq[i] + c[2] * pp[i];
  return out;
}

// Second-order low-pass sections of the prototype with normalised cut-off w (cycles per
// sample): the bilinear images of the analogue Butterworth poles, unit gain at 0 Hz.
std::vector<FilterSection> prototypeSections(int order, double w) {
  std::vector<FilterSection> sections;
  const double t = std::tan(kPi * w);
  for (int k = 0; k < order / 2; ++k) {
    const double theta = (2 * k + 1) * kPi / (2.0 * order);
    const double a = -t * std::cos(theta);
    const double b = t * std::sin(theta);
    const double d = (1 - a) * (1 - a) + b * b;
    const double re = (1 - a * a - b * b) / d;
    const double im = 2 * b / d;
    const double modulus2 = re * re + im * im;
    const double g = 4.0 / (1 - 2 * re + modulus2);
    sections.push_back({{1 / g, 2 / g, 1 / g}, {1.0, -2 * re, modulus2}, {}});
  }
  return sections;
}

// The all-pass substitution z^-1 = P/Q of each transformation.
void transformation(FilterType type, double w, double w1, double w2, Polynomial& p, Polynomial& q) {
  if (type == FilterType::HighPass) {
    const double alpha = -std::cos(kPi * (w + w1)) / std::cos(kPi * (w - w1));
    p = {-alpha, -1.0};
    q = {1.0, alpha};
    return;
  }
  const double alpha = std::cos(kPi * (w2 + w1)) / std::cos(kPi * (w2 - w1));
  if (type == FilterType::BandPass) {
    const double k = std::tan(kPi * w) / std::tan(kPi * (w2 - w1));
    const double c1 = 2 * alpha * k / (k + 1);
    const double c2 = (k - 1) / (k + 1);
    p = {-c2, c1, -1.0};
    q = {1.0, -c1, c2};
  } else {
    const double k = std::tan(kPi * (w2 - w1)) * std::tan(kPi * w);
    const double c1 = 2 * alpha / (1 + k);
    const double c2 = (1 - k) / (1 + k);
    p = {c2, -c1, 1.0};
    q = {1.0, -c1, c2};
  }
}

bool edgesValid(FilterType type, double f1, double f2, double rate) {
  if (!(rate > 0)) return false;
  const double nyquist = rate / 2;
  if (type == FilterType::LowPass || type == FilterType::HighPass) return f1 > 0 && f1 < nyquist;
  return f1 >= 0 && f1 < f2 && f2 < nyquist;
}

}  // namespace

std::variant<ButterworthHandle, MessageId> designButterworth(int type, int order, double f1,
                                                             double f2, double sampleRate) try {
  if (type < 1 || type > 4) return MessageId::FilterUnknownType;
  if (order > 10) return MessageId::FilterOrderTooLarge;
  if (order % 2 != 0) return MessageId::FilterOrderOdd;
  const auto filterType = static_cast<FilterType>(type);
  if (!edgesValid(filterType, f1, f2, sampleRate)) return MessageId::FilterFrequencies;

  double w = (f2 - f1) / sampleRate;
  if (filterType == FilterType::LowPass) w = f1 / sampleRate;
  if (filterType == FilterType::HighPass) w = (sampleRate - f1) / sampleRate;

  auto filter = std::make_unique<ButterworthFilter>();
  filter->sections = prototypeSections(std::max(order, 0), w);
  if (filterType != FilterType::LowPass) {
    Polynomial p, q;
    transformation(filterType, w, f1 / sampleRate, f2 / sampleRate, p, q);
    for (FilterSection& s : filter->sections) {
      Polynomial b = substitute(s.b, p, q);
      Polynomial a = substitute(s.a, p, q);
      const double a0 = a[0];
      for (double& v : b) v /= a0;
      for (double& v : a) v /= a0;
      s.b = std::move(b);
      s.a = std::move(a);
    }
  }
  for (FilterSection& s : filter->sections) s.state.assign(s.a.size() - 1, 0.0);
  return filter;
} catch (const std::bad_alloc&) {
  return MessageId::FilterOutOfMemory;
}

std::int16_t saturateToInt16(double value) {
  // Clamping before truncating gives what truncating before clamping gives, in a form
  // without branches that the compiler vectorises over a block.
  const double number = std::isnan(value) ? 0.0 : value;
  const double clamped = std::min(std::max(number, -32768.0), 32767.0);
  return static_cast<std::int16_t>(static_cast<std::int32_t>(clamped));
}

namespace {

// One step of a section in direct form II over M state values, on doubles or on the lanes
// of a vector: v = x - sum a[j] w[n-j]; y = b[0] v + sum b[j] w[n-j]. The newest state value
// is subtracted last, so that only one product and one subtraction wait for the previous
// sample.
template <std::size_t M, typename T>
T sectionStep(const T* a, const T* b, T* w, T x) {
  T v = x;
  for (std::size_t j = M; j-- > 0;) v -= a[j + 1] * w[j];
  T y = b[0] * v;
  for (std::size_t j = 0; j < M; ++j) y += b[j + 1] * w[j];
  for (std::size_t j = M - 1; j > 0; --j) w[j] = w[j - 1];
  w[0] = v;
  return y;
}

// One section in direct form II, its coefficients and state held in registers by the loops
// that run it.
template <std::size_t M>
struct SectionRegisters {
  double b[M + 1], a[M + 1], w[M];

  explicit SectionRegisters(const FilterSection& s) {
    std::copy_n(s.b.begin(), M + 1, b);
    std::copy_n(s.a.begin(), M + 1, a);
    std::copy_n(s.state.begin(), M, w);
  }
  void store(FilterSection& s) const { std::copy_n(w, M, s.state.begin()); }

  double step(double x) { return sectionStep<M>(a, b, w, x); }
};

template <std::size_t M>
void runSection(FilterSection& s, double* x, std::size_t count) {
  SectionRegisters<M> r(s);
  for (std::size_t n = 0; n < count; ++n) x[n] = r.step(x[n]);
  r.store(s);
}

// Two sections of M state values each, run in the two lanes of vector registers: at step n
// lane 0 runs the first section on sample n and lane 1 the second on sample n - kLag, which
// the first has already passed. Each lane does a section's arithmetic in its order, so the
// values are those of one section after the other; but the two recursions share their
// instructions, and the lag keeps the second off the first's chain of dependencies.
template <std::size_t M>
void runSectionPair(FilterSection& s1, FilterSection& s2, double* x, std::size_t count) {
  using dsp::Lanes;
  constexpr std::size_t kLag = 8;
  Lanes b[M + 1], a[M + 1], w[M];
  for (std::size_t j = 0; j <= M; ++j) {
    b[j] = Lanes{s1.b[j], s2.b[j]};
    a[j] = Lanes{s1.a[j], s2.a[j]};
  }
  for (std::size_t j = 0; j < M; ++j) w[j] = Lanes{s1.state[j], s2.state[j]};
  const auto step = [&](Lanes in) { return sectionStep<M>(a, b, w, in); };
  // A step of one lane alone: the other lane's state is put back as it was.
  const auto stepLane = [&](Lanes in, int lane) {
    Lanes kept[M];
    std::copy_n(w, M, kept);
    const Lanes y = step(in);
    for (std::size_t j = 0; j < M; ++j) w[j][1 - lane] = kept[j][1 - lane];
    return y[lane];
  };
  const std::size_t head = std::min(kLag, count);
  for (std::size_t n = 0; n < head; ++n) x[n] = stepLane(Lanes{x[n], 0.0}, 0);
  for (std::size_t n = kLag; n < count; ++n) {
    const Lanes y = step(Lanes{x[n], x[n - kLag]});
    x[n] = y[0];
    x[n - kLag] = y[1];
  }
  for (std::size_t n = count - head; n < count; ++n) x[n] = stepLane(Lanes{0.0, x[n]}, 1);
  for (std::size_t j = 0; j < M; ++j) {
    s1.state[j] = w[j][0];
    s2.state[j] = w[j][1];
  }
}

void runSection(FilterSection& s, double* x, std::size_t count) {
  if (s.state.size() == 2) return runSection<2>(s, x, count);
  if (s.state.size() == 4) return runSection<4>(s, x, count);
}

void runSectionPair(FilterSection& s1, FilterSection& s2, double* x, std::size_t count) {
  const std::size_t m = s1.state.size();
  if (m == s2.state.size() && m == 4) return runSectionPair<4>(s1, s2, x, count);
  if (m == s2.state.size() && m == 2) return runSectionPair<2>(s1, s2, x, count);
  runSection(s1, x, count);
  runSection(s2, x, count);
}

}  // namespace

// The cascade runs block by block: each section filters the whole block in turn, which
// gives the same values as running every section sample by sample.
void runButterworth(ButterworthFilter& filter, const std::int16_t* input, std::int16_t* output,
                    std::size_t count) {
  constexpr std::size_t kBlock = 4096;
  double block[kBlock];
  for (std::size_t done = 0; done < count; done += kBlock) {
    const std::size_t n = std::min(kBlock, count - done);
    for (std::size_t i = 0; i < n; ++i) block[i] = input[done + i];
    std::vector<FilterSection>& sections = filter.sections;
    std::size_t k = 0;
    for (; k + 1 < sections.size(); k += 2) runSectionPair(sections[k], sections[k + 1], block, n);
    if (k < sections.size()) runSection(sections[k], block, n);
    for (std::size_t i = 0; i < n; ++i) output[done + i] = saturateToInt16(block[i]);
  }
}

void runButterworth(ButterworthFilter& filter, std::span<std::int16_t> samples) {
  runButterworth(filter, samples.data(), samples.data(), samples.size());
}

void releaseButterworth(ButterworthHandle& filter) {
  filter.reset();
}

double butterworthGain(const ButterworthFilter& filter, double hz, double sampleRate) {
  const std::complex<double> zInverse = std::polar(1.0, -2 * M_PI * hz / sampleRate);
  std::complex<double> gain = 1.0;
  for (const FilterSection& s : filter.sections) {
    std::complex<double> num = 0.0, den = 0.0, power = 1.0;
    for (std::size_t j = 0; j < s.b.size(); ++j) {
      num += s.b[j] * power;
      den += s.a[j] * power;
      power *= zInverse;
    }
    gain *= num / den;
  }
  return std::abs(gain);
}

}  // namespace sonarel::core
