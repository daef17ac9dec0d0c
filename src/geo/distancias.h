// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <vector>

#include "core/recorrido.h"
#include "geo/proyeccion.h"

namespace ruvek {

// The length of a track: the distance along the ground from the first of the first `n` points of
// `r`'s tracks (all of them, in order, the steps between segments too) to each, in metres, from
// their WGS 84 degrees (their own, or those of their metres, each in `r`'s zone): see
// Proyeccion::Distancias. Error(Transformacion) for a point PROJ cannot take to degrees.
std::vector<double> Distancias(const Recorrido& r, std::size_t n, Proyeccion& proyeccion);

}  // namespace ruvek
