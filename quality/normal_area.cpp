// SPDX-License-Identifier: GPL-3.0-or-later
#include "quality/normal_area.h"

namespace sonarel::quality {
namespace {

bool inBox(double x, double y, double x0, double x1, double y0, double y1) {
  return x >= x0 && x <= x1 && y >= y0 && y <= y1;
}

}  // namespace

bool inNormalArea(double irregularity, double noise) {
  if (inBox(irregularity, noise, 0.0, 3.5, 0.0, 2.5)) return true;
  if (inBox(irregularity, noise, 0.0, 4.75, 0.0, 1.2)) return true;
  const double cx = (2.0 + 4.75) / 2, rx = (4.75 - 2.0) / 2;
  const double cy = 2.5 / 2, ry = 2.5 / 2;
  const double dx = (irregularity - cx) / rx, dy = (noise - cy) / ry;
  return dx * dx + dy * dy <= 1.0;
}

}  // namespace sonarel::quality
