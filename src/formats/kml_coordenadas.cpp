// SPDX-License-Identifier: GPL-3.0-or-later
// The numbers of a KML's coordinates, and what its Tracks and Placemarks become (see kml_lector.h).
#include <cmath>

#include "core/numeros.h"
#include "formats/kml_lector.h"

namespace ruvek {

void LectorKml::Tuplas(std::string_view texto, bool al_final) {
  long linea = Linea();  // of the piece's character at `i`
  std::size_t inicio = 0;
  for (std::size_t i = 0; i <= texto.size(); ++i) {
    const bool fin = i == texto.size();
    if (!fin && !EsBlancoDeDocumento(texto[i])) continue;
    if (fin && !al_final) break;
    std::string_view tupla = texto.substr(inicio, i - inicio);
    const bool seguida = !texto_.empty();  // a tuple begun in the previous piece
    if (seguida) tupla = texto_.append(tupla);
    if (!tupla.empty()) {
      std::vector<std::string_view> campos;
      for (std::string_view t = tupla;; t.remove_prefix(t.find(',') + 1)) {
        campos.push_back(t.substr(0, t.find(',')));
        if (t.find(',') == t.npos) break;
      }
      Punto(campos, tupla, seguida ? linea_texto_ : linea);
    }
    texto_.clear();
    if (!fin && texto[i] == '\n') ++linea;
    inicio = i + 1;
  }
  if (al_final || inicio >= texto.size()) return;
  if (texto_.empty()) linea_texto_ = linea;
  texto_.append(texto.substr(inicio));
  if (texto_.size() > kLargoMaximoDeTexto) {
    throw Error(
        TipoDeError::DemasiadoLargo,
        "una coordenada pasa de " + std::to_string(kLargoMaximoDeTexto) + " bytes: no es un track");
  }
}

void LectorKml::Punto(const std::vector<std::string_view>& campos, std::string_view tupla,
                      long linea) {
  if (campos.size() < 2 || campos.size() > 3) {
    throw Error(campos.size() < 2 ? TipoDeError::FaltaUnCampo : TipoDeError::Conversion,
                Cita(tupla) + " no es una coordenada: longitud, latitud y quizá altitud", linea);
  }
  Posicion p{
      NumeroDelDocumento(campos[0]), NumeroDelDocumento(campos[1]), {}, {}, std::int32_t(linea)};
  for (const std::size_t i : {0, 1}) {
    if (std::isnan(i == 0 ? p.x : p.y)) {
      throw Error(TipoDeError::Conversion, Cita(campos[i]) + " no es un número", linea);
    }
  }
  if (campos.size() == 3) {
    p.altitud = Error::EnLinea(linea, [&] { return AltitudDelDocumento(campos[2]); });
  }
  if (Padre() == NodoKml::Point) return puntos_.push_back({{}, p});
  Error::EnLinea(linea, [&] { r_.AnadePunto(p); });
}

void LectorKml::CierraTrack() {
  Segmento& s = r_.recorrido().trazas.back().segmentos.back();
  if (whens_.size() != s.size()) {
    throw Error(TipoDeError::MalFormado,
                "el Track tiene " + std::to_string(whens_.size()) + " <when> y " +
                    std::to_string(s.size()) + " <coord>: cada punto ha de tener su hora",
                linea_track_);
  }
  for (std::size_t i = 0; i < s.size(); ++i) s[i].tiempo = whens_[i].first;
}

void LectorKml::CierraPlacemark() {
  if (traza_del_placemark_) r_.NombreDeLaTraza() = nombre_;
  for (Waypoint& w : puntos_) {
    w.nombre = nombre_;
    if (cuando_) w.posicion.tiempo = cuando_;
    r_.AnadeWaypoint(std::move(w));
  }
  puntos_.clear();
  en_placemark_ = traza_del_placemark_ = false;
}

}  // namespace ruvek
