// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "core/recorrido.h"
#include "core/track.h"

namespace ruvek {

// TrackMaker's text export: a header whose first line holds "Version", then one line per point,
// "t,grid,zone,X,Y,any,any,altitude,...", in UTM zone 30 on the European 1950 datum.

// Whether `bytes` are TrackMaker text: their first line holds "Version".
bool EsTrackMaker(std::string_view bytes);

// The points of the lines that start with "t", X, Y and altitude with their decimals (see
// LeeDecimal: rounded to whole ones, each is what LeeRedondeado reads), in ED50 metres of zone 30,
// each with its line. LecturaIncompleta, with its line and the windows' table of what was read
// (the failing point with the fields before the failing one, 0 in the others), at the first field
// that is missing or not a number, or at a point beyond kMaximoDePuntos; Error(ArchivoVacio) for
// an empty input.
Recorrido LeeTrackMaker(std::string_view bytes);

// The fixed five-line header, one "t,utm,30T,X,Y" line per point, a single-space line and
// "n,ACTIVE LOG,65280,1", every line ending in CR LF. Altitudes are not written.
std::string EscribeTrackMaker(const Track& track);

// The same of a recorrido in ED50 metres, rounded as the table is: in zone 30 as above, in another
// with each point's zone and latitude band ("t,utm,29T,X,Y").
std::string EscribeTrackMaker(const Recorrido& metros);

}  // namespace ruvek
