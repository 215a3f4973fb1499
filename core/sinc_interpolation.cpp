// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/sinc_interpolation.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <vector>

#include "core/brent_minimum.h"
#include "dsp/lanes.h"

namespace sonarel::core {

namespace {

// cos(k step) and sin(k step), k = 0 .. reach-1, for the window's step pi / (reach + 1/2):
// the angles of every term of one kernel side, the same for every point interpolated at
// that reach; `index` holds k itself as a double. Each thread keeps the tables of the reaches
// it has met (a handful: the trackers' depths and the shorter reaches near the ends of a
// curve).
struct KernelAngles {
  std::vector<double> cosine, sine, index;
};

const KernelAngles& kernelAngles(long reach, double step) {
  thread_local std::map<long, KernelAngles> tables;
  KernelAngles& angles = tables[reach];
  if (angles.cosine.empty()) {
    const auto n = static_cast<std::size_t>(reach);
    angles.cosine.resize(n);
    angles.sine.resize(n);
    angles.index.resize(n);
    for (std::size_t k = 0; k < n; ++k) {
      angles.index[k] = static_cast<double>(k);
      angles.cosine[k] = std::cos(angles.index[k] * step);
      angles.sine[k] = std::sin(angles.index[k] * step);
    }
  }
  return angles;
}

using dsp::Lanes;
using dsp::loadLanes;

// The sum over k < reach of (-1)^k (l[k] (1 + cos(step dl)) / dl + r[k] (1 + cos(step dr)) / dr),
// dl = distance + k, dr = 1 - distance + k: both sides of the sinc kernel, l[k] = y[middle - k]
// and r[k] = y[middle + 1 + k]. (c, s) and (cOther, sOther) are cos and sin of step * dl and
// step * dr at k = 0; the angle of each term follows from the tables by the angle sum, so the
// terms do not depend on each other and are made two at a time in vector lanes, read from the
// curve where it lies. Both sides of a term share one division, over dl dr.
class SincKernel {
 public:
  SincKernel(const double* y, std::size_t middle, double distance, double c, double s,
             double cOther, double sOther, const KernelAngles& angles)
      : y_(y),
        middle_(middle),
        distance_(distance),
        c_(c),
        s_(s),
        cOther_(cOther),
        sOther_(sOther),
        angles_(angles) {}

  double sum(std::size_t reach) const {
    // Lane 0 gathers the even terms, lane 1 the odd ones, in two sums each.
    Lanes total0 = {0.0, 0.0}, total1 = {0.0, 0.0};
    std::size_t k = 0;
    for (; k + 4 <= reach; k += 4) {
      Lanes num, den;
      terms(k, num, den);
      total0 += num / den;
      terms(k + 2, num, den);
      total1 += num / den;
    }
    double sum = (total0[0] + total1[0]) - (total0[1] + total1[1]);
    for (; k < reach; ++k) {
      const double term = single(k);
      sum += k % 2 == 0 ? term : -term;
    }
    return sum;
  }

 private:
  // Numerators and denominators of terms k and k + 1, both sides each.
  void terms(std::size_t k, Lanes& num, Lanes& den) const {
    const Lanes before = loadLanes(y_ + middle_ - k - 1);  // samples middle-k-1, middle-k
    const Lanes l = {before[1], before[0]};
    const Lanes r = loadLanes(y_ + middle_ + 1 + k);
    const Lanes index = loadLanes(angles_.index.data() + k);
    const Lanes cosK = loadLanes(angles_.cosine.data() + k),
                sinK = loadLanes(angles_.sine.data() + k);
    const Lanes dl = distance_ + index, dr = (1.0 - distance_) + index;
    const Lanes wl = l * (1.0 + (c_ * cosK - s_ * sinK));
    const Lanes wr = r * (1.0 + (cOther_ * cosK - sOther_ * sinK));
    num = wl * dr + wr * dl;
    den = dl * dr;
  }

  double single(std::size_t k) const {
    const double index = angles_.index[k], cosK = angles_.cosine[k], sinK = angles_.sine[k];
    const double dl = distance_ + index, dr = (1.0 - distance_) + index;
    const double wl = y_[middle_ - k] * (1.0 + (c_ * cosK - s_ * sinK));
    const double wr = y_[middle_ + 1 + k] * (1.0 + (cOther_ * cosK - sOther_ * sinK));
    return (wl * dr + wr * dl) / (dl * dr);
  }

  const double* y_;
  std::size_t middle_;
  double distance_, c_, s_, cOther_, sOther_;
  const KernelAngles& angles_;
};

}  // namespace

double interpolateSinc(std::span<const double> y, double x, int depth) {
  const auto size = static_cast<long>(y.size());
  if (size == 0) return 0.0;
  if (!(x > 0)) return y[0];  // also catches NaN
  if (x >= static_cast<double>(size - 1)) return y[size - 1];
  const long left = static_cast<long>(std::floor(x));
  const double fraction = x - static_cast<double>(left);
  if (fraction == 0.0) return y[left];
  // The samples left-depth+1 .. left+depth must exist.
  const long reach = std::min<long>({depth, left + 1, size - 1 - left});
  if (reach <= 1) return y[left] + fraction * (y[left + 1] - y[left]);

  // Term of sample i at distance d = x - i: y[i] sin(pi d)/(pi d) window(d), with
  // sin(pi d) = sin(pi fraction) (-1)^(left-i) and window(d) = (1 + cos(pi d / (reach + 1/2)))/2.
  // Walk outwards from `left` (d = fraction, fraction + 1, ...) and from `left + 1`
  // (|d| = 1 - fraction, 2 - fraction, ...). The second walk's starting angle follows from the
  // first's by the angle difference step - fraction step.
  constexpr double pi = std::numbers::pi;
  const double step = pi / (static_cast<double>(reach) + 0.5);
  const KernelAngles& angles = kernelAngles(reach, step);
  const double cosStep = angles.cosine[1], sinStep = angles.sine[1];  // reach >= 2
  const double c = std::cos(fraction * step), s = std::sin(fraction * step);
  const double cOther = cosStep * c + sinStep * s;  // cos((1 - fraction) step)
  const double sOther = sinStep * c - cosStep * s;  // sin((1 - fraction) step)
  const SincKernel kernel(y.data(), static_cast<std::size_t>(left), fraction, c, s, cOther, sOther,
                          angles);
  const double sum = kernel.sum(static_cast<std::size_t>(reach));
  return 0.5 * std::sin(pi * fraction) / pi * sum;
}

Peak improvePeak(std::span<const double> y, int index, int depth, double tolerance) {
  const auto size = static_cast<int>(y.size());
  if (size == 0) return {0.0, 0.0};
  if (index <= 0) return {0.0, y[0]};
  if (index >= size - 1) return {static_cast<double>(size - 1), y[size - 1]};
  const Minimum m = minimizeBrent([&](double x) { return -interpolateSinc(y, x, depth); },
                                  index - 1.0, index + 1.0, tolerance);
  return {m.x, -m.value};
}

}  // namespace sonarel::core
