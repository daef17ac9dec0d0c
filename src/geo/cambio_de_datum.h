// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <functional>

#include "core/track.h"
#include "geo/proyeccion.h"

namespace ruvek {

// "ED50" or "ETRS89", as messages name them.
const char* NombreDatum(Datum datum);

// The X,Y of the track, in `de`, become those of the same places in `a`, rounded to whole metres
// as a projected GPX is (PROJ's grid is good to 0.2 m). Raises Error(Transformacion) for the
// first point PROJ cannot transform, with the line `linea_del_punto` gives it, and leaves the
// track as it was.
void CambiaDatumDelTrack(Track& track, Datum de, Datum a, Proyeccion& proyeccion,
                         const std::function<long(std::size_t)>& linea_del_punto);

}  // namespace ruvek
