// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The reader of a GeoJSON's JSON, by RapidJSON's reader of events: what LeeGeoJson tells. Its
// events are in geojson_json.cpp; what becomes of each Feature, in geojson_rasgos.cpp.
#include <rapidjson/reader.h>

#include <optional>
#include <string>
#include <vector>

#include "core/lineas.h"
#include "formats/grados.h"

namespace ruvek {

// What an object or an array is to a GeoJSON.
enum class Papel {
  Raiz,         // the document: a FeatureCollection, a Feature or a geometry
  Rasgo,        // a Feature of "features"
  Geometria,    // a Feature's "geometry", or one of a GeometryCollection's "geometries"
  Rasgos,       // the array of "features"
  Geometrias,   // the array of "geometries"
  Coordenadas,  // a geometry's "coordinates", or an array within them
  Crs,          // the document's "crs" member, or its "properties"
  Propiedades,  // a Feature's "properties", or its "coordinateProperties"
  Tiempos,      // its "times" or "coordTimes", or an array within them
  Otro,
};

// A position of a geometry: its numbers, how many, the depth of its array below "coordinates",
// the arrays of depth 0 and 1 it lies in (numbered through the document: a line of a LineString,
// of a MultiLineString), whether it is a Point's, and the byte where it begins.
struct PosicionJson {
  Posicion punto;
  int cuantos;
  int profundidad;
  int arreglos[2];
  bool de_un_punto;
  std::size_t byte;
};

// A time of "times": the instant, or none for null, and the byte where it is.
struct TiempoJson {
  std::optional<Instante> instante;
  std::size_t byte;
};

class LectorGeoJson : public rapidjson::BaseReaderHandler<rapidjson::UTF8<>, LectorGeoJson> {
 public:
  // `bytes`: the document, whose lines the positions are given.
  LectorGeoJson(rapidjson::InsituStringStream& flujo, std::string_view bytes)
      : flujo_(flujo), lineas_(bytes) {}

  bool StartObject() { return Abre(false); }
  bool StartArray() { return Abre(true); }
  bool EndObject(rapidjson::SizeType) { return Cierra(); }
  bool EndArray(rapidjson::SizeType) { return Cierra(); }
  bool Key(const char* texto, rapidjson::SizeType largo, bool) {
    clave_.assign(texto, largo);
    return true;
  }
  bool String(const char* texto, rapidjson::SizeType largo, bool);
  bool RawNumber(const char* texto, rapidjson::SizeType largo, bool);
  bool Null();
  bool Bool(bool);

  // The tracks and waypoints of the Features read.
  Acumulador leido;
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
    std::size_t primera;              // of a geometry or a Feature: the first of its positions
    bool con_coordenadas = false;     // of a geometry: it has "coordinates"
    int profundidad = 0;              // of coordinates: below the geometry's "coordinates"
    std::size_t posicion = kNinguna;  // of coordinates: the position its numbers make
    // Of a Feature: its name, its time (of a Point), its times and where they begin.
    std::string nombre;
    std::optional<Instante> tiempo;
    std::vector<TiempoJson> tiempos;
    std::optional<std::size_t> byte_de_tiempos;
  };

  Papel PapelNuevo(bool arreglo) const;
  bool Abre(bool arreglo);
  bool Cierra();
  // A geometry closes: its positions are kept when it is a line or a point.
  bool CierraGeometria(const Marco& m);
  // A Feature closes (or the document, a bare geometry): its positions become a track and
  // waypoints, with its name and times.
  bool CierraRasgo(const Marco& m);
  // The Feature whose properties are open, if any.
  Marco* RasgoDeLasPropiedades();
  bool Tiempo(const std::optional<Instante>& t);
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
  NumerosDeLinea lineas_;
  std::vector<Marco> pila_;
  std::vector<PosicionJson> posiciones_;  // of the geometries of the Feature open
  std::string clave_;
  int arreglos_ = 0;      // the arrays of depth 0 and 1 of coordinates begun
  int abiertos_[2] = {};  // the last of each depth
};

}  // namespace ruvek
