// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/cambio_datum.h"

#include <cmath>
#include <vector>

#include "core/lineas.h"
#include "formats/gpx_xml.h"

namespace ruvek {

const char* NombreDatum(Datum datum) { return datum == Datum::Ed50 ? "ED50" : "ETRS89"; }

std::size_t CambiaDatum(Track& track, Datum de, Datum a, Proyeccion& proyeccion) {
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

long LineaDelPunto(Formato formato, std::string_view bytes, std::size_t i) {
  if (formato == Formato::Gpx) {
    const std::vector<PuntoGpx> puntos = LeeXmlGpx(bytes, [](double, double) { return true; });
    return i < puntos.size() ? puntos[i].linea : 0;
  }
  if (formato == Formato::ListaXY) return long(i) + 1;
  LineasDeTexto lineas = LineasDeArchivo(bytes);  // TrackMaker: its points are the lines of a "t"
  std::string_view linea;
  for (std::size_t visto = 0; lineas.Siguiente(linea);) {
    if (!linea.empty() && linea.front() == 't' && visto++ == i) return lineas.numero();
  }
  return 0;
}

}  // namespace ruvek
