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
// Spain's UTM zones: 28 (the Canary Islands) to 31 (Catalonia and the Balearic Islands).
inline constexpr int kPrimerHuso = 28, kUltimoHuso = 31;

// The longitude of the west edge of UTM zone `huso` (6 degrees wide, the first from 180 W).
constexpr double OesteDelHuso(int huso) { return 6.0 * (huso - 1) - 180; }

// The zone of a longitude among Spain's, as they are taken for a track: 28 west of 12 W, 29 from
// 12 W to 6 W, 30 from 6 W to 0, 31 east of 0, as UTM draws them (a boundary is the east zone's).
constexpr int HusoDeEspana(double lon) {
  return lon < -12 ? 28 : lon < -6 ? 29 : lon < 0 ? 30 : 31;
}

// The latitude band of UTM (MGRS) of a latitude north of the equator: "N" from 0 to 8 N, ... "S"
// from 32 to 40, "T" from 40 to 48, ... "X" from 72 to 84.
constexpr char BandaDeLatitud(double lat) {
  constexpr const char* kBandas = "NPQRSTUVWX";
  const int i = lat < 0 ? 0 : lat >= 72 ? 9 : int(lat / 8);
  return kBandas[i];
}
// The metres of the windows, of TrackMaker's text and of X,Y lists unless told otherwise.
inline constexpr int kHusoDeSiempre = 30;
inline constexpr Sistema kMetrosEd50{Datum::Ed50, kHusoDeSiempre};
inline constexpr Sistema kMetrosEtrs89{Datum::Etrs89, kHusoDeSiempre};

}  // namespace ruvek
