// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/geojson.h"

#include <rapidjson/writer.h>

#include <cmath>

#include "geo/cambio_de_datum.h"

namespace ruvek {

namespace {

// Where RapidJSON's writer puts its text: a string (its StringBuffer adds to a null pointer before
// it first allocates, undefined behaviour that UBSan reports).
struct Texto {
  using Ch = char;
  std::string* texto;
  void Put(char c) { texto->push_back(c); }
  void Flush() {}
};

// `texto` as a JSON string, its quotes included; what is not UTF-8 as U+FFFD.
std::string TextoJson(std::string_view texto) {
  const std::string limpio = Utf8Limpio(texto, "\xEF\xBF\xBD");
  std::string json;
  Texto salida{&json};
  rapidjson::Writer<Texto> escritor(salida);
  escritor.String(limpio.data(), rapidjson::SizeType(limpio.size()));
  return json;
}

}  // namespace

Track LeeGeoJson(std::string_view bytes, Proyeccion& proyeccion, Datum datum) {
  const PosicionesGeoJson g = LeeJsonGeoJson(bytes, &PuedeFallar);
  const auto linea = [bytes](std::size_t i) { return LineaDelPuntoGeoJson(bytes, i); };
  if (!g.datum_metros) return TrackDeGrados(g.puntos, proyeccion, datum, linea);
  Track track{.puntos = {}, .con_altitudes = true};
  track.puntos.reserve(g.puntos.size());
  for (std::size_t i = 0; i < g.puntos.size(); ++i) {
    const PuntoEnGrados& p = g.puntos[i];
    const Punto punto{ValorFijo::Entero(std::llround(p.lon)),
                      ValorFijo::Entero(std::llround(p.lat)), p.ele.value_or(ValorFijo())};
    if (AcabaElTrack(punto.x)) {
      throw Error(
          TipoDeError::FueraDelHuso,
          "el punto " + std::to_string(i + 1) + " tiene una X menor que 1, que acaba el track",
          p.linea);
    }
    track.con_altitudes = track.con_altitudes && p.ele.has_value();
    track.puntos.push_back(punto);
  }
  if (!track.con_altitudes) {
    for (Punto& p : track.puntos) p.altitud = {};
  }
  CambiaDatumDelTrack(track, *g.datum_metros, datum, proyeccion,
                      [&g](std::size_t i) { return g.puntos[i].linea; });
  return track;
}

long LineaDelPuntoGeoJson(std::string_view bytes, std::size_t i) {
  const PosicionesGeoJson g = LeeJsonGeoJson(bytes, [](double, double) { return true; });
  return i < g.puntos.size() ? g.puntos[i].linea : 0;
}

std::string EscribeGeoJson(const Track& track, std::string_view nombre, Proyeccion& proyeccion,
                           Datum datum) {
  const std::vector<LonLat> grados = GradosDelTrack(track, proyeccion, datum);
  std::string salida =
      "{\r\n"
      "  \"type\": \"FeatureCollection\",\r\n"
      "  \"features\": [\r\n"
      "    {\r\n"
      "      \"type\": \"Feature\",\r\n"
      "      \"properties\": {\"name\": " +
      TextoJson(nombre) +
      "},\r\n"
      "      \"geometry\": {\r\n"
      "        \"type\": \"LineString\",\r\n"
      "        \"coordinates\": [";
  salida.reserve(salida.size() + grados.size() * 48 + 60);
  for (std::size_t i = 0; i < grados.size(); ++i) {
    salida += i == 0 ? "\r\n          [" : ",\r\n          [";
    AnadeGrados(salida, grados[i].lon);
    salida += ", ";
    AnadeGrados(salida, grados[i].lat);
    if (track.con_altitudes) {
      salida += ", ";
      track.puntos[i].altitud.AnadeTexto(salida);
    }
    salida += ']';
  }
  return salida + (grados.empty() ? "]\r\n" : "\r\n        ]\r\n") +
         "      }\r\n"
         "    }\r\n"
         "  ]\r\n"
         "}\r\n";
}

std::optional<Datum> DatumDelCrsGeoJson(const std::string& nombre) {
  std::string codigo = nombre;
  if (nombre.starts_with("urn:ogc:def:crs:")) {
    const std::string_view urn(nombre);
    const std::string_view autoridad = urn.substr(16, urn.find(':', 16) - 16);
    codigo = std::string(autoridad) + ":" + std::string(urn.substr(urn.rfind(':') + 1));
  }
  if (codigo == "EPSG:4326" || codigo == "OGC:CRS84") return std::nullopt;
  if (codigo == "EPSG:25830") return Datum::Etrs89;
  if (codigo == "EPSG:23030") return Datum::Ed50;
  throw Error(TipoDeError::MalFormado,
              "sus coordenadas están en " + Cita(nombre) +
                  ", que Ruvek no lee: solo en WGS 84 (EPSG:4326), ETRS89 / UTM 30N (EPSG:25830) "
                  "o ED50 / UTM 30N (EPSG:23030)");
}

}  // namespace ruvek
