// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/track.h"
#include "formats/grados.h"
#include "geo/proyeccion.h"

namespace ruvek {

// GeoJSON (RFC 7946), the layout of web maps: its lines in WGS 84 degrees, or, where a legacy
// "crs" member says so, in UTM zone 30N metres.

// The positions of a GeoJSON's lines, and what its "crs" member says they are: degrees (none,
// or EPSG:4326 / CRS84), or metres in `datum_metros` (EPSG:25830 or 23030).
struct PosicionesGeoJson {
  std::vector<PuntoEnGrados> puntos;  // lon and lat, or X and Y
  std::optional<Datum> datum_metros;
};

// What a GeoJSON's "crs" name says its coordinates are: degrees (nothing), or metres in a
// datum; Error(MalFormado) for any other system.
std::optional<Datum> DatumDelCrsGeoJson(const std::string& nombre);

// The positions ([lon, lat] or [lon, lat, alt]) of every LineString and MultiLineString, in
// document order, through a FeatureCollection, a Feature, a GeometryCollection or a bare
// geometry; other geometries are skipped. Altitudes kept when every position has one. Error with
// its line for JSON that is wrong, a position that lacks a number or has one that is not, a
// "crs" naming any other system, a document with no line ("no hay ningún track"), more than
// kMaximoDePuntosLeidos points or nesting beyond its bound; `con_linea` as LeeXmlGpx's (with
// metres, every point gets its line).
PosicionesGeoJson LeeJsonGeoJson(std::string_view bytes, bool (*con_linea)(double, double));

// The track of a GeoJSON in `datum`: degrees as a GPX's are taken (see TrackDeGrados); metres
// rounded to whole ones, halves away from zero, then changed to `datum`; an X below 1, which
// would end the track, is refused.
Track LeeGeoJson(std::string_view bytes, Proyeccion& proyeccion, Datum datum = Datum::Ed50);

// The line of the `i`-th (from 0) point of a GeoJSON, or 0.
long LineaDelPuntoGeoJson(std::string_view bytes, std::size_t i);

// A GeoJSON (RFC 7946) of the track, whose X,Y are in `datum`: a FeatureCollection of one Feature
// named `nombre`, a LineString of [lon, lat] or [lon, lat, alt]; degrees as a GPX writes them.
std::string EscribeGeoJson(const Track& track, std::string_view nombre, Proyeccion& proyeccion,
                           Datum datum = Datum::Ed50);

}  // namespace ruvek
