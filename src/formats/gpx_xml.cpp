// SPDX-License-Identifier: GPL-3.0-or-later
// The XML of a GPX: its tracks, routes and waypoints, as LeeGpx tells.
#include <cmath>

#include "core/track.h"
#include "formats/gpx.h"
#include "formats/grados.h"
#include "formats/xml.h"

namespace ruvek {

namespace {

constexpr std::string_view kEspacioGpx = "http://www.topografix.com/GPX/";

enum class Nodo { Otro, Gpx, Trk, Trkseg, Trkpt, Rte, Rtept, Wpt, Ele, Time, Name };

class LectorGpx : public LectorXml {
 public:
  Recorrido Lee(std::string_view bytes);

 private:
  void AlAbrir(std::string_view espacio, std::string_view local, const char** atributos) override;
  void AlCerrar() override;
  void AlLeerTexto(std::string_view texto) override {
    const Nodo n = pila_.back();
    if (n == Nodo::Ele || n == Nodo::Time || n == Nodo::Name) texto_.append(texto);
  }

  Nodo Clase(std::string_view espacio, std::string_view local) const;
  void LeePunto(Nodo nodo, const char** atributos);
  // Where the points of a route go: nowhere once the routes have too many.
  Acumulador* DeRutas() { return rutas_desbordadas_ ? nullptr : &rutas_; }
  void CierraPunto(Nodo nodo);
  void CierraTexto(Nodo nodo, Nodo padre);

