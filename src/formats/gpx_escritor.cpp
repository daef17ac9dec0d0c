// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/gpx.h"

#include <charconv>
#include <vector>

#include "ajustes.h"
#include "core/errores.h"
#include "core/precision.h"
#include "core/texto_xml.h"

namespace ruvek {

namespace {

// Degrees with 7 decimals (about a centimetre).
void AnadeGrados(std::string& salida, double grados) {
  AnadeDecimales(salida, grados, kDecimalesGrados);
}

}  // namespace

std::string EscribeGpx(const Track& track, std::string_view nombre, Proyeccion& proyeccion,
                       Datum datum) {
  const std::vector<Punto>& puntos = track.puntos;
  const std::size_t n = puntos.size();
  std::vector<double> lon(n), lat(n);
  for (std::size_t i = 0; i < n; ++i) {
    lon[i] = puntos[i].x.EnDouble();
    lat[i] = puntos[i].y.EnDouble();
  }
  const std::size_t malo = proyeccion.AGeograficas(datum, lon, lat);
  if (malo < n) {
    throw Error(TipoDeError::Transformacion,
                "el punto " + std::to_string(malo + 1) + " no tiene latitud ni longitud en WGS 84");
  }
  for (std::size_t i = 0; i < n; ++i) {  // what the reader would refuse is not written
    if (!EnElHuso(lon[i], lat[i]) || AcabaElTrack(puntos[i].x)) {
      throw ErrorFueraDelHuso(i + 1, "X " + puntos[i].x.Texto() + ", Y " + puntos[i].y.Texto());
    }
  }
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
  salida.reserve(salida.size() + n * 80 + 40);
  for (std::size_t i = 0; i < n; ++i) {
    salida += "      <trkpt lat=\"";
    AnadeGrados(salida, lat[i]);
    salida += "\" lon=\"";
    AnadeGrados(salida, lon[i]);
    salida += "\">";
    if (track.con_altitudes) {
      salida += "<ele>";
      puntos[i].altitud.AnadeTexto(salida);
      salida += "</ele>";
    }
    salida += "</trkpt>\r\n";
  }
  return salida + "    </trkseg>\r\n  </trk>\r\n</gpx>\r\n";
}

}  // namespace ruvek
