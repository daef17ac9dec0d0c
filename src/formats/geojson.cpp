// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/geojson.h"

#include <rapidjson/writer.h>

#include <algorithm>

#include "core/errores.h"

#include "formats/grados.h"

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

void AnadePosicion(std::string& salida, const Posicion& p, bool calculados) {
  salida += '[';
  AnadeGrados(salida, p.x, calculados);
  salida += ", ";
  AnadeGrados(salida, p.y, calculados);
  if (p.altitud) {
    salida += ", ";
    AnadeAltitud(salida, *p.altitud);
  }
  salida += ']';
}

// Appends the positions, or the times, of a track of one segment as a list, one a line; of a
// track of several, as a list of lists.
template <typename F>
void AnadeListas(std::string& salida, const Traza& t, bool anidadas, F&& anade) {
  const std::string_view sangria = anidadas ? "            " : "          ";
  salida += '[';
  bool primera_lista = true, primero = true;
  for (const Segmento& s : t.segmentos) {
    if (anidadas) {
      salida += primera_lista ? "\r\n          [" : ",\r\n          [";
      primera_lista = false;
      primero = true;
    }
    for (const Posicion& p : s) {
      salida += primero ? "\r\n" : ",\r\n";
      salida += sangria;
      primero = false;
      anade(p);
    }
    if (anidadas) salida += "\r\n          ]";
  }
  salida += "\r\n        ]";
}

}  // namespace

std::string EscribeGeoJson(const Recorrido& r) {
  std::string salida =
      "{\r\n"
      "  \"type\": \"FeatureCollection\",\r\n"
      "  \"features\": [";
  salida.reserve(salida.size() + LargoEstimado(r, 48) + 200);
  const bool calculados = r.grados_calculados;
  bool primero = true;
  const auto rasgo = [&](const std::string& nombre) {
    salida += primero ? "\r\n    {\r\n" : ",\r\n    {\r\n";
    primero = false;
    salida +=
        "      \"type\": \"Feature\",\r\n      \"properties\": {\"name\": " + TextoJson(nombre);
  };
  for (const Waypoint& w : r.waypoints) {
    rasgo(w.nombre);
    if (w.posicion.tiempo) salida += ", \"time\": \"" + TextoInstante(*w.posicion.tiempo) + "\"";
    salida += "},\r\n      \"geometry\": {\"type\": \"Point\", \"coordinates\": ";
    AnadePosicion(salida, w.posicion, calculados);
    salida += "}\r\n    }";
  }
  for (const Traza& t : r.trazas) {
    rasgo(t.nombre);
    const bool varios = t.segmentos.size() > 1;
    if (std::any_of(t.segmentos.begin(), t.segmentos.end(), [](const Segmento& s) {
          return std::any_of(s.begin(), s.end(),
                             [](const Posicion& p) { return p.tiempo.has_value(); });
        })) {
      salida += ", \"coordinateProperties\": {\"times\": ";
      AnadeListas(salida, t, varios, [&](const Posicion& p) {
        if (p.tiempo) {
          salida += '"';
          AnadeInstante(salida, *p.tiempo);
          salida += '"';
        } else {
          salida += "null";
        }
      });
      salida += "}";
    }
    salida += std::string("},\r\n      \"geometry\": {\r\n        \"type\": \"") +
              (varios ? "MultiLineString" : "LineString") + "\",\r\n        \"coordinates\": ";
    AnadeListas(salida, t, varios,
                [&](const Posicion& p) { AnadePosicion(salida, p, calculados); });
    salida += "\r\n      }\r\n    }";
  }
  salida += "\r\n  ]\r\n}\r\n";
  return salida;
}

std::optional<Sistema> SistemaDelCrsGeoJson(const std::string& nombre) {
  std::string codigo = nombre;
  if (nombre.starts_with("urn:ogc:def:crs:")) {
    const std::string_view urn(nombre);
    const std::string_view autoridad = urn.substr(16, urn.find(':', 16) - 16);
    codigo = std::string(autoridad) + ":" + std::string(urn.substr(urn.rfind(':') + 1));
  }
  // ETRS89's degrees are WGS 84's as PROJ takes them (its operation between the two is none).
  if (codigo == "EPSG:4326" || codigo == "OGC:CRS84" || codigo == "EPSG:4258") return std::nullopt;
  if (codigo == "EPSG:4083") return Sistema{Datum::Etrs89, 28};
  for (int huso = kPrimerHuso; huso <= kUltimoHuso; ++huso) {
    const std::string h = std::to_string(huso);
    if (codigo == "EPSG:326" + h) return Sistema{Datum::Wgs84, huso};
    if (huso == 28) continue;
    if (codigo == "EPSG:230" + h) return Sistema{Datum::Ed50, huso};
    if (codigo == "EPSG:258" + h) return Sistema{Datum::Etrs89, huso};
  }
  throw Error(TipoDeError::MalFormado,
              "sus coordenadas están en " + Cita(nombre) +
                  ", que Ruvek no lee: solo en WGS 84 o ETRS89 (EPSG:4326, CRS84, 4258), ETRS89 o "
                  "ED50 en UTM de los "
                  "husos 29 a 31 (EPSG:25829 a 25831, 23029 a 23031), REGCAN95 (EPSG:4083) o WGS "
                  "84 en UTM de los husos 28 a 31 (EPSG:32628 a 32631)");
}

}  // namespace ruvek
