// SPDX-License-Identifier: GPL-3.0-or-later
#include "quality/analysis/axis_mapping.h"

#include <algorithm>
#include <cmath>

namespace sonarel::quality {

double logScore(double value, const LogAnchors& anchors, const AxisMapping& mapping) {
  if (!(value > anchors.floor)) return 0.0;
  const double score = mapping.limitScore * std::log10(value / anchors.floor) /
                       std::log10(anchors.limit / anchors.floor);
  return std::clamp(score, 0.0, mapping.irregularityMax);
}

double irregularityAxis(std::optional<double> jitterPercent, std::optional<double> shimmerPercent,
                        std::optional<double> correlation, const AxisMapping& mapping) {
  if (!jitterPercent || !shimmerPercent || !correlation) return mapping.irregularityMax;
  const double sum = logScore(*jitterPercent, mapping.jitterPercent, mapping) +
                     logScore(*shimmerPercent, mapping.shimmerPercent, mapping) +
                     logScore(1.0 - *correlation, mapping.correlationLoss, mapping);
  return std::clamp(sum / 3.0, 0.0, mapping.irregularityMax);
}

double noiseAxis(double gne, const AxisMapping& mapping) {
  return std::clamp(mapping.noiseMax * (1.0 - gne), 0.0, mapping.noiseMax);
}

}  // namespace sonarel::quality
