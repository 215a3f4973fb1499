// SPDX-License-Identifier: GPL-3.0-or-later
#include "quality/quality_gauges.h"

namespace sonarel::quality {

Rgb gaugeRgb(GaugeColour colour) {
  return colour == GaugeColour::Green ? Rgb{0, 255, 0} : Rgb{255, 0, 0};
}

const std::array<GaugeLayout, 5>& gaugeLayouts() {
  static const std::array<GaugeLayout, 5> layouts{{
      {Gauge::Gne,
       1,
       0.5,
       {"0.0", "0.5", "1.0"},
       NormalWhen::Above,
       false,
       220,
       290,
       320,
       305,
       true},
      {Gauge::Noise,
       5,
       2.5,
       {"0.0", "2.5", "5.0"},
       NormalWhen::Below,
       false,
       580,
       290,
       680,
       305,
       false},
      {Gauge::Irregularity,
       10,
       4.75,
       {"0.0", "4.75", "10.0"},
       NormalWhen::AtOrBelow,
       false,
       580,
       150,
       680,
       165,
       false},
      {Gauge::Jitter,
       3,
       0.6,
       {"0.0", "0.6", "3.0"},
       NormalWhen::Below,
       true,
       220,
       150,
       320,
       165,
       false},
      {Gauge::Shimmer,
       20,
       6.5,
       {"0.0", "6.5", "20.0"},
       NormalWhen::AtOrBelow,
       true,
       220,
       192,
       320,
       207,
       false},
  }};
  return layouts;
}

const GaugeLayout& gaugeLayout(Gauge gauge) {
  return gaugeLayouts()[static_cast<int>(gauge)];
}

GaugeColour gaugeColour(Gauge gauge, double value) {
  const GaugeLayout& g = gaugeLayout(gauge);
  bool normal = false;
  switch (g.normal) {
    case NormalWhen::Above:
      normal = value > g.limit;
      break;
    case NormalWhen::AtOrBelow:
      normal = value <= g.limit;
      break;
    case NormalWhen::Below:
      normal = value < g.limit;
      break;
  }
  return normal ? GaugeColour::Green : GaugeColour::Red;
}

GaugeBar gaugeBar(Gauge gauge, double value) {
  const GaugeLayout& g = gaugeLayout(gauge);
  GaugeBar bar{value / g.fullScale, gaugeColour(gauge, value), false};
  if (g.capped && bar.fraction > 1.0) {
    bar.fraction = 1.02;
    bar.overflow = true;
  }
  return bar;
}

}  // namespace sonarel::quality
