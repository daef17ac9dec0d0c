// SPDX-License-Identifier: GPL-3.0-or-later
// What becomes of a GeoJSON's geometries and Features (see geojson_lector.h), and the reading of
// the whole document.
#include <rapidjson/reader.h>

#include "core/track.h"
#include "formats/geojson.h"
#include "formats/geojson_lector.h"
#include "formats/json.h"
#include "formats/kml.h"

namespace ruvek {

bool LectorGeoJson::CierraGeometria(const Marco& m) {
  // Its positions are kept when it is a line or a point, at the depth its type gives them.
  const int profundidad = m.tipo == "LineString"        ? 1
                          : m.tipo == "MultiLineString" ? 2
                          : m.tipo == "Point"           ? 0
                                                        : -1;
  std::size_t n = m.primera;
  for (std::size_t i = m.primera; i < posiciones_.size(); ++i) {
    PosicionJson& p = posiciones_[i];
    if (profundidad < 0 || p.cuantos == 0) continue;  // not a line, or an array of arrays
    if (p.profundidad != profundidad) {
      return Falla(
          TipoDeError::MalFormado,
          "las coordenadas de un " + m.tipo +
              (profundidad == 0 ? " no son una posición" : " no son una lista de posiciones"),
          p.byte);
    }
    if (p.cuantos < 2) {
      return Falla(TipoDeError::FaltaUnCampo, "a la posición le falta la latitud", p.byte);
    }
    p.de_un_punto = profundidad == 0;
    posiciones_[n++] = p;
  }
  posiciones_.resize(n);
  return true;
}

bool LectorGeoJson::CierraRasgo(const Marco& m) {
  std::size_t de_traza = 0;
  for (std::size_t i = m.primera; i < posiciones_.size(); ++i) {
    de_traza += posiciones_[i].de_un_punto ? 0 : 1;
  }
  if (m.byte_de_tiempos && m.tiempos.size() != de_traza) {
    return Falla(TipoDeError::MalFormado,
                 "hay " + std::to_string(m.tiempos.size()) +
                     (m.tiempos.size() == 1 ? " tiempo para " : " tiempos para ") +
                     std::to_string(de_traza) + " posiciones: cada una ha de tener el suyo",
                 *m.byte_de_tiempos);
  }
  std::size_t k = 0;  // the next time
  int linea = -1;
  bool con_traza = false;
  for (std::size_t i = m.primera; i < posiciones_.size(); ++i) {
    PosicionJson& p = posiciones_[i];
    if (p.de_un_punto) {
      if (leido.recorrido().waypoints.size() == kMaximoDeWaypoints) {
        return Falla(TipoDeError::DemasiadosPuntos,
                     "el archivo tiene más de " + std::to_string(kMaximoDeWaypoints) + " waypoints",
                     p.byte);
      }
      p.punto.tiempo = m.tiempo;
      leido.AnadeWaypoint({m.nombre, p.punto});
      continue;
    }
    if (!con_traza) leido.NuevaTraza(m.nombre);
    con_traza = true;
    // A LineString's positions lie in one array of depth 0; a MultiLineString's part, of depth 1.
    const int suya = p.arreglos[p.profundidad - 1];
    if (suya != linea) leido.NuevoSegmento();
    linea = suya;
    if (k < m.tiempos.size()) p.punto.tiempo = m.tiempos[k++].instante;
    leido.AnadePunto(p.punto);
  }
  posiciones_.resize(m.primera);
  return true;
}

Recorrido LeeGeoJson(std::string_view bytes) {
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
  // Read in place, from a copy, by RapidJSON's recursive reader, whose depth LectorGeoJson bounds:
  // so it needs no stack of its own (RapidJSON 1.1.0 adds to that stack's pointer while it is
  // still null, undefined behaviour that UBSan reports).
  std::string copia(bytes);
  rapidjson::InsituStringStream flujo(copia.data());
  LectorGeoJson lector(flujo, bytes);
  rapidjson::Reader reader;
  constexpr unsigned kComo = rapidjson::kParseInsituFlag | rapidjson::kParseNumbersAsStringsFlag;
  const rapidjson::ParseResult resultado = reader.Parse<kComo>(flujo, lector);
  NumerosDeLinea lineas(bytes);
  if (lector.fallo) {
    throw Error(lector.fallo->tipo, lector.fallo->que, lineas.De(lector.fallo->byte));
  }
  if (resultado.IsError()) {
    throw Error(TipoDeError::MalFormado,
                "no es un JSON bien formado: " + RazonJson(resultado.Code()),
                lineas.De(resultado.Offset()));
  }
  if (lector.hay_crs && lector.tipo_de_crs != "name") {
    throw Error(TipoDeError::MalFormado,
                "su «crs» es de tipo " + Cita(lector.tipo_de_crs) + ": Ruvek solo lee «name»");
  }
  Recorrido r = lector.leido.Toma();
  if (lector.hay_crs) {
    if (const std::optional<Sistema> sistema = SistemaDelCrsGeoJson(lector.crs)) {
      r.sistema = *sistema;
    }
  }
  if (r.trazas.empty() && r.waypoints.empty()) throw Error(TipoDeError::MalFormado, kKmlSinTrack);
  std::size_t i = 0;
  r.ParaCadaPunto([&](const Posicion& p) {
    ++i;
    if (!r.sistema.EnGrados() && AcabaElTrack(ValorFijo::Redondeado(p.x))) {
      throw Error(TipoDeError::FueraDelHuso,
                  "el punto " + std::to_string(i) + " tiene una X menor que 1, que acaba el track",
                  p.linea);
    }
  });
  return r;
}

}  // namespace ruvek
