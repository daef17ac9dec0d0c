// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo/distancias.h"

namespace ruvek {

std::vector<double> Distancias(const Recorrido& r, std::size_t n, Proyeccion& proyeccion) {
  std::vector<double> lon, lat;
  r.ParaCadaPunto([&](const Posicion& p) {
    if (lon.size() == n) return;
    lon.push_back(p.x);
    lat.push_back(p.y);
  });
  const std::size_t malo = proyeccion.Transforma(r.sistema, kGradosWgs84, lon, lat);
  if (malo < lon.size()) {
    throw Error(TipoDeError::Transformacion,
                "el punto " + std::to_string(malo + 1) + " no tiene latitud ni longitud en WGS 84");
  }
  return proyeccion.Distancias(lon, lat);
}

}  // namespace ruvek
