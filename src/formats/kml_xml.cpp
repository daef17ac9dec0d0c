// SPDX-License-Identifier: GPL-3.0-or-later
// The events of a KML's XML (see kml_lector.h).
#include "core/numeros.h"
#include "formats/kml.h"
#include "formats/kml_lector.h"

namespace ruvek {

void LectorKml::AlAbrir(std::string_view, std::string_view local, const char**) {
  if (pila_.empty() && local != "kml") {
    return Falla(TipoDeError::MalFormado, "no es un KML: el documento es " + Cita(local));
  }
  const NodoKml padre = pila_.empty() ? NodoKml::Otro : pila_.back();
  static constexpr std::pair<std::string_view, NodoKml> kNodos[] = {
      {"Placemark", NodoKml::Placemark},
      {"LineString", NodoKml::LineString},
      {"Track", NodoKml::Track},
      {"MultiTrack", NodoKml::MultiTrack},
      {"Point", NodoKml::Point},
      {"TimeStamp", NodoKml::TimeStamp},
      {"altitudeMode", NodoKml::AltitudeMode}};
  NodoKml nodo = pila_.empty() ? NodoKml::Kml : NodoKml::Otro;
  for (const auto& [nombre, n] : kNodos) nodo = local == nombre ? n : nodo;
  if (local == "name" && padre == NodoKml::Placemark) nodo = NodoKml::Name;
  if (local == "coordinates" && (padre == NodoKml::LineString || padre == NodoKml::Point)) {
    nodo = NodoKml::Coordinates;
  }
  if (local == "coord" && padre == NodoKml::Track) nodo = NodoKml::Coord;
  if (local == "when" && (padre == NodoKml::Track || padre == NodoKml::TimeStamp))
    nodo = NodoKml::When;
  pila_.push_back(nodo);
  texto_.clear();
  linea_texto_ = Linea();
  try {
    if (nodo == NodoKml::LineString || nodo == NodoKml::Track) AbreLinea(nodo, padre);
  } catch (const Error& e) {
    return Falla(e);
  }
  if (nodo == NodoKml::MultiTrack) multitracks_.emplace_back();
  if (nodo == NodoKml::Point) {
    primer_punto_ = puntos_.size();
    modo_del_punto_.clear();
  }
  if (nodo == NodoKml::Placemark) {
    en_placemark_ = true;
    traza_del_placemark_ = false;
    nombre_.clear();
    cuando_.reset();
  }
}

void LectorKml::AbreLinea(NodoKml nodo, NodoKml padre) {
  // A line of a Placemark is a segment of its track; one elsewhere, a track of its own.
  if (!en_placemark_ || !traza_del_placemark_) {
    r_.NuevaTraza();
    traza_del_placemark_ = en_placemark_;
  }
  r_.NuevoSegmento();
  modos_.push_back({r_.recorrido().trazas.size() - 1,
                    r_.recorrido().trazas.back().segmentos.size() - 1,
                    {},
                    -1});
  if (nodo == NodoKml::Track && padre == NodoKml::MultiTrack) {
    modos_.back().multitrack = int(multitracks_.size()) - 1;
  }
  whens_.clear();
  linea_track_ = Linea();
}

void LectorKml::AlLeerTexto(std::string_view texto) {
  switch (pila_.back()) {
    case NodoKml::Coordinates:
      try {
        return Tuplas(texto, false);
      } catch (const Error& e) {
        return Falla(e);
      }
    case NodoKml::Coord:
    case NodoKml::When:
    case NodoKml::Name:
    case NodoKml::AltitudeMode:
      texto_.append(texto);
      return;
    case NodoKml::Otro:
    case NodoKml::Kml:
    case NodoKml::Placemark:
    case NodoKml::LineString:
    case NodoKml::Track:
    case NodoKml::MultiTrack:
    case NodoKml::Point:
    case NodoKml::TimeStamp:
      return;
  }
}

void LectorKml::AlCerrar() {
  try {
    switch (pila_.back()) {
      case NodoKml::Coordinates:
        Tuplas({}, true);
        break;
      case NodoKml::Coord: {
        std::vector<std::string_view> campos;
        for (std::string_view t = SinBlancosAlrededor(texto_); !t.empty();
             t = SinBlancosAlrededor(t)) {
          const std::size_t fin = t.find_first_of(" \t\r\n");
          campos.push_back(t.substr(0, fin));
          t.remove_prefix(std::min(fin, t.size()));
        }
        Punto(campos, SinBlancosAlrededor(texto_), linea_texto_);
        break;
      }
      case NodoKml::When:
        if (Padre() == NodoKml::Track) {
          whens_.emplace_back(Error::EnLinea(linea_texto_, [&] { return LeeInstante(texto_); }),
                              linea_texto_);
        } else if (!cuando_) {
          cuando_ = Error::EnLinea(linea_texto_, [&] { return LeeInstante(texto_); });
        }
        break;
      case NodoKml::Name:
        nombre_ = texto_;
        break;
      case NodoKml::AltitudeMode:
        if (Padre() == NodoKml::LineString || Padre() == NodoKml::Track) {
          modos_.back().modo = SinBlancosAlrededor(texto_);
        } else if (Padre() == NodoKml::MultiTrack) {
          multitracks_.back() = SinBlancosAlrededor(texto_);
        } else if (Padre() == NodoKml::Point) {
          modo_del_punto_ = SinBlancosAlrededor(texto_);
        }
        break;
      case NodoKml::Track:
        CierraTrack();
        break;
      case NodoKml::Point:
        // Altitudes are elevations only where the mode is "absolute" (KML's default is
        // clampToGround).
        for (std::size_t i = primer_punto_; i < puntos_.size(); ++i) {
          if (modo_del_punto_ != "absolute") puntos_[i].posicion.altitud.reset();
        }
        if (!en_placemark_) {
          for (Waypoint& w : puntos_) r_.AnadeWaypoint(std::move(w));
          puntos_.clear();
        }
        break;
      case NodoKml::Placemark:
        CierraPlacemark();
        break;
      case NodoKml::Otro:
      case NodoKml::Kml:
      case NodoKml::LineString:
      case NodoKml::MultiTrack:
      case NodoKml::TimeStamp:
        break;
    }
  } catch (const Error& e) {
    return Falla(e);
  }
  texto_.clear();
  pila_.pop_back();
}

Recorrido LectorKml::Lee(std::string_view bytes) {
  r_.Reserva(bytes.size() / 8);  // "0,0 "
  LeeDocumento(bytes);
  // Altitudes are elevations only in lines whose mode is "absolute", or whose MultiTrack's is.
  for (const ModoDeAltitud& m : modos_) {
    const std::string& modo =
        m.modo.empty() && m.multitrack >= 0 ? multitracks_[std::size_t(m.multitrack)] : m.modo;
    if (modo == "absolute") continue;
    for (Posicion& p : r_.recorrido().trazas[m.traza].segmentos[m.segmento]) p.altitud.reset();
  }
  Recorrido r = r_.Toma();
  if (r.trazas.empty() && r.waypoints.empty()) {
    throw Error(TipoDeError::MalFormado, kKmlSinTrack);
  }
  return r;
}

Recorrido LeeKml(std::string_view bytes) { return LectorKml().Lee(bytes); }

}  // namespace ruvek
