// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/gpx.h"

#include <vector>

#include "ajustes.h"
#include "core/errores.h"
#include "core/texto_xml.h"
#include "formats/grados.h"

namespace ruvek {

std::string EscribeGpx(const Track& track, std::string_view nombre, Proyeccion& proyeccion,
                       Datum datum) {
  const std::vector<LonLat> grados = GradosDelTrack(track, proyeccion, datum);
  std::string salida =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
      "<gpx version=\"1.1\" creator=\"Ruvek " +
      std::string(kVersionTexto) +
      "\" xmlns=\"http://www.topografix.com/GPX/1/1\" "
      "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
      "xsi:schemaLocation=\"http://www.topografix.com/GPX/1/1 "
      "http://www.topografix.com/GPX/1/1/gpx.xsd\">\r\n"
      "  <trk>\r\n    <name>" +
      TextoXml(nombre) + "</name>\r\n    <trkseg>\r\n";
  salida.reserve(salida.size() + grados.size() * 80 + 40);
  for (std::size_t i = 0; i < grados.size(); ++i) {
    salida += "      <trkpt lat=\"";
    AnadeGrados(salida, grados[i].lat);
    salida += "\" lon=\"";
    AnadeGrados(salida, grados[i].lon);
    salida += "\">";
    if (track.con_altitudes) {
      salida += "<ele>";
      track.puntos[i].altitud.AnadeTexto(salida);
      salida += "</ele>";
    }
    salida += "</trkpt>\r\n";
  }
  return salida + "    </trkseg>\r\n  </trk>\r\n</gpx>\r\n";
}

}  // namespace ruvek
