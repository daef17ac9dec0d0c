// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/recorrido.h"
#include "geo/proyeccion.h"

namespace ruvek {

// The one step between systems: `r` with every position (its tracks' points, then its waypoints)
// in `a`, through Proyeccion::Transforma, not rounded; `r` as it is when already there. Metres
// are each in its point's own zone (Posicion::huso) or else `r`'s. Each point's failure names it
// ("el punto 3", or "el waypoint 2") with its line:
// - degrees to metres: Error(FueraDelHuso) for a point outside the area of `a`'s zone and one zone
//   on either side (see EnElHuso; within a rim's width of its edge, a point is in when its whole
//   metres taken back to degrees are) or whose whole X would be below 1, which ends a track of the
//   windows;
// - metres to degrees: Error(FueraDelHuso) for a point whose degrees lie outside the area of its
//   zone or whose whole X is below 1, which no reader would take back; the degrees have
//   kDecimalesGrados decimals and read back to the same metres (see Transforma), and
//   grados_calculados is set;
// - metres to metres of another zone: Error(FueraDelHuso) for a point outside the area of `a`'s;
// - Error(Transformacion) for a point PROJ cannot transform, or whose zone is not one.
Recorrido EnSistema(Recorrido r, Sistema a, Proyeccion& proyeccion);

// Each point of a recorrido in metres gets its latitude band, from its degrees.
void PonBandas(Recorrido& metros, Proyeccion& proyeccion);

}  // namespace ruvek
