// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/kml.h"

#include <algorithm>

#include "core/texto_xml.h"
#include "formats/grados.h"
#include "formats/xml.h"

namespace ruvek {

namespace {

bool ConAltitudes(const Segmento& s) {
  return std::all_of(s.begin(), s.end(), [](const Posicion& p) { return p.altitud.has_value(); });
}

// Appends the position's degrees, and its altitude when `altitud`, separated by `separador`.
void AnadeCoordenada(std::string& salida, const Posicion& p, bool calculados, bool altitud,
                     char separador) {
  AnadeGrados(salida, p.x, calculados);
  salida += separador;
  AnadeGrados(salida, p.y, calculados);
  if (altitud) {
    salida += separador;
    AnadeAltitud(salida, *p.altitud);
  }
}

void AnadeLineString(std::string& salida, const Segmento& s, bool calculados,
                     std::string_view sangria) {
  const bool altitudes = ConAltitudes(s);
  salida.append(sangria).append("<LineString>\r\n");
  if (altitudes) salida.append(sangria).append("  <altitudeMode>absolute</altitudeMode>\r\n");
  salida.append(sangria).append("  <coordinates>\r\n");
  for (const Posicion& p : s) {
    salida.append(sangria).append("    ");
    AnadeCoordenada(salida, p, calculados, altitudes, ',');
    salida += "\r\n";
  }
  salida.append(sangria).append("  </coordinates>\r\n").append(sangria).append("</LineString>\r\n");
}

void AnadeTrack(std::string& salida, const Segmento& s, bool calculados, std::string_view sangria) {
  const bool altitudes = ConAltitudes(s);
  salida.append(sangria).append("<gx:Track>\r\n");
  if (altitudes) salida.append(sangria).append("  <altitudeMode>absolute</altitudeMode>\r\n");
  for (const Posicion& p : s) {
    salida.append(sangria).append("  <when>");
    AnadeInstante(salida, *p.tiempo);
    salida += "</when>\r\n";
  }
  for (const Posicion& p : s) {
    salida.append(sangria).append("  <gx:coord>");
    AnadeCoordenada(salida, p, calculados, altitudes, ' ');
    salida += "</gx:coord>\r\n";
  }
  salida.append(sangria).append("</gx:Track>\r\n");
}

bool ConTiempos(const Traza& t) {
  return std::all_of(t.segmentos.begin(), t.segmentos.end(), [](const Segmento& s) {
    return std::all_of(s.begin(), s.end(), [](const Posicion& p) { return p.tiempo.has_value(); });
  });
}

}  // namespace

bool EsKml(std::string_view bytes) { return RaizXml(bytes) == "kml"; }

std::string EscribeKml(const Recorrido& r) {
  const bool gx = std::any_of(r.trazas.begin(), r.trazas.end(), ConTiempos);
  std::string salida = std::string("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n") +
                       "<kml xmlns=\"http://www.opengis.net/kml/2.2\"" +
                       (gx ? " xmlns:gx=\"http://www.google.com/kml/ext/2.2\"" : "") +
                       ">\r\n"
                       "  <Document>\r\n";
  salida.reserve(salida.size() + LargoEstimado(r, 44) + 200);
  const bool calculados = r.grados_calculados;
  for (const Waypoint& w : r.waypoints) {
    salida += "    <Placemark>\r\n      <name>" + TextoXml(w.nombre) + "</name>\r\n";
    if (w.posicion.tiempo) {
      salida +=
          "      <TimeStamp><when>" + TextoInstante(*w.posicion.tiempo) + "</when></TimeStamp>\r\n";
    }
    salida += "      <Point>\r\n";
    if (w.posicion.altitud) salida += "        <altitudeMode>absolute</altitudeMode>\r\n";
    salida += "        <coordinates>";
    AnadeCoordenada(salida, w.posicion, calculados, w.posicion.altitud.has_value(), ',');
    salida += "</coordinates>\r\n      </Point>\r\n    </Placemark>\r\n";
  }
  for (const Traza& t : r.trazas) {
    salida += "    <Placemark>\r\n      <name>" + TextoXml(t.nombre) + "</name>\r\n";
    const bool tiempos = ConTiempos(t), varios = t.segmentos.size() > 1;
    const char* grupo = tiempos ? "gx:MultiTrack" : "MultiGeometry";
    if (varios) salida.append("      <").append(grupo).append(">\r\n");
    for (const Segmento& s : t.segmentos) {
      const std::string_view sangria = varios ? "        " : "      ";
      tiempos ? AnadeTrack(salida, s, calculados, sangria)
              : AnadeLineString(salida, s, calculados, sangria);
    }
    if (varios) salida.append("      </").append(grupo).append(">\r\n");
    salida += "    </Placemark>\r\n";
  }
  salida += "  </Document>\r\n</kml>\r\n";
  return salida;
}

LoQueSeDeja LoQueElKmlDeja(const Recorrido& r) {
  LoQueSeDeja d;
  for (const Traza& t : r.trazas) {
    const bool tiempos = ConTiempos(t);
    for (const Segmento& s : t.segmentos) {
      const bool altitudes = ConAltitudes(s);
      for (const Posicion& p : s) {
        d.tiempos += !tiempos && p.tiempo ? 1 : 0;
        d.altitudes += !altitudes && p.altitud ? 1 : 0;
      }
    }
  }
  return d;
}

}  // namespace ruvek