  std::vector<Nodo> pila_;  // the open elements
  Acumulador tracks_, rutas_, waypoints_;
  bool rutas_desbordadas_ = false;
  Posicion punto_;      // the point, route point or waypoint open
  std::string nombre_;  // the waypoint's name
  std::string texto_;   // of an ele, a time or a name
};

Nodo LectorGpx::Clase(std::string_view espacio, std::string_view local) const {
  if (!espacio.empty() && !espacio.starts_with(kEspacioGpx)) return Nodo::Otro;
  const Nodo padre = pila_.empty() ? Nodo::Otro : pila_.back();
  struct Regla {
    Nodo padre;
    std::string_view nombre;
    Nodo nodo;
  };
  static constexpr Regla kReglas[] = {
      {Nodo::Gpx, "trk", Nodo::Trk},        {Nodo::Trk, "trkseg", Nodo::Trkseg},
      {Nodo::Trkseg, "trkpt", Nodo::Trkpt}, {Nodo::Gpx, "rte", Nodo::Rte},
      {Nodo::Rte, "rtept", Nodo::Rtept},    {Nodo::Gpx, "wpt", Nodo::Wpt},
      {Nodo::Trkpt, "ele", Nodo::Ele},      {Nodo::Rtept, "ele", Nodo::Ele},
      {Nodo::Wpt, "ele", Nodo::Ele},        {Nodo::Trkpt, "time", Nodo::Time},
      {Nodo::Rtept, "time", Nodo::Time},    {Nodo::Wpt, "time", Nodo::Time},
      {Nodo::Trk, "name", Nodo::Name},      {Nodo::Rte, "name", Nodo::Name},
      {Nodo::Wpt, "name", Nodo::Name}};
  if (pila_.empty() && local == "gpx") return Nodo::Gpx;
  for (const Regla& r : kReglas) {
    if (r.padre == padre && r.nombre == local) return r.nodo;
  }
  return Nodo::Otro;
}

void LectorGpx::AlAbrir(std::string_view espacio, std::string_view local, const char** atributos) {
  const Nodo nodo = Clase(espacio, local);
  if (pila_.empty() && nodo != Nodo::Gpx) {
    return Falla(TipoDeError::MalFormado,
                 local == "gpx"
                     ? "no es un GPX 1.0 ni 1.1: su espacio de nombres es " + Cita(espacio)
                     : "no es un GPX: el documento es " + Cita(local));
  }
  pila_.push_back(nodo);
  texto_.clear();
  switch (nodo) {
    case Nodo::Trk:
      return tracks_.NuevaTraza();
    case Nodo::Trkseg:
      return tracks_.NuevoSegmento();
    case Nodo::Rte:
      if (DeRutas() != nullptr) DeRutas()->NuevaTraza();
      return;
    case Nodo::Trkpt:
    case Nodo::Rtept:
    case Nodo::Wpt:
      return LeePunto(nodo, atributos);
    case Nodo::Otro:
    case Nodo::Gpx:
    case Nodo::Ele:
    case Nodo::Time:
    case Nodo::Name:
      return;
  }
}

void LectorGpx::LeePunto(Nodo nodo, const char** atributos) {
  if (nodo == Nodo::Trkpt && tracks_.puntos() == std::size_t(kMaximoDePuntosLeidos)) {
    return Falla(TipoDeError::DemasiadosPuntos, MasDePuntos("el track", kMaximoDePuntosLeidos));
  }
  if (nodo == Nodo::Rtept && rutas_.puntos() == std::size_t(kMaximoDePuntosLeidos)) {
    rutas_desbordadas_ = true;  // a track later in the file still counts
  }
  punto_ =
      Posicion{.x = NAN, .y = NAN, .altitud = {}, .tiempo = {}, .linea = std::int32_t(Linea())};
  nombre_.clear();
  for (const char** a = atributos; *a != nullptr; a += 2) {
    const std::string_view nombre = a[0];
    double* destino = nombre == "lat" ? &punto_.y : nombre == "lon" ? &punto_.x : nullptr;
    if (destino == nullptr) continue;
    *destino = NumeroDelDocumento(a[1]);
    if (std::isnan(*destino))
      return Falla(TipoDeError::Conversion, Cita(a[1]) + " no es un número");
  }
  if (std::isnan(punto_.y) || std::isnan(punto_.x)) {
    return Falla(TipoDeError::FaltaUnCampo, std::string("al punto le falta la ") +
                                                (std::isnan(punto_.y) ? "latitud" : "longitud"));
  }
}

void LectorGpx::CierraPunto(Nodo nodo) {
  if (nodo == Nodo::Trkpt) return tracks_.AnadePunto(punto_);
  if (nodo == Nodo::Wpt) return waypoints_.AnadeWaypoint({std::move(nombre_), punto_});
  if (DeRutas() != nullptr) DeRutas()->AnadePunto(punto_);
}

void LectorGpx::CierraTexto(Nodo nodo, Nodo padre) {
  if (nodo == Nodo::Ele && !punto_.altitud) punto_.altitud = AltitudDelDocumento(texto_);
  if (nodo == Nodo::Time && !punto_.tiempo) punto_.tiempo = LeeInstante(texto_);
  if (nodo != Nodo::Name) return;
  std::string& nombre = padre == Nodo::Wpt     ? nombre_
                        : padre == Nodo::Trk   ? tracks_.NombreDeLaTraza()
                        : DeRutas() != nullptr ? DeRutas()->NombreDeLaTraza()
                                               : nombre_;
  if (nombre.empty()) nombre = texto_;
}

void LectorGpx::AlCerrar() {
  const Nodo nodo = pila_.back();
  pila_.pop_back();
  try {
    switch (nodo) {
      case Nodo::Trkpt:
      case Nodo::Rtept:
      case Nodo::Wpt:
        return CierraPunto(nodo);
      case Nodo::Ele:
      case Nodo::Time:
      case Nodo::Name:
        return CierraTexto(nodo, pila_.back());
      case Nodo::Otro:
      case Nodo::Gpx:
      case Nodo::Trk:
      case Nodo::Trkseg:
      case Nodo::Rte:
        return;
    }
  } catch (const Error& e) {
    Falla(e);
  }
}

Recorrido LectorGpx::Lee(std::string_view bytes) {
  tracks_.Reserva(bytes.size() / 24);  // <trkpt lat="" lon=""/>
  LeeDocumento(bytes);
  if (tracks_.puntos() == 0 && rutas_desbordadas_) {
    throw Error(TipoDeError::DemasiadosPuntos, MasDePuntos("la ruta", kMaximoDePuntosLeidos));
  }
  Recorrido r = (tracks_.puntos() > 0 ? tracks_ : rutas_).Toma();
  r.waypoints = waypoints_.Toma().waypoints;
  if (r.trazas.empty() && r.waypoints.empty()) {
    throw Error(TipoDeError::MalFormado, kGpxSinPuntos);
  }
  return r;
}

}  // namespace

Recorrido LeeGpx(std::string_view bytes) { return LectorGpx().Lee(bytes); }

}  // namespace ruvek
