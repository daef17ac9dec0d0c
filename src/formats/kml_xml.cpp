// SPDX-License-Identifier: GPL-3.0-or-later
// The XML of a KML: its lines' points, as LeeXmlKml tells.
#include <algorithm>
#include <cmath>

#include "core/numeros.h"
#include "formats/kml.h"
#include "formats/xml.h"

namespace ruvek {

namespace {

enum class Nodo { Otro, Kml, LineString, Coordinates, Track, Coord, MultiTrack, AltitudeMode };

// A line of the document (a LineString or a gx:Track): where its points begin, its altitude mode,
// and its gx:MultiTrack's (an index of the multitracks), when it has them.
struct Trazo {
  std::size_t inicio;
  std::string modo;
  int multitrack = -1;
};

class LectorKml : public LectorXml {
 public:
  explicit LectorKml(bool (*con_linea)(double, double)) : con_linea_(con_linea) {}
  std::vector<PuntoEnGrados> Lee(std::string_view bytes);

 private:
  void AlAbrir(std::string_view espacio, std::string_view local, const char** atributos) override;
  void AlCerrar() override;
  void AlLeerTexto(std::string_view texto) override;
  // A LineString's coordinates may be a whole track long: their tuples are bounded one by one.
  bool TextoLargo() const override { return pila_.back() == Nodo::Coordinates; }

  Nodo Padre() const { return pila_.size() < 2 ? Nodo::Otro : pila_.end()[-2]; }
  // Adds the point of the numbers of `campos` (lon, lat and maybe alt), at line `linea`.
  void Punto(const std::vector<std::string_view>& campos, std::string_view tupla, long linea);
  // The tuples of a piece of a LineString's coordinates, the last one kept when it may go on.
  void Tuplas(std::string_view texto, bool al_final);

  bool (*con_linea_)(double lon, double lat);
  std::vector<Nodo> pila_;
  std::vector<PuntoEnGrados> puntos_;
  std::vector<Trazo> trazos_;
  std::vector<std::string> multitracks_;  // their altitude modes
  std::string texto_;                     // of an altitudeMode or a coord, or a tuple cut short
  long linea_texto_ = 0;                  // the line where texto_ begins
};

void LectorKml::AlAbrir(std::string_view, std::string_view local, const char**) {
  if (pila_.empty() && local != "kml") {
    return Falla(TipoDeError::MalFormado, "no es un KML: el documento es " + Cita(local));
  }
  const Nodo padre = pila_.empty() ? Nodo::Otro : pila_.back();
  Nodo nodo = Nodo::Otro;
  if (pila_.empty()) nodo = Nodo::Kml;
  if (local == "LineString") nodo = Nodo::LineString;
  if (local == "Track") nodo = Nodo::Track;
  if (local == "MultiTrack") nodo = Nodo::MultiTrack;
  if (local == "altitudeMode") nodo = Nodo::AltitudeMode;
  if (local == "coordinates" && padre == Nodo::LineString) nodo = Nodo::Coordinates;
  if (local == "coord" && padre == Nodo::Track) nodo = Nodo::Coord;
  pila_.push_back(nodo);
  if (nodo == Nodo::LineString || nodo == Nodo::Track) {
    trazos_.push_back({puntos_.size(), {}, -1});
    if (nodo == Nodo::Track && padre == Nodo::MultiTrack) {
      trazos_.back().multitrack = int(multitracks_.size()) - 1;
    }
  }
  if (nodo == Nodo::MultiTrack) multitracks_.emplace_back();
  texto_.clear();
  linea_texto_ = Linea();
}

void LectorKml::AlLeerTexto(std::string_view texto) {
  switch (pila_.back()) {
    case Nodo::Coordinates:
      try {
        return Tuplas(texto, false);
      } catch (const Error& e) {
        return Falla(e);
      }
    case Nodo::Coord:
    case Nodo::AltitudeMode:
      texto_.append(texto);
      return;
    case Nodo::Otro:
    case Nodo::Kml:
    case Nodo::LineString:
    case Nodo::Track:
    case Nodo::MultiTrack:
      return;
  }
}

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
      if (Fallado()) return;
    }
    texto_.clear();
    if (!fin && texto[i] == '\n') ++linea;
    inicio = i + 1;
  }
  if (al_final || inicio >= texto.size()) return;
  if (texto_.empty()) linea_texto_ = linea;
  texto_.append(texto.substr(inicio));
  if (texto_.size() > kLargoMaximoDeTexto) {
    Falla(
        TipoDeError::DemasiadoLargo,
        "una coordenada pasa de " + std::to_string(kLargoMaximoDeTexto) + " bytes: no es un track");
  }
}

