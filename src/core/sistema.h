// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace ruvek {

// The datums of the positions Ruvek reads and writes: WGS 84 (GPX, KML and GeoJSON), European
// 1950 (EPSG:4230; TrackMaker's text declares it) and ETRS89 (EPSG:4258), Spain's official one
// since 2007.
enum class Datum { Wgs84, Ed50, Etrs89 };

// Where a position's two numbers are: longitude and latitude in degrees (zone 0), or easting and
// northing in metres of a UTM zone of the northern hemisphere, on a datum.
struct Sistema {
  Datum datum;
  int huso = 0;
  bool EnGrados() const { return huso == 0; }
  friend constexpr bool operator==(Sistema, Sistema) = default;
};

inline constexpr Sistema kGradosWgs84{Datum::Wgs84, 0};
// The metres of the windows, of TrackMaker's text and of X,Y lists unless told otherwise.
inline constexpr int kHusoDeSiempre = 30;
inline constexpr Sistema kMetrosEd50{Datum::Ed50, kHusoDeSiempre};
inline constexpr Sistema kMetrosEtrs89{Datum::Etrs89, kHusoDeSiempre};

}  // namespace ruvek
