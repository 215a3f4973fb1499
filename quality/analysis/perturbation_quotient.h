// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The K-point perturbation quotient of a sequence (periods for PPQ, cycle energies for EPQ):
// the mean absolute difference between each value and the mean of the K values centred on
// it, over the mean value, in percent. Values are gathered run by run, so that a run of
// valid cycles never borrows a neighbour across an invalid cycle; runs shorter than K add
// nothing.

#include <cstdint>
#include <optional>
#include <span>

namespace sonarel::quality {

class PerturbationQuotient {
 public:
  explicit PerturbationQuotient(int points) : points_(points) {}

  void addRun(std::span<const double> run);
  // Percent, or nothing when no run held K values or their mean is 0.
  std::optional<double> percent() const;

 private:
  int points_;  // K, odd
  double deviations_ = 0;
  std::int64_t terms_ = 0;
  double total_ = 0;
  std::int64_t values_ = 0;
};

}  // namespace sonarel::quality
