// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The normal area of the phonatory deviation diagram, in diagram units: the union of the
// rectangle irregularity 0..3.5 x noise 0..2.5, the rectangle 0..4.75 x 0..1.2 and the
// ellipse inscribed in 2.0..4.75 x 0..2.5, which rounds the upper right corner. Edges
// belong to the area.

namespace sonarel::quality {

bool inNormalArea(double irregularity, double noise);

}  // namespace sonarel::quality
