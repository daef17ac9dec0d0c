// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "core/recorrido.h"

namespace ruvek {

// GPX 1.0 and 1.1, the layout of every GPS and phone: WGS 84 degrees.

// What is said of a GPX without a point of a track or a route.
inline constexpr const char* kGpxSinPuntos = "el GPX no tiene ningún punto de track ni de ruta";

// A GPX read whole, with or without namespace prefixes: each trk (its name, its trksegs and their
// trkpts) or, when there is no track point, each rte as a track of one segment; every wpt; each
// point with its ele and time when it has them, and its line. Numbers may have an exponent.
// Error, with its line, when the bytes are not XML or not a GPX, have no point of a track, a route
// or a waypoint, more than kMaximoDePuntosLeidos points of tracks (reading stops at the first one
// beyond) or of routes, more than kMaximoDeWaypoints waypoints, a latitude, longitude, altitude or
// time that is not one, or an attribute, a text or a nesting beyond its bound. Entities declared
// in the file are expanded within expat's amplification limits; no external entity or DTD is ever
// loaded.
Recorrido LeeGpx(std::string_view bytes);

// A GPX 1.1 file of a recorrido in degrees: its waypoints (wpt, with ele, time and name), then a
// trk for each track with its name and a trkseg for each segment, each trkpt with its ele and time
// when it has them; degrees and altitudes as AnadeGrados and AnadeAltitud write them, times in UTC.
std::string EscribeGpx(const Recorrido& r);

}  // namespace ruvek
