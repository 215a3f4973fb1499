// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Exact medians of sets of values, alone or one after another where each set's median lies
// near the last.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

namespace sonarel::dsp {

// The median of `values` (the mean of the middle two for an even count), reordering them.
inline double median(std::vector<double>& values) {
  const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
  std::nth_element(values.begin(), middle, values.end());
  double m = *middle;
  if (values.size() % 2 == 0) m = 0.5 * (m + *std::max_element(values.begin(), middle));
  return m;
}

// The medians of a run of similar sets (one a frame), each the set's exact median. The last
// median and a band around it, adapted from frame to frame, catch the middle values in one
// branch-free pass: the selection then runs over the few values in the band. When the middle
// falls outside the band, the whole set is selected and the band widens.
class MedianNearLast {
 public:
  double operator()(std::vector<double>& values) {
    const std::size_t n = values.size();
    if (n == 0) return 0.0;
    const std::size_t upper = n / 2, lower = n % 2 == 0 ? upper - 1 : upper;
    if (known_) {
      const double low = last_ - halfWidth_, high = last_ + halfWidth_;
      band_.resize(n);
      std::size_t below = 0, inBand = 0;
      for (double v : values) {
        band_[inBand] = v;
        below += v < low;
        inBand += v >= low && v < high;
      }
      if (below <= lower && upper < below + inBand) {
        const auto from = band_.begin();
        const auto middle = from + static_cast<std::ptrdiff_t>(upper - below);
        std::nth_element(from, middle, from + static_cast<std::ptrdiff_t>(inBand));
        double m = *middle;
        if (lower != upper) m = 0.5 * (m + *std::max_element(from, middle));
        // Keep the band to a quarter of the values at most.
        if (inBand > n / 4) halfWidth_ *= 0.5;
        last_ = m;
        return m;
      }
    }
    const double m = median(values);
    halfWidth_ = std::max({4 * halfWidth_, 2 * std::abs(m - last_), 1e-9 * std::abs(m), 1e-300});
    last_ = m;
    known_ = true;
    return m;
  }

 private:
  std::vector<double> band_;
  double last_ = 0, halfWidth_ = 0;
  bool known_ = false;
};

}  // namespace sonarel::dsp
