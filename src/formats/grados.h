// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "core/track.h"
#include "geo/proyeccion.h"

namespace ruvek {

// What the layouts in degrees (GPX, KML, GeoJSON) share: a point as they hold it, and the way
// between their degrees and a track's metres, the same for all of them.

// A point in WGS 84 degrees, its altitude rounded to whole metres when it has one, and its line
// in the document, when it was asked for (0 otherwise).
struct PuntoEnGrados {
  double lon, lat;
  std::optional<ValorFijo> ele;
  long linea;
};

// Whether a reader should find the line of a point at `lon`, `lat`: those an error may name
// (outside the area or near its rim, or whose X may end a track). Finding a point's line costs
// about as much as parsing it.
bool PuedeFallar(double lon, double lat);

// A number of a document (an optional sign, digits, an optional "." and exponent; XML blanks
// around) as a double; NaN for any other text or a number beyond a double's range.
double NumeroDelDocumento(std::string_view texto);

// The altitude of a document's text, rounded to whole metres as every field of a text file
// (see LeeRedondeado); Error(Conversion) naming it when it is not a number.
ValorFijo AltitudDelDocumento(std::string_view texto);

// The track of `puntos`, projected to UTM zone 30N in `datum` and rounded to whole metres, halves
// away from zero; with altitudes when every point has one. Error(FueraDelHuso), naming the point
// and its line, for the first outside 0 to 84 degrees north and 12 west to 6 east (zone 30 and
// one zone on each side) or whose X would be below 1; Error(Transformacion) for a point PROJ
// cannot project, with the line `linea_del_punto(i)` finds for it.
Track TrackDeGrados(const std::vector<PuntoEnGrados>& puntos, Proyeccion& proyeccion, Datum datum,
                    const std::function<long(std::size_t)>& linea_del_punto);

// The degrees of the points of a track whose metres are in `datum`, which written with
// kDecimalesGrados decimals read back to the same whole metres (see Proyeccion::AGeograficas).
// Error(Transformacion) for a point PROJ cannot take back to degrees, Error(FueraDelHuso) for
// one a reader would refuse.
struct LonLat {
  double lon, lat;
};
std::vector<LonLat> GradosDelTrack(const Track& track, Proyeccion& proyeccion, Datum datum);

// Appends degrees with kDecimalesGrados decimals (about a centimetre).
void AnadeGrados(std::string& salida, double grados);

}  // namespace ruvek