void LectorKml::Punto(const std::vector<std::string_view>& campos, std::string_view tupla,
                      long linea) {
  if (puntos_.size() == std::size_t(kMaximoDePuntosLeidos)) {
    throw Error(TipoDeError::DemasiadosPuntos, MasDePuntos("el track", kMaximoDePuntosLeidos),
                linea);
  }
  if (campos.size() < 2 || campos.size() > 3) {
    throw Error(campos.size() < 2 ? TipoDeError::FaltaUnCampo : TipoDeError::Conversion,
                Cita(tupla) + " no es una coordenada: longitud, latitud y quizá altitud", linea);
  }
  PuntoEnGrados p{NumeroDelDocumento(campos[0]), NumeroDelDocumento(campos[1]), std::nullopt, 0};
  for (const std::size_t i : {0, 1}) {
    if (std::isnan(i == 0 ? p.lon : p.lat)) {
      throw Error(TipoDeError::Conversion, Cita(campos[i]) + " no es un número", linea);
    }
  }
  if (campos.size() == 3)
    p.ele = Error::EnLinea(linea, [&] { return AltitudDelDocumento(campos[2]); });
  if (con_linea_(p.lon, p.lat)) p.linea = linea;
  puntos_.push_back(p);
}

void LectorKml::AlCerrar() {
  try {
    switch (pila_.back()) {
      case Nodo::Coordinates:
        Tuplas({}, true);
        break;
      case Nodo::Coord: {
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
      case Nodo::AltitudeMode:
        if (Padre() == Nodo::LineString || Padre() == Nodo::Track) {
          trazos_.back().modo = SinBlancosAlrededor(texto_);
        } else if (Padre() == Nodo::MultiTrack) {
          multitracks_.back() = SinBlancosAlrededor(texto_);
        }
        break;
      case Nodo::Otro:
      case Nodo::Kml:
      case Nodo::LineString:
      case Nodo::Track:
      case Nodo::MultiTrack:
        break;
    }
  } catch (const Error& e) {
    return Falla(e);
  }
  texto_.clear();
  pila_.pop_back();
}

std::vector<PuntoEnGrados> LectorKml::Lee(std::string_view bytes) {
  puntos_.reserve(std::min<std::size_t>(kMaximoDePuntosLeidos, bytes.size() / 24 + 1));
  LeeDocumento(bytes);
  if (puntos_.empty()) throw Error(TipoDeError::MalFormado, "no hay ningún track");
  // Altitudes are elevations only in lines whose mode is "absolute" (KML's default is
  // clampToGround): the track keeps them when every line is so.
  const bool absolutas = std::all_of(trazos_.begin(), trazos_.end(), [this](const Trazo& l) {
    const std::string& modo =
        l.modo.empty() && l.multitrack >= 0 ? multitracks_[std::size_t(l.multitrack)] : l.modo;
    return modo == "absolute";
  });
  if (!absolutas) {
    for (PuntoEnGrados& p : puntos_) p.ele.reset();
  }
  return std::move(puntos_);
}

}  // namespace

std::vector<PuntoEnGrados> LeeXmlKml(std::string_view bytes, bool (*con_linea)(double, double)) {
  return LectorKml(con_linea).Lee(bytes);
}

}  // namespace ruvek
