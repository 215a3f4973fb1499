// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/contour_text.h"

#include <cstdio>
#include <span>

namespace sonarel::core {
namespace {

std::string valueLines(std::span<const float> values) {
  std::string out;
  out.reserve(values.size() * 10);
  char line[64];
  for (float v : values) {
    const int n = std::snprintf(line, sizeof line, "%.03f;\n", static_cast<double>(v));
    out.append(line, static_cast<std::size_t>(n));
  }
  return out;
}

}  // namespace

std::string f0ExportText(const F0Contour& contour) {
  return valueLines(contour.values);
}

std::string intensityExportText(const IntensityColumns& columns) {
  return valueLines(columns);
}

}  // namespace sonarel::core
