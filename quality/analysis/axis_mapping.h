// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// From the measures to the two axes of the phonatory deviation diagram.
//
// Irregularity (0 to 10) is the mean of three sub-scores, one each for jitter, shimmer and
// the loss of waveform correlation (1 - correlation). Each sub-score is logarithmic between
// two anchors: 0 at or below the floor, 4.75 (the diagram's normal limit) at the limit, and
// on along the same logarithmic line up to 10:
//     score(v) = clamp(4.75 * log10(v / floor) / log10(limit / floor), 0, 10).
// The jitter and shimmer limits are the report gauges' normal limits, so a voice exactly at
// both lands near the edge of the normal area. The correlation anchor is the least certain
// constant: synthetic voices keep their correlation above 0.98, so it waits for real
// recordings to place it. Equal weights are what a principal-component analysis gives for
// three similarly correlated, standardised log features; replace them (and the anchors) here
// once normal and pathological recordings have been measured.
//
// Noise (0 to 5) is 5 * (1 - GNE): GNE 0.5, the GNE gauge's limit, is noise 2.5, the noise
// gauge's limit.

#include <optional>

namespace sonarel::quality {

struct LogAnchors {
  double floor;  // sub-score 0 at or below
  double limit;  // sub-score 4.75
};

struct AxisMapping {
  LogAnchors jitterPercent{0.05, 0.6};
  LogAnchors shimmerPercent{1.0, 6.5};
  LogAnchors correlationLoss{0.002, 0.05};
  double limitScore = 4.75;
  double irregularityMax = 10.0;
  double noiseMax = 5.0;
};

// The one table of constants; every axis value comes from it.
inline constexpr AxisMapping kAxisMapping{};

double logScore(double value, const LogAnchors& anchors, const AxisMapping& mapping = kAxisMapping);

// Irregularity 0..10. A frame without measurable cycles (any input missing) is 10: an
// aphonic voice sits at the right edge of the diagram.
double irregularityAxis(std::optional<double> jitterPercent, std::optional<double> shimmerPercent,
                        std::optional<double> correlation,
                        const AxisMapping& mapping = kAxisMapping);

// Noise 0..5.
double noiseAxis(double gne, const AxisMapping& mapping = kAxisMapping);

}  // namespace sonarel::quality
