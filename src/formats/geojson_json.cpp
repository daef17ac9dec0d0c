// SPDX-License-Identifier: GPL-3.0-or-later
// The events of a GeoJSON's JSON (see geojson_lector.h).
#include <algorithm>
#include <cmath>

#include "core/lineas.h"
#include "core/track.h"
#include "formats/geojson.h"
#include "formats/geojson_lector.h"
#include "formats/json.h"

namespace ruvek {

Papel LectorGeoJson::PapelNuevo(bool arreglo) const {
  if (pila_.empty()) return Papel::Raiz;
  const Marco& m = pila_.back();
  if (m.papel == Papel::Coordenadas) return Papel::Coordenadas;
  if (m.papel == Papel::Tiempos) return arreglo ? Papel::Tiempos : Papel::Otro;
  if (m.arreglo) {
    if (arreglo) return Papel::Otro;
    return m.papel == Papel::Rasgos       ? Papel::Rasgo
           : m.papel == Papel::Geometrias ? Papel::Geometria
                                          : Papel::Otro;
  }
  const bool geometria = m.papel == Papel::Raiz || m.papel == Papel::Geometria;
  const bool rasgo = m.papel == Papel::Raiz || m.papel == Papel::Rasgo;
  if (arreglo && clave_ == "features" && m.papel == Papel::Raiz) return Papel::Rasgos;
  if (arreglo && clave_ == "geometries" && geometria) return Papel::Geometrias;
  if (!arreglo && clave_ == "geometry" && rasgo) return Papel::Geometria;
  if (arreglo && clave_ == "coordinates" && geometria) return Papel::Coordenadas;
  if (!arreglo && clave_ == "properties" && rasgo) return Papel::Propiedades;
  if (m.papel == Papel::Propiedades) {
    if (!arreglo && clave_ == "coordinateProperties") return Papel::Propiedades;
    if (arreglo && (clave_ == "times" || clave_ == "coordTimes")) return Papel::Tiempos;
  }
  if (!arreglo && ((clave_ == "crs" && pila_.size() == 1) ||
                   (clave_ == "properties" && m.papel == Papel::Crs))) {
    return Papel::Crs;
  }
  return Papel::Otro;
}

LectorGeoJson::Marco* LectorGeoJson::RasgoDeLasPropiedades() {
  for (auto m = pila_.rbegin(); m != pila_.rend(); ++m) {
    if (m->papel == Papel::Rasgo || m->papel == Papel::Raiz) return &*m;
    if (m->papel != Papel::Propiedades && m->papel != Papel::Tiempos) return nullptr;
  }
  return nullptr;
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
  if (papel == Papel::Tiempos && pila_.back().papel != Papel::Tiempos) {
    if (Marco* rasgo = RasgoDeLasPropiedades(); rasgo != nullptr && !rasgo->byte_de_tiempos) {
      rasgo->byte_de_tiempos = byte;
    }
  }
  pila_.push_back(
      {papel, arreglo, {}, posiciones_.size(), false, profundidad, kNinguna, {}, {}, {}, {}});
  if (papel != Papel::Coordenadas) return true;
  if (profundidad <= 1) abiertos_[profundidad] = ++arreglos_;
  // Kept until its geometry's type is known, unless it is known already not to be a line or a
  // point.
  const std::string& tipo = pila_.end()[-1 - profundidad - 1].tipo;
  if (tipo.empty() || tipo == "LineString" || tipo == "MultiLineString" || tipo == "Point") {
    if (leido.puntos() + posiciones_.size() == std::size_t(kMaximoDePuntosLeidos)) {
      return Falla(TipoDeError::DemasiadosPuntos, MasDePuntos("el track", kMaximoDePuntosLeidos),
                   byte);
    }
    pila_.back().posicion = posiciones_.size();
    posiciones_.push_back({{0, 0, std::nullopt, std::nullopt, std::int32_t(lineas_.De(byte)), 0, 0},
                           0,
                           profundidad,
                           {abiertos_[0], abiertos_[1]},
                           false,
                           byte});
  }
  return true;
}

bool LectorGeoJson::String(const char* texto, rapidjson::SizeType largo, bool) {
  if (pila_.empty()) return true;  // a document that is a string
  Marco& m = pila_.back();
  const std::string_view valor(texto, largo);
  if (clave_ == "type" && !m.arreglo) m.tipo = valor;
  if (clave_ == "name" && m.papel == Papel::Crs) crs = valor;
  if (m.papel == Papel::Propiedades && !m.arreglo) {
    Marco* rasgo = RasgoDeLasPropiedades();
    if (rasgo != nullptr && clave_ == "name" && rasgo->nombre.empty()) rasgo->nombre = valor;
    if (rasgo != nullptr && clave_ == "time" && !rasgo->tiempo) {
      try {
        rasgo->tiempo = LeeInstante(valor);
      } catch (const Error& e) {
        return Falla(e.tipo(), e.detalle());
      }
    }
  }
  if (m.papel == Papel::Tiempos) {
    try {
      return Tiempo(LeeInstante(valor));
    } catch (const Error& e) {
      return Falla(e.tipo(), e.detalle());
    }
  }
  return NoEsCoordenada();
}

bool LectorGeoJson::Null() {
  if (!pila_.empty() && pila_.back().papel == Papel::Tiempos) return Tiempo(std::nullopt);
  return NoEsCoordenada();
}

bool LectorGeoJson::Bool(bool) {
  if (!pila_.empty() && pila_.back().papel == Papel::Tiempos) {
    return Falla(TipoDeError::Conversion, "una hora no es un texto ni un número");
  }
  return NoEsCoordenada();
}

bool LectorGeoJson::Tiempo(const std::optional<Instante>& t) {
  if (Marco* rasgo = RasgoDeLasPropiedades()) rasgo->tiempos.push_back({t, flujo_.Tell()});
  return true;
}

bool LectorGeoJson::RawNumber(const char* texto, rapidjson::SizeType largo, bool) {
  if (pila_.empty()) return true;
  const Marco& m = pila_.back();
  const std::string_view numero(texto, largo);
  if (m.papel == Papel::Tiempos || (m.papel == Papel::Propiedades && clave_ == "time")) {
    try {
      const Instante t = InstanteDeMilisegundos(numero);
      if (m.papel == Papel::Tiempos) return Tiempo(t);
      if (Marco* rasgo = RasgoDeLasPropiedades(); rasgo != nullptr && !rasgo->tiempo) {
        rasgo->tiempo = t;
      }
      return true;
    } catch (const Error& e) {
      return Falla(e.tipo(), e.detalle());
    }
  }
  if (m.papel != Papel::Coordenadas) return true;
  PosicionJson* p = m.posicion == kNinguna ? nullptr : &posiciones_[m.posicion];
  if (p != nullptr && p->cuantos == 2) {  // an altitude
    try {
      p->punto.altitud = AltitudDelDocumento(numero);
    } catch (const Error& e) {
      return Falla(e.tipo(), e.detalle());
    }
  } else {
    const double n = NumeroDelDocumento(numero);
    if (std::isnan(n)) return Falla(TipoDeError::Conversion, Cita(numero) + " no es un número");
    if (p != nullptr && p->cuantos == 0) p->punto.x = n;
    if (p != nullptr && p->cuantos == 1) p->punto.y = n;
  }
  if (p != nullptr) ++p->cuantos;
  return true;
}

bool LectorGeoJson::Cierra() {
  if (pila_.back().papel == Papel::Coordenadas || pila_.back().papel == Papel::Tiempos) {
    pila_.pop_back();  // a position, or an array of them; or of times
    return true;
  }
  Marco m = std::move(pila_.back());
  pila_.pop_back();
  if (m.papel == Papel::Crs && !m.arreglo && pila_.size() == 1) tipo_de_crs = m.tipo;
  if (m.con_coordenadas && !CierraGeometria(m)) return false;
  if (m.papel == Papel::Rasgo || m.papel == Papel::Raiz) return CierraRasgo(m);
  return true;
}

}  // namespace ruvek
