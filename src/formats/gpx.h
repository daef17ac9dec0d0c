// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/module1.h"
#include "formats/abrir_txt.h"
#include "geo/proyeccion.h"

namespace ruvek {

// How deep the elements of a GPX may nest (a track point with its extensions needs about 8).
inline constexpr int kMaxAnidado = 64;

// Loads the GPX named by ArchivoActual: GPX 1.0 or 1.1, with or without namespace prefixes. The
// points of every trk/trkseg/trkpt in document order make one track; a file without a track
// point takes the points of its routes (rte/rtept) instead; waypoints are ignored. Latitude and
// longitude (WGS 84 degrees) are projected to ED50 / UTM zone 30N and, like the altitude (ele),
// rounded to whole metres, halves away from zero. A track in which some point has no altitude is
// loaded without altitudes (all 0).
//
// The file is read and projected whole before anything changes: only then is the table cleared
// and filled and NumPuntos set. On failure the typed Error says what is wrong and where, and the
// track is as it was: a file that is not XML or not a GPX, a track without points, more than
// MaxPuntos points (reading stops at the first one beyond), a latitude or longitude that is not
// a number or lies outside 0 to 84 degrees north and 12 west to 6 east (the reach of zone 30 and
// one zone on each side), a bad altitude, or an attribute, a text or a nesting beyond its bound.
// Entities declared in the file are expanded within expat's amplification limits; no external
// entity or DTD is ever loaded.
std::optional<ResultadoCarga> AbrirGPX(Module1& m, Proyeccion& proyeccion);

// The same from the bytes of an input; ArchivoActual only names it.
ResultadoCarga AbrirGPX(Module1& m, std::string_view bytes, Proyeccion& proyeccion);

// The bytes of a GPX 1.1 file of rows 1 to NumPuntos: one trk named `nombre` with one trkseg,
// latitude and longitude with 7 decimals, and ele only when `con_altitudes`. Raises
// Error(Projection) for a point PROJ cannot take back to latitude and longitude.
std::string TextoGpx(const Module1& m, std::string_view nombre, bool con_altitudes,
                     Proyeccion& proyeccion);

}  // namespace ruvek
