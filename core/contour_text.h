// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The F0 and intensity export texts: one "%.03f;" line per value, with plain line feeds
// (the caller writes them in whatever line-ending mode the file needs).

#include <string>

#include "core/contours.h"

namespace sonarel::core {

// One line per contour frame, every frame of the file; empty for an empty contour.
std::string f0ExportText(const F0Contour& contour);

// Exactly 340 lines, one per intensity column.
std::string intensityExportText(const IntensityColumns& columns);

}  // namespace sonarel::core
