// SPDX-License-Identifier: GPL-3.0-or-later
// The JSON of a GeoJSON, read by RapidJSON's reader of events: its lines' positions, as
// LeeJsonGeoJson tells.
#include <rapidjson/reader.h>

#include <algorithm>
#include <cmath>

#include "core/lineas.h"
#include "formats/geojson.h"
#include "formats/json.h"

namespace ruvek {

namespace {

// What an object or an array is to a GeoJSON.
enum class Papel {
  Raiz,         // the document: a FeatureCollection, a Feature or a geometry
  Rasgo,        // a Feature of "features"
  Geometria,    // a Feature's "geometry", or one of a GeometryCollection's "geometries"
  Rasgos,       // the array of "features"
  Geometrias,   // the array of "geometries"
  Coordenadas,  // a geometry's "coordinates", or an array within them
  Crs,          // the document's "crs" member, or its "properties"
  Otro,
};

// A position of a line: its numbers, how many, the depth of its array below "coordinates" and
// the byte where it begins.
struct Posicion {
  PuntoEnGrados punto;
  int cuantos;
  int profundidad;
  std::size_t byte;
};

class LectorGeoJson : public rapidjson::BaseReaderHandler<rapidjson::UTF8<>, LectorGeoJson> {
 public:
  explicit LectorGeoJson(rapidjson::InsituStringStream& flujo) : flujo_(flujo) {}

  bool StartObject() { return Abre(false); }
  bool StartArray() { return Abre(true); }
  bool EndObject(rapidjson::SizeType) { return Cierra(); }
  bool EndArray(rapidjson::SizeType) { return Cierra(); }
  bool Key(const char* texto, rapidjson::SizeType largo, bool) {
    clave_.assign(texto, largo);
    return true;
  }
  bool String(const char* texto, rapidjson::SizeType largo, bool) {
    if (pila_.empty()) return true;  // a document that is a string
    Marco& m = pila_.back();
    if (clave_ == "type" && !m.arreglo) m.tipo.assign(texto, largo);
    if (clave_ == "name" && m.papel == Papel::Crs) crs.assign(texto, largo);
    return NoEsCoordenada();
  }
  bool RawNumber(const char* texto, rapidjson::SizeType largo, bool);
  bool Default() { return NoEsCoordenada(); }  // null, true, false

  std::vector<Posicion> posiciones;  // of the lines, and of geometries not yet known
  bool hay_crs = false;
  std::string crs, tipo_de_crs;  // the "crs" member's name and type
  struct Fallo {
    TipoDeError tipo;
    std::string que;
    std::size_t byte;
  };
  std::optional<Fallo> fallo;

 private:
  struct Marco {
    Papel papel;
    bool arreglo;
    std::string tipo;                 // an object's "type"
    std::size_t primera;              // of a geometry: the first of its positions
    bool con_coordenadas = false;     // of a geometry: it has "coordinates"
    int profundidad = 0;              // of coordinates: below the geometry's "coordinates"
    std::size_t posicion = kNinguna;  // of coordinates: the position its numbers make
  };

  Papel PapelNuevo(bool arreglo) const;
  bool Abre(bool arreglo);
  bool Cierra();
  static constexpr std::size_t kNinguna = std::size_t(-1);
  bool NoEsCoordenada() {
    return pila_.empty() || pila_.back().papel != Papel::Coordenadas ||
           Falla(TipoDeError::Conversion, "una coordenada no es un número");
  }
  bool Falla(TipoDeError tipo, const std::string& que, std::size_t byte) {
    if (!fallo) fallo = Fallo{tipo, que, byte};
    return false;
  }
  bool Falla(TipoDeError tipo, const std::string& que) { return Falla(tipo, que, flujo_.Tell()); }

