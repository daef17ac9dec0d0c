// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/longitud.h"

#include <cmath>

namespace ruvek {

namespace {

// UTM: the scale on the central meridian, and its false easting.
constexpr double kK0 = 0.9996, kEsteFalso = 500000;
// The International 1924 ellipsoid of ED50: semi-major axis and squared eccentricity.
constexpr double kA = 6378388, kE2 = 0.00672267002233332;

// The grid's scale factor at a point: k0 (1 + x²/(2ρν) + x⁴/(24ρ²ν²)), with x its distance from
// the central meridian on the ground and ρν the product of the radii of curvature at its
// latitude, taken from its northing (a meridian degree is about 111.1 km on this ellipsoid).
double Escala(double este, double norte) {
  const double lat = norte / (kK0 * 111136.5) * (M_PI / 180);
  const double s2 = std::sin(lat) * std::sin(lat);
  const double rho_nu = kA * kA * (1 - kE2) / ((1 - kE2 * s2) * (1 - kE2 * s2));
  const double x2 = (este - kEsteFalso) * (este - kEsteFalso) / (kK0 * kK0 * rho_nu);
  return kK0 * (1 + x2 / 2 + x2 * x2 / 24);
}

}  // namespace

std::vector<double> Distancias(std::span<const Punto> puntos) {
  std::vector<double> d(puntos.size(), 0.0);
  if (puntos.empty()) return d;
  double x0 = puntos[0].x.EnDouble(), y0 = puntos[0].y.EnDouble(), k0 = 1 / Escala(x0, y0);
  for (std::size_t i = 1; i < puntos.size(); ++i) {
    const double x1 = puntos[i].x.EnDouble(), y1 = puntos[i].y.EnDouble(), k1 = 1 / Escala(x1, y1);
    // Simpson's rule over the step: the ends and the middle.
    const double inversa = (k0 + 4 / Escala((x0 + x1) / 2, (y0 + y1) / 2) + k1) / 6;
    d[i] = d[i - 1] + std::hypot(x1 - x0, y1 - y0) * inversa;
    x0 = x1, y0 = y1, k0 = k1;
  }
  return d;
}

}  // namespace ruvek
