// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/gpx.h"

#include <vector>

#include "formats/gpx_xml.h"
#include "formats/grados.h"

namespace ruvek {

long LineaDelPuntoGpx(std::string_view bytes, std::size_t i) {
  const std::vector<PuntoEnGrados> puntos = LeeXmlGpx(bytes, [](double, double) { return true; });
  return i < puntos.size() ? puntos[i].linea : 0;
}

Track LeeGpx(std::string_view bytes, Proyeccion& proyeccion, Datum datum) {
  return TrackDeGrados(LeeXmlGpx(bytes, &PuedeFallar), proyeccion, datum,
                       [bytes](std::size_t i) { return LineaDelPuntoGpx(bytes, i); });
}

}  // namespace ruvek
