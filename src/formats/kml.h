// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/track.h"
#include "formats/grados.h"
#include "geo/proyeccion.h"

namespace ruvek {

// KML, Google Earth's layout: its lines (LineString, gx:Track) in WGS 84 degrees.

// Whether `bytes` are a KML document: its root element is "kml", in any namespace or none.
bool EsKml(std::string_view bytes);

// The points of every LineString's coordinates ("lon,lat[,alt]" separated by blanks) and every
// gx:Track's (KML 2.3's Track's) coord ("lon lat alt"), in document order, joined; points,
// polygons and their rings are skipped. Their altitudes are elevations only when the line's
// altitudeMode (or gx:altitudeMode; a gx:Track without one takes its gx:MultiTrack's) is
// "absolute": they are kept when every line is so and every point has one, and dropped
// otherwise. Error with its line for XML or numbers that are wrong, a document with no point of
// a line ("no hay ningún track"), more than kMaximoDePuntosLeidos points, or a bound broken (see
// LectorXml); `con_linea` as LeeXmlGpx's.
std::vector<PuntoEnGrados> LeeXmlKml(std::string_view bytes, bool (*con_linea)(double, double));

// The track of a KML, as a GPX's is taken (see TrackDeGrados).
Track LeeKml(std::string_view bytes, Proyeccion& proyeccion, Datum datum = Datum::Ed50);

// The line of the `i`-th (from 0) point of a KML, or 0.
long LineaDelPuntoKml(std::string_view bytes, std::size_t i);

// A KML 2.2 document of the track, whose X,Y are in `datum`: one Placemark named `nombre` with a
// LineString of "lon,lat,alt" tuples and altitudeMode absolute when the track has altitudes,
// "lon,lat" otherwise; degrees as a GPX writes them (see GradosDelTrack).
std::string EscribeKml(const Track& track, std::string_view nombre, Proyeccion& proyeccion,
                       Datum datum = Datum::Ed50);

}  // namespace ruvek
