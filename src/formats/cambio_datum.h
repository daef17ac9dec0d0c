// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string_view>

#include "core/track.h"
#include "formats/formatos.h"

namespace ruvek {

// "ED50" or "ETRS89", as messages name them.
const char* NombreDatum(Datum datum);

// The X,Y of the track, in `de`, become those of the same places in `a`, rounded to whole metres
// as a projected GPX is (PROJ's grid is good to 0.2 m). Returns the index of the first point
// PROJ cannot transform, leaving the track as it was, or the number of points.
std::size_t CambiaDatum(Track& track, Datum de, Datum a, Proyeccion& proyeccion);

// The line of point `i` (from 0) of a track read from `bytes` in `formato`: for messages.
long LineaDelPunto(Formato formato, std::string_view bytes, std::size_t i);

}  // namespace ruvek
