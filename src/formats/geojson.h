// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/recorrido.h"

namespace ruvek {

// GeoJSON (RFC 7946), the layout of web maps: WGS 84 degrees, or, where a legacy "crs" member says
// so, UTM metres of Spain's zones.

// What a GeoJSON's "crs" name says its coordinates are: degrees (nothing: EPSG:4326, CRS84, or
// ETRS89's 4258, the same numbers), or the metres of a system (EPSG:23029 to 23031, 25829 to 25831,
// 4083, 32628 to 32631); Error(MalFormado) for any other system.
std::optional<Sistema> SistemaDelCrsGeoJson(const std::string& nombre);

// The tracks and waypoints of a GeoJSON, through a FeatureCollection, a Feature, a
// GeometryCollection or a bare geometry: each Feature with lines (LineString; MultiLineString,
// whose parts are segments; those of a GeometryCollection) is a track named by its
// properties.name, each of its lines a segment, its points' times those of its
// properties.coordinateProperties.times or properties.coordTimes (ISO 8601 texts, or milliseconds
// since 1970; null for none; as many as its points, nested or not); each Point a waypoint with the
// Feature's name and properties.time; other geometries are skipped. Each position [lon, lat] or
// [lon, lat, alt] with its line. Error with its line for JSON that is wrong, a position that lacks
// a number or has one that is not, a time that is not one, times not as many as the points, a
// "crs" naming any other system, a document with no line or point (kKmlSinTrack), more than
// kMaximoDePuntosLeidos points or kMaximoDeWaypoints waypoints, or nesting beyond its bound; with
// metres, Error(FueraDelHuso) for a point whose whole X is below 1, which would end a track.
Recorrido LeeGeoJson(std::string_view bytes);

// A GeoJSON (RFC 7946) of a recorrido in degrees: a FeatureCollection of a Feature for each
// waypoint (a Point, properties name and time), then one for each track (properties name, and
// coordinateProperties.times, nested as the geometry, when a point has a time: null for a point
// without; a LineString,
// or a MultiLineString when it has several segments), positions [lon, lat] or [lon, lat, alt];
// degrees and altitudes as AnadeGrados and AnadeAltitud write them.
std::string EscribeGeoJson(const Recorrido& r);

}  // namespace ruvek
