// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <future>
#include <memory>
#include <span>
#include <string>

#include "core/errors.h"

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
Error FueraDelHuso(std::size_t punto, const std::string& donde, long linea = 0);

// The one place that knows PROJ: WGS 84 longitude and latitude in degrees to and from metres of
// UTM zone 30 north on the European 1950 datum (EPSG:4326 and EPSG:23030), with the operation
// PROJ chooses for each point's area (for mainland Spain a Helmert shift of its database, or a
// grid where one is installed). PROJ's choice of operations costs tens of milliseconds, so it is
// made at the first transformation, once, and only a GPX read or written pays it.
class Proyeccion {
 public:
  Proyeccion();
  ~Proyeccion();  // waits for a preparation under way
  Proyeccion(const Proyeccion&) = delete;
  Proyeccion& operator=(const Proyeccion&) = delete;

  // Transforms the points in place: longitude and latitude become easting and northing, or the
  // other way round. Returns the index of the first point PROJ could not transform, or the
  // number of points when all went through. Raises Error(Projection) when PROJ cannot be set up.
  std::size_t AUtm(std::span<double> lon_x, std::span<double> lat_y);
  std::size_t AGeograficas(std::span<double> x_lon, std::span<double> y_lat);

  // Starts loading PROJ and choosing its operations in the background, unless done or under way,
  // so that they are ready sooner: a GPX reader calls it before reading the file.
  void Prepara();

 private:
  struct Proj;
  Proj& Lista();  // waits for the preparation, or makes it
  std::size_t Transforma(bool directa, std::span<double> a, std::span<double> b);

  std::unique_ptr<Proj> proj_;
  std::future<std::unique_ptr<Proj>> en_camino_;
};

}  // namespace ruvek
