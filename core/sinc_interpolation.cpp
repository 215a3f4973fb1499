// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/sinc_interpolation.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <numbers>
#include <vector>

#include "core/brent_minimum.h"

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

// Two doubles in the lanes of a vector register (a GCC and Clang extension).
using Lanes = double __attribute__((vector_size(16)));

Lanes load(const double* p) {
  Lanes v;
  std::memcpy(&v, p, sizeof v);
  return v;
}

// Buffers of the kernel sum, kept by each thread.
struct SincScratch {
  std::vector<double> left, numerators, denominators, quotients;
};

// The sum over k < reach of (-1)^k (l[k] (1 + cos(step dl)) / dl + r[k] (1 + cos(step dr)) / dr),
// dl = distance + k, dr = otherDistance + k: both sides of the sinc kernel, with the samples
// of the left side in scratch.left and those of the right in `right`. (c, s) and (cOther,
// sOther) are cos and sin of step * distance and step * otherDistance; the angle of each term
// follows from the tables by the angle sum, so the terms do not depend on each other and are
// made in loops that the compiler vectorises. Division dominates, so each term is kept as a
// fraction, both sides over dl dr, and two neighbouring terms (of opposite signs) share one
// division.
double sincSides(SincScratch& scratch, std::span<const double> right, double distance,
                 double otherDistance, double c, double s, double cOther, double sOther,
                 const KernelAngles& angles) {
  const std::size_t reach = right.size();
  const double* __restrict y = scratch.left.data();
  const double* __restrict u = right.data();
  double* __restrict num = scratch.numerators.data();
  double* __restrict den = scratch.denominators.data();
  double* __restrict q = scratch.quotients.data();
  const double* __restrict cosK = angles.cosine.data();
  const double* __restrict sinK = angles.sine.data();
  const double* __restrict k = angles.index.data();
  const auto term = [&]<class T>(T kI, T yI, T uI, T cosI, T sinI, T& numI, T& denI) {
    const T dl = distance + kI, dr = otherDistance + kI;
    const T l = yI * (1.0 + (c * cosI - s * sinI));
    const T r = uI * (1.0 + (cOther * cosI - sOther * sinI));
    numI = l * dr + r * dl;
    denI = dl * dr;
  };
  // Two terms at a time in the lanes of a vector register (the compiler left this loop
  // scalar), then the last one alone.
  std::size_t i = 0;
  for (; i + 2 <= reach; i += 2) {
    Lanes numI, denI;
    term(load(k + i), load(y + i), load(u + i), load(cosK + i), load(sinK + i), numI, denI);
    std::memcpy(num + i, &numI, sizeof numI);
    std::memcpy(den + i, &denI, sizeof denI);
  }
  if (i < reach) term(k[i], y[i], u[i], cosK[i], sinK[i], num[i], den[i]);
  const std::size_t pairs = reach / 2;
  for (std::size_t j = 0; j < pairs; ++j) {
    const double n0 = num[2 * j], n1 = num[2 * j + 1], d0 = den[2 * j], d1 = den[2 * j + 1];
    q[j] = (n0 * d1 - n1 * d0) / (d0 * d1);
  }
  double sum0 = 0.0, sum1 = 0.0, sum2 = 0.0, sum3 = 0.0;
  std::size_t j = 0;
  for (; j + 4 <= pairs; j += 4) {
    sum0 += q[j];
    sum1 += q[j + 1];
    sum2 += q[j + 2];
    sum3 += q[j + 3];
  }
  for (; j < pairs; ++j) sum0 += q[j];
  const double last = reach % 2 == 1 ? num[reach - 1] / den[reach - 1] : 0.0;
  return (sum0 + sum1) + (sum2 + sum3) + last;
}

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
  // The left side's samples in the order of its terms; the right side's are in order already.
  thread_local SincScratch scratch;
  const auto n = static_cast<std::size_t>(reach);
  const auto middle = static_cast<std::size_t>(left);
  for (std::vector<double>* buffer :
       {&scratch.left, &scratch.numerators, &scratch.denominators, &scratch.quotients}) {
    buffer->resize(n);
  }
  for (std::size_t k = 0; k < n; ++k) scratch.left[k] = y[middle - k];
  const double sum = sincSides(scratch, y.subspan(middle + 1, n), fraction, 1.0 - fraction, c, s,
                               cOther, sOther, angles);
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