  rapidjson::InsituStringStream& flujo_;  // told where it is
  std::vector<Marco> pila_;
  std::string clave_;
};

Papel LectorGeoJson::PapelNuevo(bool arreglo) const {
  if (pila_.empty()) return Papel::Raiz;
  const Marco& m = pila_.back();
  if (m.papel == Papel::Coordenadas) return Papel::Coordenadas;
  if (m.arreglo) {
    if (arreglo) return Papel::Otro;
    return m.papel == Papel::Rasgos       ? Papel::Rasgo
           : m.papel == Papel::Geometrias ? Papel::Geometria
                                          : Papel::Otro;
  }
  const bool geometria = m.papel == Papel::Raiz || m.papel == Papel::Geometria;
  if (arreglo && clave_ == "features" && m.papel == Papel::Raiz) return Papel::Rasgos;
  if (arreglo && clave_ == "geometries" && geometria) return Papel::Geometrias;
  if (!arreglo && clave_ == "geometry" && (m.papel == Papel::Rasgo || m.papel == Papel::Raiz)) {
    return Papel::Geometria;
  }
  if (arreglo && clave_ == "coordinates" && geometria) return Papel::Coordenadas;
  if (!arreglo && ((clave_ == "crs" && pila_.size() == 1) ||
                   (clave_ == "properties" && m.papel == Papel::Crs))) {
    return Papel::Crs;
  }
  return Papel::Otro;
}

bool LectorGeoJson::Abre(bool arreglo) {
  const std::size_t byte = flujo_.Tell() - 1;  // of the "[" or "{" just taken
  const Papel papel = PapelNuevo(arreglo);
  if (papel == Papel::Coordenadas && !arreglo) {
    return Falla(TipoDeError::Conversion, "una coordenada no es un número");
  }
  if (pila_.size() == kAnidadoMaximoJson) {
    return Falla(TipoDeError::DemasiadoLargo, "los valores se anidan a más de " +
                                                  std::to_string(kAnidadoMaximoJson) + " niveles");
  }
  int profundidad = 0;
  if (papel == Papel::Coordenadas && pila_.back().papel == Papel::Coordenadas) {
    profundidad = pila_.back().profundidad + 1;
  } else if (papel == Papel::Coordenadas) {
    pila_.back().con_coordenadas = true;
  }
  if (papel == Papel::Crs && pila_.size() == 1) hay_crs = true;
  pila_.push_back({papel, arreglo, {}, posiciones.size(), false, profundidad, kNinguna});
  if (papel == Papel::Coordenadas) {
    // Kept until its geometry's type is known, unless it is known already not to be a line.
    const std::string& tipo = pila_.end()[-1 - profundidad - 1].tipo;
    if (tipo.empty() || tipo == "LineString" || tipo == "MultiLineString") {
      if (posiciones.size() == std::size_t(kMaximoDePuntosLeidos)) {
        return Falla(TipoDeError::DemasiadosPuntos, MasDePuntos("el track", kMaximoDePuntosLeidos),
                     byte);
      }
      pila_.back().posicion = posiciones.size();
      posiciones.push_back({{0, 0, std::nullopt, 0}, 0, profundidad, byte});
    }
  }
  return true;
}

bool LectorGeoJson::RawNumber(const char* texto, rapidjson::SizeType largo, bool) {
  if (pila_.empty() || pila_.back().papel != Papel::Coordenadas) return true;
  const Marco& m = pila_.back();
  const std::string_view numero(texto, largo);
  Posicion* p = m.posicion == kNinguna ? nullptr : &posiciones[m.posicion];
  if (p != nullptr && p->cuantos == 2) {  // an altitude, read as the fixed-point value it is
    try {
      p->punto.ele = AltitudDelDocumento(numero);
    } catch (const Error& e) {
      return Falla(e.tipo(), e.detalle());
    }
  } else {
    const double n = NumeroDelDocumento(numero);
    if (std::isnan(n)) return Falla(TipoDeError::Conversion, Cita(numero) + " no es un número");
    if (p != nullptr && p->cuantos == 0) p->punto.lon = n;
    if (p != nullptr && p->cuantos == 1) p->punto.lat = n;
  }
  if (p != nullptr) ++p->cuantos;
  return true;
}

bool LectorGeoJson::Cierra() {
  if (pila_.back().papel == Papel::Coordenadas) {  // a position, or an array of them
    pila_.pop_back();
    return true;
  }
  Marco m = std::move(pila_.back());
  pila_.pop_back();
  if (m.papel == Papel::Crs && !m.arreglo && pila_.size() == 1) tipo_de_crs = m.tipo;
  if (!m.con_coordenadas) return true;
  // A geometry: its positions are kept when it is a line, at the depth its type gives them.
  const int profundidad = m.tipo == "LineString" ? 1 : m.tipo == "MultiLineString" ? 2 : -1;
  std::size_t n = m.primera;
  for (std::size_t i = m.primera; i < posiciones.size(); ++i) {
    const Posicion& p = posiciones[i];
    if (profundidad < 0 || p.cuantos == 0) continue;  // not a line, or an array of arrays
    if (p.profundidad != profundidad) {
      return Falla(TipoDeError::MalFormado,
                   "las coordenadas de un " + m.tipo + " no son una lista de posiciones", p.byte);
    }
    if (p.cuantos < 2) {
      return Falla(TipoDeError::FaltaUnCampo, "a la posición le falta la latitud", p.byte);
    }
    posiciones[n++] = p;
  }
  posiciones.resize(n);
  return true;
}

}  // namespace

PosicionesGeoJson LeeJsonGeoJson(std::string_view bytes, bool (*con_linea)(double, double)) {
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
  // Read in place, from a copy, by RapidJSON's recursive reader, whose depth LectorGeoJson bounds:
  // so it needs no stack of its own (RapidJSON 1.1.0 adds to that stack's pointer while it is
  // still null, undefined behaviour that UBSan reports).
  std::string copia(bytes);
  rapidjson::InsituStringStream flujo(copia.data());
  LectorGeoJson lector(flujo);
  rapidjson::Reader reader;
  constexpr unsigned kComo = rapidjson::kParseInsituFlag | rapidjson::kParseNumbersAsStringsFlag;
  const rapidjson::ParseResult r = reader.Parse<kComo>(flujo, lector);
  NumerosDeLinea lineas(bytes);
  if (lector.fallo) {
    throw Error(lector.fallo->tipo, lector.fallo->que, lineas.De(lector.fallo->byte));
  }
  if (r.IsError()) {
    throw Error(TipoDeError::MalFormado, "no es un JSON bien formado: " + RazonJson(r.Code()),
                lineas.De(r.Offset()));
  }
  PosicionesGeoJson g;
  if (lector.hay_crs && lector.tipo_de_crs != "name") {
    throw Error(TipoDeError::MalFormado,
                "su «crs» es de tipo " + Cita(lector.tipo_de_crs) + ": Ruvek solo lee «name»");
  }
  if (lector.hay_crs) g.datum_metros = DatumDelCrsGeoJson(lector.crs);
  if (lector.posiciones.empty()) throw Error(TipoDeError::MalFormado, "no hay ningún track");
  g.puntos.reserve(lector.posiciones.size());
  for (const Posicion& p : lector.posiciones) {
    g.puntos.push_back(p.punto);
    if (g.datum_metros || con_linea(p.punto.lon, p.punto.lat)) {
      g.puntos.back().linea = lineas.De(p.byte);
    }
  }
  return g;
}

}  // namespace ruvek
