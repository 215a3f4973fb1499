// SPDX-License-Identifier: GPL-3.0-or-later
#include "quality/analysis/perturbation_quotient.h"

#include <cmath>

namespace sonarel::quality {

void PerturbationQuotient::addRun(std::span<const double> run) {
  const std::size_t k = static_cast<std::size_t>(points_);
  if (k == 0 || run.size() < k) return;
  const std::size_t half = k / 2;
  for (std::size_t i = half; i + half < run.size(); ++i) {
    double local = 0;
    for (std::size_t j = i - half; j <= i + half; ++j) local += run[j];
    deviations_ += std::fabs(run[i] - local / static_cast<double>(k));
    ++terms_;
  }
  for (double v : run) total_ += v;
  values_ += static_cast<std::int64_t>(run.size());
}

std::optional<double> PerturbationQuotient::percent() const {
  if (terms_ == 0 || values_ == 0 || total_ <= 0) return std::nullopt;
  const double mean = total_ / static_cast<double>(values_);
  return 100.0 * (deviations_ / static_cast<double>(terms_)) / mean;
}

}  // namespace sonarel::quality
