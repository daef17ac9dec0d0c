// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <memory>
#include <span>
#include <string>

#include "core/errores.h"

namespace ruvek {

// Where zone 30's grid holds a point faithfully, in degrees: north of the equator and below 84 N,
// in zone 30 or one zone on either side, and a rim a thousandth of a degree wide (at most 111 m)
// around, so that a point of the area rounded to whole metres and taken back to degrees is in.
inline constexpr double kLatMin = 0, kLatMax = 84, kLonMin = -12, kLonMax = 6, kBordeHuso = 1e-3;

// Whether a point lies in the area, rim included, with `margen` degrees more on each side (less
// when negative).
inline bool EnElHuso(double lon, double lat, double margen = 0) {
  const double h = kBordeHuso + margen;
  return lat >= kLatMin - h && lat <= kLatMax + h && lon >= kLonMin - h && lon <= kLonMax + h;
}

// The error for point number `punto` (from 1), at `donde`, when it lies outside that area.
Error ErrorFueraDelHuso(std::size_t punto, const std::string& donde, long linea = 0);

// The datums of UTM zone 30 north metres: European 1950 (EPSG:23030), which TrackMaker's text
// declares, and ETRS89 (EPSG:25830), Spain's official one since 2007.
enum class Datum { Ed50, Etrs89 };

// Degrees are written with this many decimals (about a centimetre).
inline constexpr int kDecimalesGrados = 7;

// The one place that knows PROJ: WGS 84 longitude and latitude in degrees to and from UTM zone
// 30 north metres in either datum, and metres from one datum to the other, with the operation
// PROJ would choose for each point's area. The national grid of Spain's geographic institute
// (IGN), installed with Ruvek in share/ruvek/proj, is PROJ's whole search path, so no other grid
// on the machine changes a result; PROJ's network is off. The operations were chosen from PROJ's
// database when Ruvek was built: a transformation opens no database. Every function returns the
// index of the first point it could not transform (HUGE_VAL is never left in a point before it), or
// the number of points when all went through; Error(Transformacion) when PROJ cannot be loaded or a
// grid is missing.
class Proyeccion {
 public:
  Proyeccion();
  ~Proyeccion();
  Proyeccion(const Proyeccion&) = delete;
  Proyeccion& operator=(const Proyeccion&) = delete;

  // Longitude and latitude become easting and northing in `datum`.
  std::size_t AUtm(Datum datum, std::span<double> lon_x, std::span<double> lat_y);

  // Easting and northing in `datum` become longitude and latitude which, written with
  // kDecimalesGrados decimals and read by AUtm, come back to the same point: each is taken back
  // by the operation that AUtm takes for where it lands.
  std::size_t AGeograficas(Datum datum, std::span<double> x_lon, std::span<double> y_lat);

  // Easting and northing in `de` become those of the same places in `a`.
  std::size_t CambiaDatum(Datum de, Datum a, std::span<double> x, std::span<double> y);

  // Loads PROJ now, where a caller knows it will be needed and had rather not wait for it later
  // (the first transformation loads it otherwise).
  void Carga() { Cargada(); }

 private:
  struct Proj;
  Proj& Cargada();  // PROJ, loaded at the first call

  std::unique_ptr<Proj> proj_;
};

}  // namespace ruvek
