// SPDX-License-Identifier: GPL-3.0-or-later
#include "spectral/polynomial_roots.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace sonarel::spectral {
namespace {

// Coefficients (lowest power first) of lead * prod (x - r).
std::vector<Complex> fromRoots(const std::vector<Complex>& roots, Complex lead = 1.0) {
  std::vector<Complex> c{lead};
  for (const Complex& r : roots) {
    std::vector<Complex> next(c.size() + 1, 0.0);
    for (std::size_t k = 0; k < c.size(); ++k) {
      next[k + 1] += c[k];
      next[k] -= r * c[k];
    }
    c = next;
  }
  return c;
}

// Every expected root is matched by a distinct found root within `tolerance`.
void expectRoots(const std::vector<Complex>& found, std::vector<Complex> expected,
                 double tolerance) {
  ASSERT_EQ(found.size(), expected.size());
  for (const Complex& root : found) {
    const auto nearest =
        std::min_element(expected.begin(), expected.end(), [&](const Complex& a, const Complex& b) {
          return std::abs(a - root) < std::abs(b - root);
        });
    EXPECT_LT(std::abs(*nearest - root), tolerance)
        << "found " << root << ", nearest expected " << *nearest;
    expected.erase(nearest);
  }
}

TEST(PolynomialRoots, DistinctRealAndComplexRoots) {
  const std::vector<Complex> reals{-3.0, 0.5, 2.0, 7.0};
  expectRoots(PolynomialRoots(fromRoots(reals, 2.5)), reals, 1e-10);

  const std::vector<Complex> pairs{{0.3, 0.9}, {0.3, -0.9}, {-0.7, 0.2}, {-0.7, -0.2}, {2.0, 0.0}};
  expectRoots(PolynomialRoots(fromRoots(pairs)), pairs, 1e-10);

  // x^2 + 1: no real root at all, and the iteration starts at a point where p' = 0.
  expectRoots(PolynomialRoots(std::vector<Complex>{1.0, 0.0, 1.0}), {{0, 1}, {0, -1}}, 1e-12);
}

TEST(PolynomialRoots, RepeatedRootsAreFoundToTheAccuracyTheyAllow) {
  // A root of multiplicity k is only determined to about eps^(1/k) of its size.
  expectRoots(PolynomialRoots(fromRoots({1.0, 1.0})), {1.0, 1.0}, 1e-6);
  expectRoots(PolynomialRoots(fromRoots({1.0, 1.0, 1.0, -2.0})), {1.0, 1.0, 1.0, -2.0}, 1e-4);
  const Complex pair(0.4, 0.8);
  expectRoots(PolynomialRoots(fromRoots({pair, pair, std::conj(pair), std::conj(pair)})),
              {pair, pair, std::conj(pair), std::conj(pair)}, 1e-6);
}

TEST(PolynomialRoots, NearRealRootsBecomeRealOnlyWithinTheThreshold) {
  // Imaginary parts far below 1e-6 of the real part are dropped ...
  const std::vector<Complex> close{{5.0, 1e-9}, {5.0, -1e-9}};
  const auto found = PolynomialRoots(fromRoots(close));
  ASSERT_EQ(found.size(), 2u);
  for (const Complex& root : found) {
    EXPECT_NEAR(root.real(), 5.0, 1e-4);
    EXPECT_EQ(root.imag(), 0.0);
  }
  // ... while a narrow but real resonance, 1e-3 off the axis, keeps its imaginary part.
  const std::vector<Complex> resonance{{0.999, 1e-3}, {0.999, -1e-3}, {-0.5, 0.0}};
  const auto kept = PolynomialRoots(fromRoots(resonance));
  expectRoots(kept, resonance, 1e-9);
  EXPECT_EQ(std::count_if(kept.begin(), kept.end(), [](Complex r) { return r.imag() > 0; }), 1);
}

TEST(PolynomialRoots, HighOrderPredictorLikePolynomial) {
  // 12 conjugate pairs just inside the unit circle, as a 24th-order predictor has them,
  // written in the reciprocal variable (roots outside the circle).
  std::vector<Complex> roots;
  for (int k = 0; k < 12; ++k) {
    const double angle = std::numbers::pi * (k + 0.5) / 12.5;
    const Complex pole = std::polar(0.9 + 0.008 * k, angle);
    roots.push_back(1.0 / pole);
    roots.push_back(1.0 / std::conj(pole));
  }
  std::vector<Complex> c = fromRoots(roots);
  const Complex constant = c[0];
  for (Complex& v : c) v /= constant;  // 1 + a1 x + ... + a24 x^24
  expectRoots(PolynomialRoots(c), roots, 1e-8);
}

TEST(PolynomialRoots, DegenerateInputs) {
  EXPECT_TRUE(PolynomialRoots(std::vector<Complex>{}).empty());
  EXPECT_TRUE(PolynomialRoots(std::vector<Complex>{3.0}).empty());
  // Leading zeros lower the degree; a zero constant term gives the root 0.
  expectRoots(PolynomialRoots(std::vector<Complex>{-2.0, 1.0, 0.0, 0.0}), {2.0}, 1e-12);
  expectRoots(PolynomialRoots(std::vector<Complex>{0.0, -1.0, 1.0}), {0.0, 1.0}, 1e-12);
}

TEST(LaguerreRoot, ConvergesFromAFarStartAndSaysSo) {
  const std::vector<Complex> c = fromRoots({{1.0, 2.0}, {-4.0, 0.0}, {0.5, -3.0}});
  bool converged = false;
  const Complex root = LaguerreRoot(c, {100.0, -50.0}, &converged);
  EXPECT_TRUE(converged);
  const double distance = std::min(
      {std::abs(root - Complex(1, 2)), std::abs(root + 4.0), std::abs(root - Complex(0.5, -3))});
  EXPECT_LT(distance, 1e-10);
}

}  // namespace
}  // namespace sonarel::spectral
