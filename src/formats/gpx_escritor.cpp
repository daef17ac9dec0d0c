// SPDX-License-Identifier: GPL-3.0-or-later
#include "ajustes.h"
#include "core/texto_xml.h"
#include "formats/gpx.h"
#include "formats/grados.h"

namespace ruvek {

namespace {

// Appends `<NAME lat="..." lon="...">` with ele and time, then `sangria` and the name when there
// is one, and the closing tag.
void AnadePunto(std::string& salida, const char* elemento, const Posicion& p, bool calculados,
                const std::string* nombre) {
  salida.append("<").append(elemento).append(" lat=\"");
  AnadeGrados(salida, p.y, calculados);
  salida += "\" lon=\"";
  AnadeGrados(salida, p.x, calculados);
  salida += "\">";
  if (p.altitud) {
    salida += "<ele>";
    AnadeAltitud(salida, *p.altitud);
    salida += "</ele>";
  }
  if (p.tiempo) {
    salida += "<time>";
    AnadeInstante(salida, *p.tiempo);
    salida += "</time>";
  }
  if (nombre != nullptr && !nombre->empty())
    salida.append("<name>").append(TextoXml(*nombre)).append("</name>");
  salida.append("</").append(elemento).append(">\r\n");
}

}  // namespace

std::string EscribeGpx(const Recorrido& r) {
  std::string salida =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
      "<gpx version=\"1.1\" creator=\"Ruvek " +
      std::string(kVersionTexto) +
      "\" xmlns=\"http://www.topografix.com/GPX/1/1\" "
      "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
      "xsi:schemaLocation=\"http://www.topografix.com/GPX/1/1 "
      "http://www.topografix.com/GPX/1/1/gpx.xsd\">\r\n";
  salida.reserve(salida.size() + LargoEstimado(r, 76) + 40);
  for (const Waypoint& w : r.waypoints) {
    salida += "  ";
    AnadePunto(salida, "wpt", w.posicion, r.grados_calculados, &w.nombre);
  }
  for (const Traza& t : r.trazas) {
    salida += "  <trk>\r\n";
    if (!t.nombre.empty())
      salida.append("    <name>").append(TextoXml(t.nombre)).append("</name>\r\n");
    for (const Segmento& s : t.segmentos) {
      salida += "    <trkseg>\r\n";
      for (const Posicion& p : s) {
        salida += "      ";
        AnadePunto(salida, "trkpt", p, r.grados_calculados, nullptr);
      }
      salida += "    </trkseg>\r\n";
    }
    salida += "  </trk>\r\n";
  }
  salida += "</gpx>\r\n";
  return salida;
}

}  // namespace ruvek
