// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

#include "core/track.h"
#include "geo/proyeccion.h"

namespace ruvek {

// "ED50" or "ETRS89", as messages name them.
const char* NombreDatum(Datum datum);

// The X,Y of the track, in `de`, become those of the same places in `a`, rounded to whole metres
// as a projected GPX is (PROJ's grid is good to 0.2 m). Returns the index of the first point
// PROJ cannot transform, leaving the track as it was, or the number of points.
std::size_t CambiaDatumDelTrack(Track& track, Datum de, Datum a, Proyeccion& proyeccion);

}  // namespace ruvek
