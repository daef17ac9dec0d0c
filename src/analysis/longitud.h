// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <vector>

#include "core/track.h"

namespace ruvek {

// The distance along the ground from the first point to each point, in metres: each step is its
// distance on UTM zone 30's grid divided by the grid's mean scale factor along it, which gives the
// length along the ellipsoid within 0.01 % everywhere in zone 30 and a zone on either side (the
// bending of a step's path on the grid, below a millionth for steps of a few kilometres, is left
// out). The first distance is 0.
std::vector<double> Distancias(std::span<const Punto> puntos);

}  // namespace ruvek
