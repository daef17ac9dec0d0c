// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "core/recorrido.h"

namespace ruvek {

// KML, Google Earth's layout: its Placemarks' lines (LineString, gx:Track) and Points, in WGS 84
// degrees.

// What is said of a KML, or a GeoJSON, without a line or a point.
inline constexpr const char* kKmlSinTrack = "no hay ningún track";

// Whether `bytes` are a KML document: its root element is "kml", in any namespace or none.
bool EsKml(std::string_view bytes);

// The tracks and waypoints of a KML (2.2, Google's extensions, 2.3), in document order through
// Document, Folder and MultiGeometry: a Placemark with lines is a track named as it is, each of
// its lines a segment (a LineString's coordinates, "lon,lat[,alt]" separated by blanks; a
// gx:Track's, or KML 2.3 Track's, coord "lon lat [alt]", each with its <when>, paired in order); a
// line outside a Placemark is a track of its own, without a name; a Point is a waypoint named as
// its Placemark, with its TimeStamp's <when>. Polygons and their rings are skipped. Altitudes are
// elevations only where the altitudeMode (or gx:altitudeMode; a gx:Track without one takes its
// gx:MultiTrack's) is "absolute": elsewhere they are dropped. Error with its line for XML,
// numbers or times that are wrong, a Track whose <when> and coord are not as many, a document with
// no line or point (kKmlSinTrack), more than kMaximoDePuntosLeidos points or kMaximoDeWaypoints
// waypoints, or a bound broken (see LectorXml).
Recorrido LeeKml(std::string_view bytes);

// A KML 2.2 document of a recorrido in degrees: a Placemark for each waypoint (its name, its
// TimeStamp, a Point), then one for each track, named as it is: one gx:Track per segment (in a
// gx:MultiTrack when there are several) with each point's <when> when every point of the track has
// a time, a LineString per segment (in a MultiGeometry when there are several) otherwise. A
// segment whose every point has an altitude has altitudeMode absolute and its altitudes; degrees
// as AnadeGrados writes them.
std::string EscribeKml(const Recorrido& r);

// What EscribeKml leaves out of `r`: the times of a track some of whose points have none, the
// altitudes of a segment some of whose points have none.
LoQueSeDeja LoQueElKmlDeja(const Recorrido& r);

}  // namespace ruvek
