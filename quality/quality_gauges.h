// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The five bar gauges of the vocal analysis report, as data and pure rules: scale, normal
// limit, which side of the limit is normal (and on which side the limit itself falls), the
// bar's length and colour, and where each gauge sits.
//
// At exactly the limit the bar is red for GNE, noise and jitter and green for irregularity
// and shimmer. Jitter and shimmer bars stop at 102 % of the gauge beyond full scale and show
// "..." beside it; the other bars are drawn at their full length, however long.

#include <array>
#include <string_view>

namespace sonarel::quality {

enum class Gauge { Gne, Noise, Irregularity, Jitter, Shimmer };

enum class GaugeColour { Green, Red };

struct Rgb {
  int r, g, b;
  bool operator==(const Rgb&) const = default;
};
Rgb gaugeRgb(GaugeColour colour);  // (0, 255, 0) and (255, 0, 0)

// How the normal side is bounded.
enum class NormalWhen { Above, AtOrBelow, Below };

struct GaugeLayout {
  Gauge gauge;
  double fullScale;
  double limit;
  std::array<std::string_view, 3> labels;  // left, at the limit, right
  NormalWhen normal;
  bool capped;                   // bar capped at 1.02 of the width, with "..."
  int left, top, right, bottom;  // relative to the graph's left edge X0 and top Yt
  bool bracketFromLimitToEnd;    // GNE: the normal bracket runs from the limit to the right
};

const std::array<GaugeLayout, 5>& gaugeLayouts();
const GaugeLayout& gaugeLayout(Gauge gauge);

struct GaugeBar {
  double fraction;  // of the gauge's width
  GaugeColour colour;
  bool overflow;  // "..." is written beside the gauge
};

GaugeColour gaugeColour(Gauge gauge, double value);
GaugeBar gaugeBar(Gauge gauge, double value);

}  // namespace sonarel::quality
