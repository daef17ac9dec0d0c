// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "core/track.h"
#include "geo/proyeccion.h"

namespace ruvek {

// A GPX read whole (see LeeXmlGpx) and projected from WGS 84 to UTM zone 30N in `datum`, rounded to
// whole metres, halves away from zero. A track in which some point has no altitude is read
// without altitudes. Error(FueraDelHuso), naming the point and its line, for the first point
// outside 0 to 84 degrees north and 12 west to 6 east (the reach of zone 30 and one zone on each
// side) or whose X would be below 1; Error(Transformacion) for a point PROJ cannot transform.
Track LeeGpx(std::string_view bytes, Proyeccion& proyeccion, Datum datum = Datum::Ed50);

// The line of the `i`-th (from 0) point of a GPX, or 0.
long LineaDelPuntoGpx(std::string_view bytes, std::size_t i);

// A GPX 1.1 file of the track, whose X,Y are in `datum`: one trk named `nombre` with one trkseg,
// latitude and longitude with 7 decimals (read back, the same whole metres), and ele when the track
// has altitudes. Error(Transformacion) for a point PROJ cannot take back to latitude and longitude,
// Error(FueraDelHuso) for one the reader would refuse.
std::string EscribeGpx(const Track& track, std::string_view nombre, Proyeccion& proyeccion,
                       Datum datum = Datum::Ed50);

}  // namespace ruvek
