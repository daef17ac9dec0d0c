// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo/cambio_de_datum.h"

#include <cmath>
#include <vector>

namespace ruvek {

const char* NombreDatum(Datum datum) {
  switch (datum) {
    case Datum::Ed50:
      return "ED50";
    case Datum::Etrs89:
      return "ETRS89";
  }
  return "?";
}

std::size_t CambiaDatumDelTrack(Track& track, Datum de, Datum a, Proyeccion& proyeccion) {
  const std::size_t n = track.puntos.size();
  if (de == a) return n;
  std::vector<double> x(n), y(n);
  for (std::size_t i = 0; i < n; ++i) {
    x[i] = track.puntos[i].x.EnDouble();
    y[i] = track.puntos[i].y.EnDouble();
  }
  const std::size_t bien = proyeccion.CambiaDatum(de, a, x, y);
  if (bien < n) return bien;
  for (std::size_t i = 0; i < n; ++i) {
    track.puntos[i].x = ValorFijo::Entero(std::llround(x[i]));
    track.puntos[i].y = ValorFijo::Entero(std::llround(y[i]));
  }
  return n;
}

}  // namespace ruvek
