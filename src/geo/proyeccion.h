// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/errores.h"
#include "core/precision.h"
#include "core/sistema.h"

namespace ruvek {

// Where the grid of a UTM zone holds a point faithfully, in degrees: north of the equator and
// below 84 N, in the zone or one zone on either side, and a rim a thousandth of a degree wide (at
// most 111 m) around, so that a point of the area rounded to whole metres and taken back to
// degrees is in.
inline constexpr double kLatMin = 0, kLatMax = 84, kBordeHuso = 1e-3;
constexpr double OesteDelArea(int huso) { return OesteDelHuso(huso) - 6; }
constexpr double EsteDelArea(int huso) { return OesteDelHuso(huso) + 12; }

// Whether a point lies in the area of zone `huso`, rim included, with `margen` degrees more on
// each side (less when negative).
inline bool EnElHuso(int huso, double lon, double lat, double margen = 0) {
  const double h = kBordeHuso + margen;
  return lat >= kLatMin - h && lat <= kLatMax + h && lon >= OesteDelArea(huso) - h &&
         lon <= EsteDelArea(huso) + h;
}

// The error for `que` ("el punto 3"), at `donde`, when it lies outside the area of zone `huso`.
Error ErrorFueraDelHuso(const std::string& que, const std::string& donde, int huso, long linea = 0);

// The EPSG code of a system: 4326 for WGS 84 degrees, 23030 for ED50 / UTM zone 30N, 25830 for
// ETRS89 / UTM zone 30N, 4083 for REGCAN95 / UTM zone 28N (the Canary Islands' ETRS89)...
int CodigoEpsg(Sistema sistema);

// The system of an EPSG code (the inverse of CodigoEpsg), or nothing for one Ruvek does not know.
std::optional<Sistema> SistemaDeEpsg(int codigo);

// "ED50", "ETRS89" or "WGS 84", as messages name them.
const char* NombreDatum(Datum datum);

// The one place that knows PROJ: positions from one system to another (WGS 84 degrees, the UTM
// metres of Spain's zones in ED50, ETRS89 or REGCAN95, those of WGS 84), with the operation PROJ
// would choose for each point's area. Between two systems of metres without operations of their
// own (WGS 84's and another) the way goes through WGS 84 degrees.
// The national grid of Spain's geographic institute (IGN), installed with Ruvek in
// share/ruvek/proj, is PROJ's whole search path, so no other grid on the machine changes a
// result; PROJ's network is off. The operations were chosen from PROJ's database when Ruvek was
// built: a transformation opens no database. Every function returns the index of the first point
// it could not transform (HUGE_VAL is never left in a point before it), or the number of points
// when all went through; Error(Transformacion) when PROJ cannot be loaded, a grid is missing or
// Ruvek has no operation between the two systems.
class Proyeccion {
 public:
  Proyeccion();
  ~Proyeccion();
  Proyeccion(const Proyeccion&) = delete;
  Proyeccion& operator=(const Proyeccion&) = delete;

  // The positions (x, y) in `de` become those of the same places in `a`. Metres taken to degrees
  // become degrees which, written with kDecimalesGrados decimals and transformed back, come back
  // to the same point: each is taken back by the operation that the way there takes for where it
  // lands.
  std::size_t Transforma(Sistema de, Sistema a, std::span<double> x, std::span<double> y);

  // Degrees of WGS 84 become metres of a transverse Mercator projection centred on `lon0`: a
  // measure of distances around a track anywhere on Earth (within some 1,000 km of lon0, better
  // than 1 %), not a system of Ruvek's files.
  std::size_t AMetrosLocales(double lon0, std::span<double> x, std::span<double> y);

  // The distance along the ground from the first of the points (WGS 84 degrees) to each, in
  // metres: each step the geodesic between its two points on the WGS 84 ellipsoid, as PROJ's geod
  // computes it. The first is 0.
  std::vector<double> Distancias(std::span<const double> lon, std::span<const double> lat);

  // Loads PROJ now, where a caller knows it will be needed and had rather not wait for it later
  // (the first transformation loads it otherwise).
  void Carga() { Cargada(); }

 private:
  struct Proj;
  Proj& Cargada();  // PROJ, loaded at the first call

  std::unique_ptr<Proj> proj_;
};

}  // namespace ruvek
