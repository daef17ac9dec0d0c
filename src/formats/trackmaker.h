// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "core/track.h"

namespace ruvek {

// TrackMaker's text export: a header whose first line holds "Version", then one line per point,
// "t,grid,zone,X,Y,any,any,altitude,...", in UTM zone 30 on the European 1950 datum.

// Whether `bytes` are TrackMaker text: their first line holds "Version".
bool EsTrackMaker(std::string_view bytes);

// The line of the `i`-th (from 0) point of TrackMaker text: that of its `i`-th line of a "t".
long LineaDelPuntoTrackMaker(std::string_view bytes, std::size_t i);

// The points of the lines that start with "t", with their altitudes, each number rounded to a
// whole one by LeeRedondeado. LecturaIncompleta, with its line, at the first field that is
// missing or not a number, or at a point beyond kMaximoDePuntos; Error(ArchivoVacio) for an empty
// input.
Track LeeTrackMaker(std::string_view bytes);

// The fixed five-line header, one "t,utm,30T,X,Y" line per point, a single-space line and
// "n,ACTIVE LOG,65280,1", every line ending in CR LF. Altitudes are not written.
std::string EscribeTrackMaker(const Track& track);

}  // namespace ruvek
