// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo/cambio_de_datum.h"

#include <cmath>
#include <string>
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

void CambiaDatumDelTrack(Track& track, Datum de, Datum a, Proyeccion& proyeccion,
                         const std::function<long(std::size_t)>& linea_del_punto) {
  const std::size_t n = track.puntos.size();
  if (de == a) return;
  std::vector<double> x(n), y(n);
  for (std::size_t i = 0; i < n; ++i) {
    x[i] = track.puntos[i].x.EnDouble();
    y[i] = track.puntos[i].y.EnDouble();
  }
  const std::size_t malo = proyeccion.CambiaDatum(de, a, x, y);
  if (malo < n) {
    throw Error(TipoDeError::Transformacion,
                std::string("PROJ no puede llevar de ") + NombreDatum(de) + " a " + NombreDatum(a) +
                    " el punto " + std::to_string(malo + 1),
                linea_del_punto(malo));
  }
  for (std::size_t i = 0; i < n; ++i) {
    track.puntos[i].x = ValorFijo::Entero(std::llround(x[i]));
    track.puntos[i].y = ValorFijo::Entero(std::llround(y[i]));
  }
}

}  // namespace ruvek
