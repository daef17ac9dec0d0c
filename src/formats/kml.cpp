// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/kml.h"

#include "core/texto_xml.h"
#include "formats/xml.h"

namespace ruvek {

bool EsKml(std::string_view bytes) { return RaizXml(bytes) == "kml"; }

Track LeeKml(std::string_view bytes, Proyeccion& proyeccion, Datum datum) {
  return TrackDeGrados(LeeXmlKml(bytes, &PuedeFallar), proyeccion, datum,
                       [bytes](std::size_t i) { return LineaDelPuntoKml(bytes, i); });
}

long LineaDelPuntoKml(std::string_view bytes, std::size_t i) {
  const std::vector<PuntoEnGrados> puntos = LeeXmlKml(bytes, [](double, double) { return true; });
  return i < puntos.size() ? puntos[i].linea : 0;
}

std::string EscribeKml(const Track& track, std::string_view nombre, Proyeccion& proyeccion,
                       Datum datum) {
  const std::vector<LonLat> grados = GradosDelTrack(track, proyeccion, datum);
  std::string salida =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
      "<kml xmlns=\"http://www.opengis.net/kml/2.2\">\r\n"
      "  <Document>\r\n"
      "    <Placemark>\r\n"
      "      <name>" +
      TextoXml(nombre) +
      "</name>\r\n"
      "      <LineString>\r\n";
  if (track.con_altitudes) salida += "        <altitudeMode>absolute</altitudeMode>\r\n";
  salida += "        <coordinates>\r\n";
  salida.reserve(salida.size() + grados.size() * 40 + 120);
  for (std::size_t i = 0; i < grados.size(); ++i) {
    salida += "          ";
    AnadeGrados(salida, grados[i].lon);
    salida += ',';
    AnadeGrados(salida, grados[i].lat);
    if (track.con_altitudes) {
      salida += ',';
      track.puntos[i].altitud.AnadeTexto(salida);
    }
    salida += "\r\n";
  }
  return salida +
         "        </coordinates>\r\n"
         "      </LineString>\r\n"
         "    </Placemark>\r\n"
         "  </Document>\r\n"
         "</kml>\r\n";
}

}  // namespace ruvek
